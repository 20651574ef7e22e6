#pragma once
// The statistics panel (F2): frames per second, frame and physics time, the
// current scene's bodies, awake bodies and joints, the gravity level and a
// plot of the recent frame and physics times. Off until F2 is pressed.
#include "KEVA_Physics/engine/NewtonImport.h"

// What the panel counts in a world: every body, the dynamic ones not asleep,
// and the joints.
struct WorldCounts {
    int bodies = 0, awake = 0, joints = 0;
};
WorldCounts COUNTWORLD(const NewtonWorld* world);

bool STATSVISIBLE();
void SHOWSTATS(bool visible);
// Each press of F2 shows or hides the panel.
void STATSKEY();
// While the panel is shown, the shell times each pass of the main loop: BEGIN
// at its start, END after the frame is drawn and before the buffer swap. END
// waits for GL to finish the frame, so that the time includes the pixels
// that a software renderer fills only when asked to.
void BEGINFRAMESTATS();
void ENDFRAMESTATS();
