// What stands in the inner ward: the ramps up to the walk, a basin of water
// and the great hall.
#include "CastleParts.h"

#include <cmath>
#include <numbers>

namespace {

constexpr float RAMP_WIDTH = 6, RAMP_LENGTH = 30, LANDING = 8;  // about 18 degrees
constexpr float BASIN_RADIUS = 6, BASIN_RIM = 1, BASIN_HEIGHT = 2.2f, WATER_LEVEL = 1.6f;
constexpr int BASIN_SEGMENTS = 24;

const HouseStyle HALL = {
    MASONRY, MASONRY_INSIDE, TILES, PLANKS, PLANKS,
    {0, 6, 6, 0, 10},   // doors: a person's view from above clears them
    {0, 1.6f, 1.6f, 5, 9.5f},
    12, 7, 1.5f,
};

// A ramp along the inside of a side wall, from the ground up to the walk, and the landing beside the walk.
void addRampTo(Mesh& mesh, float x, float footY, float direction) {
    const Vec3 d = {0, direction, 0};
    addRamp(mesh, {{x, footY, 0}, d, RAMP_WIDTH, RAMP_LENGTH, WALK_HEIGHT}, PLANKS, MASONRY);
    const float y0 = footY + direction * RAMP_LENGTH, y1 = y0 + direction * LANDING;
    addBox(mesh, {x - RAMP_WIDTH / 2, std::min(y0, y1), 0}, {x + RAMP_WIDTH / 2, std::max(y0, y1), WALK_HEIGHT}, MASONRY, MASONRY);
}

// A level ring between two radii, facing up.
void addRing(Mesh& mesh, Vec3 centre, float inner, float outer, Surface surface) {
    for (int i = 0; i < BASIN_SEGMENTS; ++i) {
        const float a0 = 2 * std::numbers::pi_v<float> * static_cast<float>(i) / BASIN_SEGMENTS;
        const float a1 = 2 * std::numbers::pi_v<float> * static_cast<float>(i + 1) / BASIN_SEGMENTS;
        const Vec3 d0 = {std::cos(a0), std::sin(a0), 0}, d1 = {std::cos(a1), std::sin(a1), 0};
        addFace(mesh, {centre + d0 * inner, centre + d0 * outer, centre + d1 * outer, centre + d1 * inner}, UP, surface);
    }
}

}  // namespace

Mesh rampsMesh() {
    Mesh mesh{"Ramps", {}, {}};
    const float inside = INNER_X - 2.5f - RAMP_WIDTH / 2;  // against the curtain wall's inner face
    addRampTo(mesh, inside, 100, -1);
    addRampTo(mesh, -inside, 180, 1);
    return mesh;
}

Mesh basinMesh(Vec3 c) {
    Mesh mesh{"Basin", {}, {}};
    const float inner = BASIN_RADIUS - BASIN_RIM;
    addRoundSolid(mesh, {c, BASIN_RADIUS, BASIN_RADIUS, BASIN_HEIGHT, BASIN_SEGMENTS}, MASONRY, MASONRY);
    addRing(mesh, c + Vec3{0, 0, BASIN_HEIGHT}, inner, BASIN_RADIUS, MASONRY);
    addRoundHoleWall(mesh, c + Vec3{0, 0, 0.3f}, inner, BASIN_HEIGHT - 0.3f, BASIN_SEGMENTS, MASONRY);
    addRing(mesh, c + Vec3{0, 0, 0.3f}, 0.8f, inner, MASONRY);
    addRoundSolid(mesh, {c, 0.8f, 0.8f, 5.5f, 12}, MASONRY, MASONRY);
    addRoundSolid(mesh, {c + Vec3{0, 0, 5.5f}, 1, 2.6f, 1, 16, true}, MASONRY, MASONRY);
    addRing(mesh, c + Vec3{0, 0, WATER_LEVEL}, 0.8f, inner, WATER);
    return mesh;
}

Mesh hallMesh() {
    Mesh mesh{"Hall", {}, {}};
    addHouse(mesh, {{-25, 226, GROUND_LEVEL}, {0, -1, 0}, 50, 20, 2, true}, HALL);
    return mesh;
}
