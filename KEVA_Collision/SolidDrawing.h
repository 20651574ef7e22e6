#pragma once
// Draws the solids exactly as the overlap tests see them, one QUAD per quad.
// Colour, material and texture are the caller's.
#include "base/GLTypes.h"

#include <cstdint>

namespace collision {

// The placed quad, drawn with face culling off; culling is on afterwards.
void RENDERQUAD(const TGLVector& pos, const TGLVector& rot, const TGLVector& a, const TGLVector& b, const TGLVector& c,
                const TGLVector& d);
// The six faces of the box between (x1, y1, z1) and (x2, y2, z2).
void RENDERCUBE(const TGLVector& pos, const TGLVector& rot, float x1, float y1, float z1, float x2, float y2, float z2);
// The side quads of a morph cone (radius r2 at its base, r1 at height h).
void RENDERMORPHCONE(const TGLVector& pos, const TGLVector& rot, std::int32_t numpoints, float r1, float r2, float h);
// Top cap, side and bottom cap of a cylinder.
void RENDERCYLINDER(const TGLVector& pos, const TGLVector& rot, std::int32_t numpoints, float r, float h);

}  // namespace collision
