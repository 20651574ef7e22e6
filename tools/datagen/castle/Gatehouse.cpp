// Gatehouses: a crenellated block across the wall with a passage through it,
// flanked on the outer side by two round towers; the doors stand open against
// the passage's sides or close it.
#include "CastleParts.h"

#include <cmath>

namespace {

constexpr float HALF_WIDTH = 12, HALF_DEPTH = 7, GATEHOUSE_HEIGHT = 15;
constexpr float PASSAGE_WIDTH = 7, PASSAGE_HEIGHT = 11;  // a person's view from above clears it
constexpr float GATEHOUSE_PARAPET_HEIGHT = 2.5f;
constexpr float TOWER_RADIUS = 6, TOWER_HEIGHT = 19, TOWER_OFFSET = 14;
constexpr float DOOR_THICKNESS = 0.6f;

}  // namespace

Mesh gatehouseMesh(const char* name, Vec3 centre, Vec3 outward, bool open) {
    Mesh mesh{name, {}, {}};
    const Vec3 along = {outward.y, -outward.x, 0};
    const Opening passage = {HALF_WIDTH, PASSAGE_WIDTH, PASSAGE_WIDTH, 0, PASSAGE_HEIGHT};
    addWall(mesh, {centre - along * HALF_WIDTH, centre + along * HALF_WIDTH, GATEHOUSE_HEIGHT, 2 * HALF_DEPTH},
            {&passage, 1}, MASONRY);
    // A crenellated parapet round the top.
    const Vec3 top = centre + Vec3{0, 0, GATEHOUSE_HEIGHT};
    for (const float side : {-1.0f, 1.0f}) {
        const Vec3 edge = top + outward * (side * (HALF_DEPTH - 0.5f));
        addWall(mesh, {edge - along * HALF_WIDTH, edge + along * HALF_WIDTH, GATEHOUSE_PARAPET_HEIGHT, 1, false, false},
                crenels(2 * HALF_WIDTH, 3, 1.2f, 1.1f, GATEHOUSE_PARAPET_HEIGHT), MASONRY);
        const Vec3 end = top + along * (side * (HALF_WIDTH - 0.5f));
        addWall(mesh,
                {end - outward * (HALF_DEPTH - 1), end + outward * (HALF_DEPTH - 1), GATEHOUSE_PARAPET_HEIGHT, 1, false,
                 false},
                crenels(2 * HALF_DEPTH - 2, 3, 1.2f, 1.1f, GATEHOUSE_PARAPET_HEIGHT), MASONRY);
        addRoundTower(mesh, {centre + outward * HALF_DEPTH + along * (side * TOWER_OFFSET), TOWER_RADIUS, TOWER_HEIGHT, true});
    }
    const float halfPassage = PASSAGE_WIDTH / 2;
    if (open) {
        // Two leaves swung inwards against the passage's sides at its inner end.
        for (const float side : {-1.0f, 1.0f}) {
            const Vec3 foot = centre - outward * (HALF_DEPTH - halfPassage / 2) + along * (side * (halfPassage - DOOR_THICKNESS / 2));
            addTurnedBox(mesh, foot, halfPassage / 2, DOOR_THICKNESS / 2, PASSAGE_HEIGHT - 0.5f,
                         std::atan2(outward.y, outward.x), PLANKS, PLANKS);
        }
    } else {
        addTurnedBox(mesh, centre, DOOR_THICKNESS / 2, halfPassage, PASSAGE_HEIGHT, std::atan2(outward.y, outward.x), PLANKS, PLANKS);
    }
    return mesh;
}
