// The quads of boxes, morph cones and cylinders.
#include "KEVA_Collision/SolidShapes.h"

#include <cmath>

namespace collision {

Frame FRAMEOF(const Placement& place) { return Frame{place.POS, TURNOF(place.ROT)}; }

TGLVector PLACE(const Frame& frame, const TGLVector& p) { return VECADD(frame.POS, TURN(frame.TURN, p)); }

Quad PLACE(const Frame& frame, const Quad& quad) {
    return Quad{PLACE(frame, quad.A), PLACE(frame, quad.B), PLACE(frame, quad.C), PLACE(frame, quad.D)};
}

std::array<Quad, 6> CUBEFACES(float x1, float y1, float z1, float x2, float y2, float z2) {
    return {{
        {{x2, y1, z2}, {x1, y1, z2}, {x2, y2, z2}, {x1, y2, z2}},
        {{x1, y2, z1}, {x1, y1, z1}, {x2, y2, z1}, {x2, y1, z1}},
        {{x1, y2, z2}, {x1, y2, z1}, {x2, y2, z2}, {x2, y2, z1}},
        {{x2, y1, z1}, {x1, y1, z1}, {x2, y1, z2}, {x1, y1, z2}},
        {{x2, y2, z1}, {x2, y1, z1}, {x2, y2, z2}, {x2, y1, z2}},
        {{x1, y1, z2}, {x1, y1, z1}, {x1, y2, z2}, {x1, y2, z1}},
    }};
}

namespace {

// The ring point of radius r at height y and angle theta, turning from x towards -z.
TGLVector ringPoint(float r, float y, float theta) {
    return GLVECTOR(r * std::cos(-double(theta)), y, r * std::sin(-double(theta)));
}

// Angle k of n, rounded to a float as the corners always were.
float segmentAngle(std::int32_t k, std::int32_t n) { return static_cast<float>(2 * M_PI * k / n); }

}  // namespace

Quad MORPHCONESIDE(const MorphCone& cone, std::int32_t k) {
    const float theta = segmentAngle(k, cone.NUMPOINTS);
    const float previous = segmentAngle(k == 0 ? cone.NUMPOINTS : k - 1, cone.NUMPOINTS);
    return Quad{ringPoint(cone.R1, cone.H, theta), ringPoint(cone.R2, 0, theta), ringPoint(cone.R1, cone.H, previous),
                ringPoint(cone.R2, 0, previous)};
}

std::array<PlacedCone, 3> CYLINDERPARTS(const Placement& place, std::int32_t numpoints, float r, float h) {
    const Placement top{VECADD(place.POS, VECROT(TGLVector{0, h, 0}, place.ROT)), place.ROT};
    const MorphCone cap{numpoints, 0, r, 0};
    return {{{top, cap}, {place, MorphCone{numpoints, r, r, h}}, {place, cap}}};
}

}  // namespace collision
