// Quad, box, morph-cone and cylinder tests, each built on the one before. Every
// solid's corners are placed once per test rather than once per triangle pair:
// the same floats as placing them inside TRIANGLEINTRIANGLE, at a fraction of
// the cost.
#include "KEVA_Collision/SolidTests.h"

#include "KEVA_Collision/SolidShapes.h"
#include "KEVA_Collision/TriangleTests.h"

namespace collision {

namespace {

using Faces = std::array<Quad, 6>;

struct WorldCone {
    Frame FRAME;
    MorphCone CONE;
};

WorldCone worldCone(const PlacedCone& cone) { return WorldCone{FRAMEOF(cone.PLACE), cone.CONE}; }

Faces worldFaces(const Placement& place, const Faces& faces) {
    const Frame frame = FRAMEOF(place);
    Faces placed;
    for (std::size_t i = 0; i < faces.size(); ++i) placed[i] = PLACE(frame, faces[i]);
    return placed;
}

bool trianglesCross(const TGLVector (&t1)[3], const TGLVector (&t2)[3]) {
    return INTERSECTIONTRIANGLES(t1[0], t1[1], t1[2], t2[0], t2[1], t2[2]) ||
           INTERSECTIONTRIANGLES(t2[0], t2[1], t2[2], t1[0], t1[1], t1[2]);
}

// Quads in world corners: the strips (A, B, C) + (C, B, D) of both.
bool quadsCross(const Quad& q1, const Quad& q2) {
    const TGLVector strip1[2][3] = {{q1.A, q1.B, q1.C}, {q1.C, q1.B, q1.D}};
    const TGLVector strip2[2][3] = {{q2.A, q2.B, q2.C}, {q2.C, q2.B, q2.D}};
    for (const auto& t1 : strip1)
        for (const auto& t2 : strip2)
            if (trianglesCross(t1, t2)) return true;
    return false;
}

template <typename Visit>
bool anyWorldSide(const WorldCone& cone, Visit visit) {
    return ANYMORPHCONESIDE(cone.CONE, [&](const Quad& side) { return visit(PLACE(cone.FRAME, side)); });
}

bool quadInCone(const Quad& quad, const WorldCone& cone) {
    return anyWorldSide(cone, [&](const Quad& side) { return quadsCross(quad, side); });
}

bool quadInCylinder(const Quad& quad, const std::array<PlacedCone, 3>& cylinder) {
    for (const PlacedCone& part : cylinder)
        if (quadInCone(quad, worldCone(part))) return true;
    return false;
}

bool quadInCube(const Quad& quad, const Faces& cube) {
    for (const Quad& face : cube)
        if (quadsCross(quad, face)) return true;
    return false;
}

bool cubeInCone(const Faces& cube, const WorldCone& cone) {
    return anyWorldSide(cone, [&](const Quad& side) { return quadInCube(side, cube); });
}

bool coneInCone(const WorldCone& cone1, const WorldCone& cone2) {
    return anyWorldSide(cone1, [&](const Quad& side) { return quadInCone(side, cone2); });
}

bool coneInCylinder(const WorldCone& cone, const std::array<PlacedCone, 3>& cylinder) {
    for (const PlacedCone& part : cylinder)
        if (coneInCone(cone, worldCone(part))) return true;
    return false;
}

}  // namespace

bool TRIANGLEINQUAD(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                    const TGLVector& c1, const TGLVector& pos2, const TGLVector& rot2, const TGLVector& a2,
                    const TGLVector& b2, const TGLVector& c2, const TGLVector& d2) {
    return TRIANGLEINTRIANGLE(pos1, rot1, a1, b1, c1, pos2, rot2, a2, b2, c2) ||
           TRIANGLEINTRIANGLE(pos1, rot1, a1, b1, c1, pos2, rot2, c2, b2, d2);
}

bool QUADINQUAD(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                const TGLVector& c1, const TGLVector& d1, const TGLVector& pos2, const TGLVector& rot2,
                const TGLVector& a2, const TGLVector& b2, const TGLVector& c2, const TGLVector& d2) {
    return quadsCross(PLACE(FRAMEOF({pos1, rot1}), Quad{a1, b1, c1, d1}),
                      PLACE(FRAMEOF({pos2, rot2}), Quad{a2, b2, c2, d2}));
}

bool QUADINCUBE(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                const TGLVector& c1, const TGLVector& d1, const TGLVector& pos2, const TGLVector& rot2, float x1,
                float y1, float z1, float x2, float y2, float z2) {
    return quadInCube(PLACE(FRAMEOF({pos1, rot1}), Quad{a1, b1, c1, d1}),
                      worldFaces({pos2, rot2}, CUBEFACES(x1, y1, z1, x2, y2, z2)));
}

bool QUADINMORPHCONE(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                     const TGLVector& c1, const TGLVector& d1, const TGLVector& pos2, const TGLVector& rot2,
                     std::int32_t numpoints, float r1, float r2, float h) {
    return quadInCone(PLACE(FRAMEOF({pos1, rot1}), Quad{a1, b1, c1, d1}),
                      WorldCone{FRAMEOF({pos2, rot2}), {numpoints, r1, r2, h}});
}

bool QUADINCYLINDER(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                    const TGLVector& c1, const TGLVector& d1, const TGLVector& pos2, const TGLVector& rot2,
                    std::int32_t numpoints, float r, float h) {
    return quadInCylinder(PLACE(FRAMEOF({pos1, rot1}), Quad{a1, b1, c1, d1}),
                          CYLINDERPARTS({pos2, rot2}, numpoints, r, h));
}

bool CUBEINMORPHCONE(const TGLVector& pos1, const TGLVector& rot1, float x1, float y1, float z1, float x2, float y2,
                     float z2, const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints, float r1, float r2,
                     float h) {
    return cubeInCone(worldFaces({pos1, rot1}, CUBEFACES(x1, y1, z1, x2, y2, z2)),
                      WorldCone{FRAMEOF({pos2, rot2}), {numpoints, r1, r2, h}});
}

bool CUBEINCYLINDER(const TGLVector& pos1, const TGLVector& rot1, float x1, float y1, float z1, float x2, float y2,
                    float z2, const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints, float r, float h) {
    const Faces cube = worldFaces({pos1, rot1}, CUBEFACES(x1, y1, z1, x2, y2, z2));
    for (const PlacedCone& part : CYLINDERPARTS({pos2, rot2}, numpoints, r, h))
        if (cubeInCone(cube, worldCone(part))) return true;
    return false;
}

bool MORPHCONEINMORPHCONE(const TGLVector& pos1, const TGLVector& rot1, std::int32_t numpoints1, float r1, float r2,
                          float h1, const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints2, float r3,
                          float r4, float h2) {
    return coneInCone(WorldCone{FRAMEOF({pos1, rot1}), {numpoints1, r1, r2, h1}},
                      WorldCone{FRAMEOF({pos2, rot2}), {numpoints2, r3, r4, h2}});
}

bool MORPHCONEINCYLINDER(const TGLVector& pos1, const TGLVector& rot1, std::int32_t numpoints1, float r1, float r2,
                         float h1, const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints2, float r3,
                         float h2) {
    return coneInCylinder(WorldCone{FRAMEOF({pos1, rot1}), {numpoints1, r1, r2, h1}},
                          CYLINDERPARTS({pos2, rot2}, numpoints2, r3, h2));
}

bool CYLINDERINCYLINDER(const TGLVector& pos1, const TGLVector& rot1, std::int32_t numpoints1, float r1, float h1,
                        const TGLVector& pos2, const TGLVector& rot2, std::int32_t numpoints2, float r2, float h2) {
    const std::array<PlacedCone, 3> cylinder1 = CYLINDERPARTS({pos1, rot1}, numpoints1, r1, h1);
    for (const PlacedCone& part : CYLINDERPARTS({pos2, rot2}, numpoints2, r2, h2))
        if (coneInCylinder(worldCone(part), cylinder1)) return true;
    return false;
}

}  // namespace collision
