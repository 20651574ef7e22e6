#pragma once
// Mapping the mouse into the scene: unprojecting window points and picking
// named objects of a display list.
#include "base/GLTypes.h"

#include <cstdint>

// The object-space point under window point (x, y) at window depth z, with y
// counted from the top of the drawable area (as mouse positions are).
TGLVector SCREENTOWORLD(float x, float y, float z);
// The point under the latest mouse position at window depth 0.99 + depth / 2000.
TGLVector GETMOUSEINWORLD(float depth);

// Names the geometry that follows (inside a display list) for SELECTOBJID.
void ADDNAMETOOBJ(std::int32_t name);
// The name of the nearest object of display list `objname` under the 2 x 2
// pixels around (x, y), drawn through the current model-view matrix;
// 0 over empty space.
std::int32_t SELECTOBJID(std::int32_t x, std::int32_t y, std::int32_t objname);
