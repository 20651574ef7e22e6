// The stepped temple at the far end of the plaza: stone tiers, broad stairs
// facing the plaza, and a golden sun disc on a pedestal at the top.
#include "IncaParts.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr Vec3 CENTRE = {20, -125, PLAZA_LEVEL};
constexpr float HALF_X = 32, HALF_Y = 25;
constexpr int TIERS = 4;
constexpr float TIER_HEIGHT = 3.5f;
constexpr float INSET = 5;  // each tier is this much smaller on every side
constexpr float STAIR_WIDTH = 8;
constexpr float DISC_RADIUS = 4;
constexpr Surface GOLD = {INCA_GOLD, 4};

void addSunDisc(Mesh& mesh, Vec3 pedestalBase) {
    addBox(mesh, pedestalBase + Vec3{-2.5f, -1.5f, 0}, pedestalBase + Vec3{2.5f, 1.5f, 3}, INCA_WALL, INCA_WALL);
    const Vec3 centre = pedestalBase + Vec3{0, -0.3f, 3 + DISC_RADIUS};
    std::vector<Vec3> rim;
    constexpr int DISC_SEGMENTS = 20;
    for (int i = 0; i < DISC_SEGMENTS; ++i) {
        const float a = 2 * std::numbers::pi_v<float> * static_cast<float>(i) / DISC_SEGMENTS;
        rim.push_back(centre + Vec3{std::cos(a) * DISC_RADIUS, 0, std::sin(a) * DISC_RADIUS});
    }
    addExtrusion(mesh, rim, {0, 0.6f, 0}, GOLD, GOLD);
}

}  // namespace

Mesh templeMesh() {
    Mesh mesh{"Temple", {}, {}};
    for (int tier = 0; tier < TIERS; ++tier) {
        const float inset = INSET * static_cast<float>(tier);
        const float bottom = CENTRE.z + TIER_HEIGHT * static_cast<float>(tier);
        addBox(mesh, {CENTRE.x - HALF_X + inset, CENTRE.y - HALF_Y + inset, bottom},
               {CENTRE.x + HALF_X - inset, CENTRE.y + HALF_Y - inset, bottom + TIER_HEIGHT}, INCA_WALL, INCA_WALL);
    }
    const float rise = TIER_HEIGHT * TIERS;
    const float topFront = CENTRE.y + HALF_Y - INSET * (TIERS - 1);
    Stairs stairs = incaStairs({CENTRE.x, 0, CENTRE.z}, {0, -1, 0}, rise);
    stairs.width = STAIR_WIDTH;
    stairs.foot.y = topFront + stairs.run * static_cast<float>(stairs.steps);
    addStairs(mesh, stairs, INCA_WALL, INCA_WALL);
    addSunDisc(mesh, {CENTRE.x, CENTRE.y - 6, CENTRE.z + rise});
    return mesh;
}
