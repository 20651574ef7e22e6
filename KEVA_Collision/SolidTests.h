#pragma once
// Overlap tests of quads, boxes, morph cones and cylinders, each placed by a
// position and a rotation triple (degrees). Every test breaks the solids into
// triangles and answers true at the first pair that crosses (TRIANGLEINTRIANGLE).
// Only surfaces are compared: a solid wholly inside another is not reported,
// and neither are faces that overlap within one plane.
#include "base/GLTypes.h"

#include <cstdint>

namespace collision {

// Triangle (a1, b1, c1) against the quad's triangles (a2, b2, c2) and (c2, b2, d2).
bool TRIANGLEINQUAD(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                    const TGLVector& c1, const TGLVector& pos2, const TGLVector& rot2, const TGLVector& a2,
                    const TGLVector& b2, const TGLVector& c2, const TGLVector& d2);

bool QUADINQUAD(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                const TGLVector& c1, const TGLVector& d1, const TGLVector& pos2, const TGLVector& rot2,
                const TGLVector& a2, const TGLVector& b2, const TGLVector& c2, const TGLVector& d2);

// Quad against the six faces of the box between (x1, y1, z1) and (x2, y2, z2).
bool QUADINCUBE(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                const TGLVector& c1, const TGLVector& d1, const TGLVector& pos2, const TGLVector& rot2, float x1,
                float y1, float z1, float x2, float y2, float z2);

// Quad against the side of a morph cone (radius r2 at its base, r1 at height h).
bool QUADINMORPHCONE(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                     const TGLVector& c1, const TGLVector& d1, const TGLVector& pos2, const TGLVector& rot2,
                     std::int32_t numpoints, float r1, float r2, float h);

// Quad against a cylinder's top cap, side and bottom cap.
bool QUADINCYLINDER(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                    const TGLVector& c1, const TGLVector& d1, const TGLVector& pos2, const TGLVector& rot2,
                    std::int32_t numpoints, float r, float h);

bool CUBEINMORPHCONE(const TGLVector& pos1, const TGLVector& rot1, float x1, float y1, float z1, float x2, float y2,
                     float z2, const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints, float r1, float r2,
                     float h);

bool CUBEINCYLINDER(const TGLVector& pos1, const TGLVector& rot1, float x1, float y1, float z1, float x2, float y2,
                    float z2, const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints, float r, float h);

bool MORPHCONEINMORPHCONE(const TGLVector& pos1, const TGLVector& rot1, std::int32_t numpoints1, float r1, float r2,
                          float h1, const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints2, float r3,
                          float r4, float h2);

bool MORPHCONEINCYLINDER(const TGLVector& pos1, const TGLVector& rot1, std::int32_t numpoints1, float r1, float r2,
                         float h1, const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints2, float r3,
                         float h2);

bool CYLINDERINCYLINDER(const TGLVector& pos1, const TGLVector& rot1, std::int32_t numpoints1, float r1, float h1,
                        const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints2, float r2, float h2);

}  // namespace collision
