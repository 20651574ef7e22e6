// The keep: a tall square tower on a broader plinth, crenellated on top, with
// corbelled turrets at its corners, slit windows, a wooden door towards the
// road through the ward and a great banner.
#include "CastleParts.h"

namespace {

constexpr float X0 = -33, X1 = -7, Y0 = 60, Y1 = 86;
constexpr float KEEP_HEIGHT = 30, PLINTH = 2.5f, PLINTH_OUT = 1.5f;
constexpr float KEEP_PARAPET_HEIGHT = 2.8f;
constexpr float TURRET_RADIUS = 3.6f, TURRET_BOTTOM = 24, TURRET_TOP = 36, CORBEL_HEIGHT = 4;
constexpr int TURRET_SEGMENTS = 16;

void addTurret(Mesh& mesh, Vec3 corner) {
    addRoundSolid(mesh, {corner + Vec3{0, 0, TURRET_BOTTOM - CORBEL_HEIGHT}, 0.6f, TURRET_RADIUS, CORBEL_HEIGHT, TURRET_SEGMENTS},
                  MASONRY, MASONRY);
    addRoundSolid(mesh, {corner + Vec3{0, 0, TURRET_BOTTOM}, TURRET_RADIUS, TURRET_RADIUS, TURRET_TOP - TURRET_BOTTOM,
                         TURRET_SEGMENTS},
                  MASONRY, MASONRY);
    const float roofRadius = TURRET_RADIUS + 0.8f;
    addRoundSolid(mesh, {corner + Vec3{0, 0, TURRET_TOP}, roofRadius, 0, roofRadius * 1.8f, TURRET_SEGMENTS, false, true}, TILES,
                  PLANKS);
}

}  // namespace

Mesh keepMesh() {
    Mesh mesh{"Keep", {}, {}};
    addBox(mesh, {X0 - PLINTH_OUT, Y0 - PLINTH_OUT, 0}, {X1 + PLINTH_OUT, Y1 + PLINTH_OUT, PLINTH}, MASONRY, MASONRY);
    addBox(mesh, {X0, Y0, PLINTH}, {X1, Y1, KEEP_HEIGHT}, MASONRY, MASONRY);
    const Vec3 corners[] = {{X0, Y0, KEEP_HEIGHT}, {X1, Y0, KEEP_HEIGHT}, {X1, Y1, KEEP_HEIGHT}, {X0, Y1, KEEP_HEIGHT}};
    for (int i = 0; i < 4; ++i) {
        const Vec3 a = corners[i], b = corners[(i + 1) % 4];
        const Vec3 inward = normalized(Vec3{(X0 + X1) / 2, (Y0 + Y1) / 2, KEEP_HEIGHT} - (a + b) * 0.5f);
        const Vec3 run = normalized(b - a);
        // The parapet runs between the turrets.
        const Vec3 from = a + inward * 0.5f + run * TURRET_RADIUS, to = b + inward * 0.5f - run * TURRET_RADIUS;
        addWall(mesh, {from, to, KEEP_PARAPET_HEIGHT, 1, false, false},
                crenels(length(to - from), 3, 1.3f, 1.3f, KEEP_PARAPET_HEIGHT), MASONRY);
        const Vec3 faceMiddle = (a + b) * 0.5f;
        for (const float z : {12.0f, 21.0f})
            for (const float t : {-5.0f, 5.0f}) addSlit(mesh, Vec3{faceMiddle.x, faceMiddle.y, z} + run * t, -inward, 4);
        addTurret(mesh, {a.x, a.y, 0});
    }
    // The door on the side facing the ward.
    addBox(mesh, {X1, (Y0 + Y1) / 2 - 3, PLINTH}, {X1 + 0.4f, (Y0 + Y1) / 2 + 3, PLINTH + 9}, PLANKS, PLANKS);
    addBanner(mesh, {(X0 + X1) / 2, (Y0 + Y1) / 2, KEEP_HEIGHT}, 12, 7);
    return mesh;
}
