// The Inca city: a lawn plaza with a stepped temple at its far end, terraces
// climbing on one side and falling to the valley on the other, stone houses on
// the upper terraces, all inside a ring of peaks. The player starts on the
// plaza above (20, -24) and first looks towards -y, at the temple.
#include "../Sceneries.h"
#include "IncaParts.h"

#include <string>
#include <utility>

namespace {

constexpr float TERRACE_RISE = 4;
constexpr Platform PLAZA = {-15, 55, -160, 40, PLAZA_LEVEL};
constexpr Vec3 EAST = {1, 0, 0}, NORTH = {0, 1, 0}, SOUTH = {0, -1, 0}, WEST = {-1, 0, 0};

struct PlatformPart {
    const char* name;
    Platform platform;
    std::vector<Stairs> stairs;
};

// Stairs that end at `top` on the edge at `edge` (x for east-going, y for north-going).
Stairs stairsUpTo(float edge, float across, float top, float rise, Vec3 direction) {
    Stairs s = incaStairs({}, direction, rise);
    const float foot = edge - s.run * static_cast<float>(s.steps);
    s.foot = direction.x != 0 ? Vec3{foot, across, top - rise} : Vec3{across, foot, top - rise};
    return s;
}

std::vector<PlatformPart> platforms() {
    const float plaza = PLAZA_LEVEL, r = TERRACE_RISE;
    return {
        // Terraces climbing east of the plaza, each nested in the one below.
        {"TerraceE1", {55, 160, -160, 150, plaza + r}, {stairsUpTo(55, -10, plaza + r, r, EAST)}},
        {"TerraceE2", {75, 160, -160, 150, plaza + 2 * r}, {stairsUpTo(75, -30, plaza + 2 * r, r, EAST)}},
        {"TerraceE3", {95, 160, -160, 150, plaza + 3 * r}, {stairsUpTo(95, -40, plaza + 3 * r, r, EAST)}},
        {"TerraceE4", {115, 160, -160, 150, plaza + 4 * r}, {stairsUpTo(115, -90, plaza + 4 * r, r, EAST)}},
        // Terraces falling west to the valley floor; each holds the stairs up from it.
        {"TerraceW1", {-35, -15, -160, 40, plaza - r}, {stairsUpTo(-15, -40, plaza, r, EAST)}},
        {"TerraceW2", {-55, -35, -160, 40, plaza - 2 * r}, {stairsUpTo(-35, 0, plaza - r, r, EAST)}},
        {"TerraceW3", {-75, -55, -160, 40, plaza - 3 * r}, {stairsUpTo(-55, -40, plaza - 2 * r, r, EAST)}},
        {"TerraceW4",
         {-95, -75, -160, 40, plaza - 4 * r},
         {stairsUpTo(-75, 0, plaza - 3 * r, r, EAST), stairsUpTo(-95, -40, plaza - 4 * r, r, EAST)}},
        // The houses' quarter behind the plaza, and two terraces below its far end.
        {"Quarter", {-15, 55, 40, 110, plaza + r}, {stairsUpTo(40, 20, plaza + r, r, NORTH)}},
        {"QuarterUp", {-15, 55, 110, 150, plaza + 2 * r}, {stairsUpTo(110, 20, plaza + 2 * r, r, NORTH)}},
        {"TerraceS1", {-15, 55, -180, -160, plaza - 6}, {stairsUpTo(-160, 45, plaza, 6, NORTH)}},
        {"TerraceS2", {-15, 55, -200, -180, plaza - 12}, {stairsUpTo(-180, -5, plaza - 6, 6, NORTH)}},
    };
}

std::vector<House> houses() {
    const float level1 = PLAZA_LEVEL + TERRACE_RISE, level3 = PLAZA_LEVEL + 3 * TERRACE_RISE;
    const float level4 = PLAZA_LEVEL + 4 * TERRACE_RISE, ruins = PLAZA_LEVEL - TERRACE_RISE;
    return {
        // Along the plaza on the first terrace, facing it.
        {{65, -60, level1}, WEST, 22, 14, 1, true},
        {{65, -100, level1}, WEST, 22, 14, 2, true},
        {{65, 22, level1}, WEST, 22, 14, 1, false},
        // Ruins on the first terrace below the plaza.
        {{-25, -100, ruins}, EAST, 22, 14, 2, false},
        {{-25, -60, ruins}, EAST, 20, 14, 1, false},
        // The quarter behind the plaza.
        {{3, 62, level1}, SOUTH, 22, 14, 1, true},
        {{37, 62, level1}, SOUTH, 22, 14, 2, true},
        {{3, 94, level1}, SOUTH, 22, 14, 1, false},
        // Higher up the east terraces, and a long hall on the top one.
        {{105, -115, level3}, WEST, 22, 14, 1, true},
        {{105, -65, level3}, WEST, 22, 14, 2, true},
        {{105, 10, level3}, WEST, 22, 14, 1, true},
        {{137, -40, level4}, WEST, 36, 16, 3, true},
        {{137, 40, level4}, WEST, 22, 14, 1, true},
    };
}

}  // namespace

Scene incaCityScene() {
    Scene scene;
    scene.materials = incaMaterials();
    std::vector<Platform> footprints = {PLAZA};
    for (const PlatformPart& p : platforms()) footprints.push_back(p.platform);
    for (Mesh& tile : incaGround(footprints)) scene.meshes.push_back(std::move(tile));
    Mesh plaza = platformMesh("Plaza", PLAZA, {});
    addCauseway(plaza, {20, 32, PLAZA_LEVEL}, {20, -90, PLAZA_LEVEL}, 7);  // from the quarter's stairs to the temple's
    scene.meshes.push_back(std::move(plaza));
    for (const PlatformPart& p : platforms()) scene.meshes.push_back(platformMesh(p.name, p.platform, p.stairs));
    scene.meshes.push_back(templeMesh());
    scene.meshes.push_back(fountainMesh({38, -62, PLAZA_LEVEL}));
    int number = 1;
    for (const House& h : houses()) scene.meshes.push_back(incaHouseMesh(("House" + std::to_string(number++)).c_str(), h));
    scene.light = {"Sun", {120, -260, 420}, {255, 248, 235}};
    scene.camera = {"View", {20, -24, 20}, {20, -125, 14}, 35};
    return scene;
}
