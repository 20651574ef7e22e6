// The ground of the castle: meadow over the whole floor and a road of trodden
// earth from the outer gate through the inner one into the ward.
#include "CastleParts.h"

#include "../mesh/Tiles.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float MEADOW_X = 250, MEADOW_FRONT = -120, MEADOW_BACK = 870;
constexpr float ROAD_HALF_WIDTH = 6;
constexpr float ROAD_END = 150;  // the road runs from the outer gate into the middle of the inner ward
constexpr float TILE = 60;  // large level faces are cut into tiles of at most this size

void addLevelPatch(Mesh& mesh, float x0, float x1, float y0, float y1, Surface surface) {
    const int nx = std::max(1, static_cast<int>(std::ceil((x1 - x0) / TILE)));
    const int ny = std::max(1, static_cast<int>(std::ceil((y1 - y0) / TILE)));
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            const float ax = x0 + (x1 - x0) * static_cast<float>(i) / static_cast<float>(nx);
            const float bx = x0 + (x1 - x0) * static_cast<float>(i + 1) / static_cast<float>(nx);
            const float ay = y0 + (y1 - y0) * static_cast<float>(j) / static_cast<float>(ny);
            const float by = y0 + (y1 - y0) * static_cast<float>(j + 1) / static_cast<float>(ny);
            addFace(mesh, {{ax, ay, GROUND_LEVEL}, {bx, ay, GROUND_LEVEL}, {bx, by, GROUND_LEVEL}, {ax, by, GROUND_LEVEL}}, UP,
                    surface);
        }
}

}  // namespace

std::vector<Mesh> castleGroundMeshes() {
    Mesh mesh{"Ground", {}, {}};
    const float road = ROAD_HALF_WIDTH;
    addLevelPatch(mesh, -MEADOW_X, -road, MEADOW_FRONT, MEADOW_BACK, MEADOW);
    addLevelPatch(mesh, road, MEADOW_X, MEADOW_FRONT, MEADOW_BACK, MEADOW);
    addLevelPatch(mesh, -road, road, ROAD_END, MEADOW_BACK, MEADOW);
    addLevelPatch(mesh, -road, road, MEADOW_FRONT, ROAD_END, TRODDEN);
    // Tiles of at most 165 units a side over the square that holds the meadow.
    constexpr float SIDE = MEADOW_BACK - MEADOW_FRONT;
    return splitIntoTiles(mesh, -SIDE / 2, MEADOW_FRONT, SIDE, 6, "Ground");
}
