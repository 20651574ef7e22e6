#pragma once
// The program's life: start-up, one pass of the main loop, shut-down.

// Menu callbacks, window, loading box, GL set-up, textures, font, pick list and
// every scene built once.
void SHOWCASESTARTUP();
// Clear, handle at most one window message, draw the frame, swap.
void SHOWCASEPASS();
void SHOWCASESHUTDOWN();
