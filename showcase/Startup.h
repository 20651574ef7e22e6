#pragma once
// The program's life: start-up, one pass of the main loop, shut-down.

// Menu callbacks, window, loading box (unless left out), GL set-up, textures,
// font, pick list and every scene built once.
void SHOWCASESTARTUP(bool loadingBox = true);
// Overlay textures, font, gravity level and pick list, then every scene built once.
void OPENGL_CREATELIST();
// Clear, handle at most one window message, draw the frame, swap.
void SHOWCASEPASS();
void SHOWCASESHUTDOWN();
