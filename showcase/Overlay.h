#pragma once
// The 2D overlay drawn at the end of every frame: the logo, and the gravity
// level's name (with "PAUSA" below it while the world is paused) while a scene
// runs, or "Selezionare un demo" on the start screen.

// Draws the name of a whole gravity level at (x, y); nothing for other values.
void VIEWTYPEGRAVITY(float x, float y, float gravity);
void OPENGL_DRAW2D();
