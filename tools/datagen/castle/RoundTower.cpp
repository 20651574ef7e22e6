// Round towers: a stone drum with arrow slits, a corbelled band under the
// eaves, a conical roof of tiles, and a banner on top if asked.
#include "CastleParts.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int SEGMENTS = 24;
constexpr float CORBEL = 0.9f;     // the band stands out this far
constexpr float EAVES = 1.8f;      // the roof reaches this far past the drum
constexpr float ROOF_PITCH = 1.5f;  // roof height per unit of its radius
constexpr int SLITS = 4;

}  // namespace

void addRoundTower(Mesh& mesh, const RoundTower& t) {
    addRoundSolid(mesh, {t.base, t.radius, t.radius, t.height, SEGMENTS}, MASONRY, MASONRY);
    const float bandBottom = t.height - 1.2f, eaveHeight = t.height + 0.8f;
    addRoundSolid(mesh, {t.base + Vec3{0, 0, bandBottom}, t.radius + CORBEL, t.radius + CORBEL, eaveHeight - bandBottom, SEGMENTS,
                         false, true},
                  MASONRY, MASONRY);
    const float roofRadius = t.radius + EAVES;
    addRoundSolid(mesh, {t.base + Vec3{0, 0, eaveHeight}, roofRadius, 0, roofRadius * ROOF_PITCH, SEGMENTS, false, true}, TILES,
                  PLANKS);
    for (int i = 0; i < SLITS; ++i) {
        const float a = std::numbers::pi_v<float> * (0.25f + 0.5f * static_cast<float>(i));
        const Vec3 facing = {std::cos(a), std::sin(a), 0};
        addSlit(mesh, t.base + facing * t.radius + Vec3{0, 0, t.height * 0.5f}, facing, 3.5f);
    }
    if (t.banner) addBanner(mesh, t.base + Vec3{0, 0, eaveHeight + roofRadius * ROOF_PITCH - 0.5f}, 6, 3.5f);
}

Mesh roundTowerMesh(const char* name, const RoundTower& tower) {
    Mesh mesh{name, {}, {}};
    addRoundTower(mesh, tower);
    return mesh;
}

void addBanner(Mesh& mesh, Vec3 foot, float poleHeight, float size) {
    addTurnedBox(mesh, foot, 0.15f, 0.15f, poleHeight, 0, PLANKS, PLANKS);
    const Vec3 top = foot + Vec3{0.15f, 0, poleHeight - 0.3f};
    const float height = size * 0.6f;
    addFace(mesh, {top - Vec3{0, 0, height}, top + Vec3{size, 0, -height * 0.8f}, top + Vec3{size, 0, 0}, top}, {0, 1, 0}, CLOTH);
}
