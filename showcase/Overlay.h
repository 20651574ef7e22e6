#pragma once
// The 2D overlay drawn at the end of every frame: the logo, and the gravity
// level's name (with "PAUSA" below it while the world is paused) while a scene
// runs, or "Selezionare un demo" on the start screen.

// Before the frame's clear: keeps the overlay's lines of text as they will be
// drawn, so that OPENGL_DRAW2D puts them as one quad each.
void KEEPOVERLAYTEXT();
void OPENGL_DRAW2D();
