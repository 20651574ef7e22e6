#pragma once
// Switches of the fixed pipeline that bodies and sprites are drawn with.

// Back faces culled; front faces are counter-clockwise.
void SETGLREFRACTIVE();
// Fragments with alpha 0.4 or less are discarded.
void SETGLSPRITE();
// Depth writes on, blending and the alpha test off.
void SETGLSPRITEOFF();
void SETGLFILL();
// Polygons drawn as outlines of width `size`.
void SETGLLINE(float size);
