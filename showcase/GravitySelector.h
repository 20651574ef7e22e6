#pragma once
// The gravity selector: two arrow buttons that step through the gravity levels
// while the left button is held on one.

constexpr int GRAVADD = 101;  // selection name of the left arrow
constexpr int GRAVSUB = 100;  // selection name of the right arrow

extern bool OVER[51];                // mouse over the arrow (1 = left, 2 = right)
extern bool CLICK[51];               // left button pressed on the arrow and still down
extern unsigned int EVENTSELECTION;  // display list with the two arrow pick quads

// Compiles the pick list EVENTSELECTION with the two arrow quads.
void BUILDGRAVITYPICKLIST();
// Draws the arrows, steps the level while one is held, picks them for the next frame.
void GRAVITYARROWS();
void OBJSELECTON();
