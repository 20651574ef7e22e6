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

void addCauseway(Mesh& mesh, Vec3 from, Vec3 to, float width) {
    // Slabs a little apart, low enough to walk over.
    constexpr float SLAB = 5.5f, JOINT = 0.5f, THICKNESS = 0.25f;
    const Vec3 run = to - from;
    const float total = length(run);
    const Vec3 d = run * (1 / total);
    for (float s = 0; s + SLAB <= total; s += SLAB + JOINT) {
        const Vec3 centre = from + d * (s + SLAB / 2);
        addTurnedBox(mesh, centre, SLAB / 2, width / 2, THICKNESS, std::atan2(d.y, d.x), INCA_WALL, INCA_WALL);
    }
}
