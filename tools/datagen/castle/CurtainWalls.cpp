// The castle's walls: the curtain wall with its walk and crenellated parapet,
// the lower outer wall, and the arrow slits both carry.
#include "CastleParts.h"

#include <cmath>

namespace {

constexpr float CURTAIN_THICKNESS = 5;
constexpr float PARAPET_THICKNESS = 1, PARAPET_HEIGHT = 2.8f, CRENEL_SILL = 1.3f;
constexpr float OUTER_THICKNESS = 3, OUTER_HEIGHT = 13, OUTER_CRENEL_SILL = 11.5f;
constexpr float SLIT_SPACING = 16, SLIT_HEIGHT = 4;

// Slits along the face of a wall of the given thickness, on its `outward` side.
void addSlits(Mesh& mesh, Vec3 from, Vec3 to, Vec3 outward, float thickness, float z) {
    const Vec3 run = to - from;
    const float length = std::hypot(run.x, run.y);
    const int count = static_cast<int>(length / SLIT_SPACING);
    for (int i = 1; i < count; ++i) {
        const Vec3 onFace = from + run * (static_cast<float>(i) / static_cast<float>(count)) + outward * (thickness / 2);
        addSlit(mesh, onFace + Vec3{0, 0, z}, outward, SLIT_HEIGHT);
    }
}

}  // namespace

void addSlit(Mesh& mesh, Vec3 centre, Vec3 facing, float height) {
    const float angle = std::atan2(facing.x, -facing.y);  // the slit's width runs along the face
    addTurnedBox(mesh, centre + facing * 0.1f - Vec3{0, 0, height / 2}, 0.35f, 0.25f, height, angle, SLIT, SLIT);
}

Mesh curtainWallMesh(const char* name, Vec3 from, Vec3 to, Vec3 outward) {
    Mesh mesh{name, {}, {}};
    addWall(mesh, {from, to, WALK_HEIGHT, CURTAIN_THICKNESS, false, false}, {}, MASONRY);
    const Vec3 edge = outward * (CURTAIN_THICKNESS / 2 - PARAPET_THICKNESS / 2) + Vec3{0, 0, WALK_HEIGHT};
    const Vec3 run = to - from;
    const float length = std::hypot(run.x, run.y);
    addWall(mesh, {from + edge, to + edge, PARAPET_HEIGHT, PARAPET_THICKNESS, false, false},
            crenels(length, 3.5f, 1.5f, CRENEL_SILL, PARAPET_HEIGHT), MASONRY);
    addSlits(mesh, from, to, outward, CURTAIN_THICKNESS, WALK_HEIGHT * 0.5f);
    return mesh;
}

Mesh outerWallMesh(const char* name, Vec3 from, Vec3 to) {
    Mesh mesh{name, {}, {}};
    const Vec3 run = to - from;
    const float length = std::hypot(run.x, run.y);
    addWall(mesh, {from, to, OUTER_HEIGHT, OUTER_THICKNESS, false, false},
            crenels(length, 5, 2, OUTER_CRENEL_SILL, OUTER_HEIGHT), MASONRY);
    // Slits on both faces: the wall's outside is not known here and both are seen.
    const Vec3 side = normalized(Vec3{-run.y, run.x, 0});
    addSlits(mesh, from, to, side, OUTER_THICKNESS, OUTER_HEIGHT * 0.45f);
    addSlits(mesh, from, to, -side, OUTER_THICKNESS, OUTER_HEIGHT * 0.45f);
    return mesh;
}
