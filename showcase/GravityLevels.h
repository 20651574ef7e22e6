#pragma once
// The seventeen gravity levels, the level chosen with the arrows and the
// acceleration every scene's world is given from it.

extern float SETGRAVITY;  // gravity level 0..16 chosen with the arrows
extern float NEWGRAVITY;  // acceleration last applied by SELECTGRAVITY

// Level names as shown next to "GRAVITA".
extern const char* const GRAVITYNAMES[17];

// The level as an index 0..16, or -1 when the value is not a whole level.
int GRAVITYLEVEL(float gravity);
// Sets the current scene world's gravity for a level 0..16; any other value
// keeps the acceleration last applied.
void SELECTGRAVITY(float gravity);
