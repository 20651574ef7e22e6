#pragma once
// The gravity selector: two arrow buttons stepping through seventeen levels,
// and the 2D overlay with the logo and the level's name.

constexpr int GRAVADD = 101;  // selection name of the left arrow
constexpr int GRAVSUB = 100;  // selection name of the right arrow

extern float NEWGRAVITY;  // acceleration last applied by SELECTGRAVITY
extern bool OVER[51];     // mouse over the arrow (1 = left, 2 = right)
extern bool CLICK[51];    // left button pressed on the arrow and still down

// Level names as shown next to "GRAVITA".
extern const char* const GRAVITYNAMES[17];

// Compiles the pick list EVENTSELECTION with the two arrow quads.
void BUILDGRAVITYPICKLIST();
// Sets the current scene world's gravity for a level 0..16.
void SELECTGRAVITY(float gravity);
void VIEWTYPEGRAVITY(float x, float y, float gravity);
// Draws the arrows, steps the level while one is held, picks them for the next frame.
void GRAVITYARROWS();
void OBJSELECTON();
void OPENGL_DRAW2D();
