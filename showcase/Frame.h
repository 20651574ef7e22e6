#pragma once
// The frame function, run once per pass of the main loop.

// Check marks, camera path, gravity arrows, shell keys, the current scene's
// viewer and the 2D overlay.
void OPENGL_DRAW();
