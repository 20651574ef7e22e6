// Terraces and the plaza: stone-faced platforms with a lawn on top, and their stairs.
#include "IncaParts.h"

#include <cmath>

namespace {

constexpr float STEP_RISE = 0.38f;  // under one world unit at the scene's scale
constexpr float STEP_RUN = 0.7f;    // about 29 degrees

}  // namespace

Stairs incaStairs(Vec3 foot, Vec3 direction, float rise) {
    const int steps = static_cast<int>(std::ceil(rise / STEP_RISE));
    return {foot, direction, 4.5f, rise, STEP_RUN, steps};
}

Mesh platformMesh(const char* name, const Platform& p, std::span<const Stairs> stairs) {
    Mesh mesh{name, {}, {}};
    addBox(mesh, {p.x0, p.y0, VALLEY_LEVEL}, {p.x1, p.y1, p.top}, INCA_WALL, INCA_LAWN);
    for (const Stairs& s : stairs) addStairs(mesh, s, INCA_WALL, INCA_WALL);
    return mesh;
}
