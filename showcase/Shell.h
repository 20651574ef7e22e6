#pragma once
// Shell state that the scenes read, and the shell's start-up and frame.
#include "base/GLTypes.h"

#include <cstdint>

extern std::int32_t SELECTDEMO;         // current scene (its menu command id); 0 = start screen
extern float SETGRAVITY;                // gravity level 0..16 chosen with the arrows
extern bool ENABLEGRAVITY;              // gravity switch of the vehicle scene (key G)
extern bool ENABLEDEBUG;                // collision outlines (key D)
extern bool ENABLECAMERAPLAYER;         // vehicle follow camera (scene 808 only)
extern std::int32_t SETCAM;             // follow-camera variant 0..3
extern std::int32_t TIMER[101];         // repeat counters, used from index 1
extern unsigned int EVENTSELECTION;     // display list with the two arrow pick quads
extern float HEADING;                   // vehicle heading in degrees
extern TGLVector BOX[61];               // scene positions, used from index 1; BOX[1] is the vehicle

// Repeat-counter rule for a held key or button: counts frames while held, fires
// on the 3rd, wraps at 10, resets when released (fires on frames 3, 13, 23...).
bool REPEATCOUNTER(std::int32_t& counter, bool held);

bool SELECTTYPE(std::int32_t size, std::int32_t settype);
void QUAD(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3, float x4,
          float y4, float z4);

void OPENGL_CREATELIST();
void OPENGL_DRAW();
