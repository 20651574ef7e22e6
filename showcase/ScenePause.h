#pragma once
// Pausing the current scene's world with P and advancing it one update at a
// time with O. Drawing, the camera, the menu, R and the gravity arrows go on
// while the world stands still.

extern bool SCENEPAUSED;  // the current scene's world is paused

// Reads P and O once per frame, before the scene's viewer: each press of P
// pauses or resumes the scene; each press of O while paused lets one update
// through.
void PAUSEKEYS();
// Whether the world advances in this frame: always while the scene runs, and
// only in the frame of an O press while it is paused. Viewers ask before each
// world update and before pushes that act on every frame a key is held, so
// that a paused world neither moves nor stores up pushes for later.
bool SCENEADVANCES();
// A scene chosen in the menu starts running.
void RESUMESCENE();
