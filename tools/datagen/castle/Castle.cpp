// The castle: an inner ward closed by a curtain wall with round towers at its
// corners, a gatehouse, a keep, ramps up to the wall-walk, a hall and a basin;
// round it an outer ward and a lower outer wall with a shut gate. The player
// starts in the inner ward above (0, 140.6) and first looks towards -y, at the
// keep and the gatehouse.
#include "../Sceneries.h"
#include "CastleParts.h"

#include <string>

namespace {

constexpr Vec3 SOUTH = {0, -1, 0}, NORTH = {0, 1, 0}, EAST = {1, 0, 0}, WEST = {-1, 0, 0};
constexpr float GATE_HALF_WIDTH = 12;

}  // namespace

Scene castleScene() {
    Scene scene;
    scene.materials = castleMaterials();
    auto add = [&](Mesh mesh) { scene.meshes.push_back(std::move(mesh)); };
    for (Mesh& tile : castleGroundMeshes()) add(std::move(tile));

    const float x = INNER_X, front = INNER_FRONT, back = INNER_BACK, gate = GATE_HALF_WIDTH;
    add(curtainWallMesh("WallFrontW", {-x, front, 0}, {-gate, front, 0}, SOUTH));
    add(curtainWallMesh("WallFrontE", {gate, front, 0}, {x, front, 0}, SOUTH));
    add(curtainWallMesh("WallEast", {x, front, 0}, {x, back, 0}, EAST));
    add(curtainWallMesh("WallWest", {-x, back, 0}, {-x, front, 0}, WEST));
    add(curtainWallMesh("WallBack", {x, back, 0}, {-x, back, 0}, NORTH));
    const Vec3 innerCorners[] = {{-x, front, 0}, {x, front, 0}, {x, back, 0}, {-x, back, 0}};
    for (int i = 0; i < 4; ++i) add(roundTowerMesh(("Tower" + std::to_string(i + 1)).c_str(), {innerCorners[i], 8.5f, 17, true}));
    add(gatehouseMesh("Gatehouse", {0, front, 0}, SOUTH, true));
    add(keepMesh());
    add(rampsMesh());
    add(basinMesh({16, 100, GROUND_LEVEL}));
    add(hallMesh());

    const float ox = OUTER_X, ofront = OUTER_FRONT, oback = OUTER_BACK;
    add(outerWallMesh("OuterFW", {-ox, ofront, 0}, {-gate, ofront, 0}));
    add(outerWallMesh("OuterFE", {gate, ofront, 0}, {ox, ofront, 0}));
    add(outerWallMesh("OuterEast", {ox, ofront, 0}, {ox, oback, 0}));
    add(outerWallMesh("OuterWest", {-ox, oback, 0}, {-ox, ofront, 0}));
    add(outerWallMesh("OuterBack", {ox, oback, 0}, {-ox, oback, 0}));
    const Vec3 outerCorners[] = {{-ox, ofront, 0}, {ox, ofront, 0}, {ox, oback, 0}, {-ox, oback, 0}};
    for (int i = 0; i < 4; ++i) add(roundTowerMesh(("OTower" + std::to_string(i + 1)).c_str(), {outerCorners[i], 9, 16, false}));
    add(gatehouseMesh("OuterGate", {0, ofront, 0}, SOUTH, false));
    add(treesMesh());

    scene.light = {"Sun", {-250, -300, 500}, {255, 246, 230}};
    scene.camera = {"View", {0, 140.6f, 9}, {0, 40, 12}, 35};
    return scene;
}
