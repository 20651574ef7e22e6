// Fir trees scattered over the outer ward, clear of the walls and the road.
#include "../Noise.h"
#include "CastleParts.h"

#include <cmath>

namespace {

constexpr float SPACING = 42;  // one tree at most in each square this wide
constexpr float CLEARANCE = 16;  // from walls, towers and the road

bool clear(float x, float y) {
    const bool inOuterWard = std::abs(x) < OUTER_X - CLEARANCE && y > OUTER_FRONT + CLEARANCE && y < OUTER_BACK - CLEARANCE;
    const bool inInnerWard = std::abs(x) < INNER_X + CLEARANCE && y > INNER_FRONT - 2 * CLEARANCE && y < INNER_BACK + CLEARANCE;
    const bool onRoad = std::abs(x) < CLEARANCE;
    return inOuterWard && !inInnerWard && !onRoad;
}

void addTree(Mesh& mesh, Vec3 base, float size) {
    addRoundSolid(mesh, {base, 0.6f * size, 0.5f * size, 4 * size, 6}, PLANKS, PLANKS);
    addRoundSolid(mesh, {base + Vec3{0, 0, 3 * size}, 4.5f * size, 0, 8 * size, 10, false, true}, MEADOW, MEADOW);
    addRoundSolid(mesh, {base + Vec3{0, 0, 7 * size}, 3.4f * size, 0, 7 * size, 10, false, true}, MEADOW, MEADOW);
}

}  // namespace

Mesh treesMesh() {
    Mesh mesh{"Trees", {}, {}};
    for (int j = 0; OUTER_FRONT + SPACING * static_cast<float>(j) < OUTER_BACK; ++j)
        for (int i = 0; -OUTER_X + SPACING * static_cast<float>(i) < OUTER_X; ++i) {
            const float x = -OUTER_X + SPACING * (static_cast<float>(i) + latticeValue(i, j, 301));
            const float y = OUTER_FRONT + SPACING * (static_cast<float>(j) + latticeValue(i, j, 302));
            if (latticeValue(i, j, 303) < 0.35f || !clear(x, y)) continue;
            addTree(mesh, {x, y, GROUND_LEVEL - 0.5f}, 0.8f + 0.5f * latticeValue(i, j, 304));
        }
    return mesh;
}
