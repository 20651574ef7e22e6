#pragma once
// Polled keyboard and mouse state, and the orbit camera that mouse drags drive.
#include "base/GLTypes.h"

#include <cstdint>

constexpr int GL_M0 = 0;
constexpr int GL_MX = 1;
constexpr int GL_MY = 2;
constexpr int GL_MZ = 3;

extern std::int32_t SETKEY[501];  // 0 = up, -1 (all bits) = down, by virtual-key code
extern bool LEFTMOUSEDOWN, LEFTMOUSEDOWN2;
extern bool RIGHTMOUSEDOWN, RIGHTMOUSEDOWN2;
extern bool GRABMOUSEDOWN;  // the grab button is held: the middle one, or the left one pressed with Ctrl
extern std::int32_t XCOORD, YCOORD, ZCOORD;
extern std::int32_t SETMX, SETMY;    // last left press; 0 after release
extern std::int32_t SETOMX, SETOMY;  // latest mouse position (client pixels)
extern float XROT, YROT, DEPTH;
extern std::int32_t MSPEED;

bool SETGLKEY(std::int32_t key);
bool SETGLKEY(char key);
void SETGLMOUSEMOVE(std::int32_t xyz, std::int32_t speed);
std::int32_t GLWAIT(float ms);

// Called by the window procedure.
void KEYDOWNUPDATE(std::int32_t key);
void KEYUPUPDATE(std::int32_t key);
void MOUSEMOVEUPDATE(std::int32_t lparam);
// A left press with Ctrl among its key flags (MK_CONTROL) grabs until its
// release: it neither turns the view nor counts as a left press.
void LEFTBUTTONDOWNUPDATE(std::int32_t lparam, std::int32_t keyFlags = 0);
void LEFTBUTTONUPUPDATE();
void MIDDLEBUTTONDOWNUPDATE(std::int32_t lparam);
void MIDDLEBUTTONUPUPDATE();
void RIGHTBUTTONDOWNUPDATE(std::int32_t lparam);
void RIGHTBUTTONUPUPDATE();
