#pragma once
// How the tested solids are made of quads, shared by the tests and the drawing
// so that a scene shows exactly the surfaces it tests. A quad A, B, C, D is the
// triangle strip (A, B, C) + (C, B, D).
#include "KEVA_Collision/CollisionVector.h"

#include <array>
#include <cstdint>

namespace collision {

struct Quad {
    TGLVector A, B, C, D;
};

// A solid's placement: a local point p lands at POS + VECROT(p, ROT).
struct Placement {
    TGLVector POS, ROT;
};

// A placement with its turn worked out once, to place many points alike.
struct Frame {
    TGLVector POS;
    Turn TURN;
};
Frame FRAMEOF(const Placement& place);
TGLVector PLACE(const Frame& frame, const TGLVector& p);
Quad PLACE(const Frame& frame, const Quad& quad);

// The six faces of the box between two corners, in the order they are tested
// and drawn: z = z2, z = z1, y = y2, y = y1, x = x2, x = x1.
std::array<Quad, 6> CUBEFACES(float x1, float y1, float z1, float x2, float y2, float z2);

// A morph cone: axis along local y, a ring of radius R2 at y = 0 and one of
// radius R1 at y = H, NUMPOINTS segments.
struct MorphCone {
    std::int32_t NUMPOINTS;
    float R1, R2, H;
};

// Side quad k (0 .. NUMPOINTS) of a cone with NUMPOINTS >= 1. Quad 0 joins angle
// 0 to the full turn: a sliver along the seam.
Quad MORPHCONESIDE(const MorphCone& cone, std::int32_t k);

// Calls `visit` on side quads 0 .. NUMPOINTS in order until it answers true;
// answers whether one did. A cone with no segments has no side quads.
template <typename Visit>
bool ANYMORPHCONESIDE(const MorphCone& cone, Visit visit) {
    for (std::int32_t k = 0; cone.NUMPOINTS >= 1 && k <= cone.NUMPOINTS; ++k)
        if (visit(MORPHCONESIDE(cone, k))) return true;
    return false;
}

// One of the three morph cones a cylinder is made of, with its own placement.
struct PlacedCone {
    Placement PLACE;
    MorphCone CONE;
};

// A cylinder of radius R and height H along local y: top cap, side, bottom cap.
std::array<PlacedCone, 3> CYLINDERPARTS(const Placement& place, std::int32_t numpoints, float r, float h);

}  // namespace collision
