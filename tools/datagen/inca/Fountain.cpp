// A stone basin of water on the plaza, fed by a spout.
#include "IncaParts.h"

namespace {

constexpr float HALF_LENGTH = 6, HALF_WIDTH = 3.5f;
constexpr float RIM = 0.8f, RIM_HEIGHT = 1.6f, WATER_DEPTH = 1.2f;
constexpr Surface FOUNTAIN_WATER = {INCA_WATER, 8};

}  // namespace

Mesh fountainMesh(Vec3 c) {
    Mesh mesh{"Fountain", {}, {}};
    const float x0 = c.x - HALF_LENGTH, x1 = c.x + HALF_LENGTH, y0 = c.y - HALF_WIDTH, y1 = c.y + HALF_WIDTH;
    const float top = c.z + RIM_HEIGHT;
    addBox(mesh, {x0, y0, c.z}, {x1, y0 + RIM, top}, INCA_WALL, INCA_WALL);
    addBox(mesh, {x0, y1 - RIM, c.z}, {x1, y1, top}, INCA_WALL, INCA_WALL);
    addBox(mesh, {x0, y0 + RIM, c.z}, {x0 + RIM, y1 - RIM, top}, INCA_WALL, INCA_WALL);
    addBox(mesh, {x1 - RIM, y0 + RIM, c.z}, {x1, y1 - RIM, top}, INCA_WALL, INCA_WALL);
    // The spout: a block at the far end with a groove of water running from it.
    addBox(mesh, {x1 - RIM - 1.5f, c.y - 1, top}, {x1 - RIM, c.y + 1, top + 3.5f}, INCA_WALL, INCA_WALL);
    addFace(mesh, {{x0 + RIM, y0 + RIM, c.z + 0.2f}, {x1 - RIM, y0 + RIM, c.z + 0.2f}, {x1 - RIM, y1 - RIM, c.z + 0.2f},
                   {x0 + RIM, y1 - RIM, c.z + 0.2f}},
            UP, INCA_WALL);
    const float water = c.z + 0.2f + WATER_DEPTH;
    addFace(mesh,
            {{x0 + RIM, y0 + RIM, water},
             {x1 - RIM, y0 + RIM, water},
             {x1 - RIM, y1 - RIM, water},
             {x0 + RIM, y1 - RIM, water}},
            UP, FOUNTAIN_WATER);
    return mesh;
}
