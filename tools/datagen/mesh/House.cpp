#include "House.h"

#include <vector>

namespace {

constexpr float ROOF_THICKNESS = 0.6f;
constexpr float EAVES = 1.6f;  // how far the roof reaches past the long walls
constexpr float GABLE_OVERHANG = 1.0f;
constexpr float FLOOR_LIFT = 0.15f;
constexpr float BEAM = 0.8f;

// Openings spread evenly along a wall.
std::vector<Opening> spread(Opening kind, int count, float length) {
    std::vector<Opening> openings;
    for (int i = 0; i < count; ++i) {
        kind.centre = length * static_cast<float>(i + 1) / static_cast<float>(count + 1);
        openings.push_back(kind);
    }
    return openings;
}

// A house's own frame: a along its front, f towards its front, origin on its floor.
struct HouseFrame {
    Vec3 origin, a, f;
    Vec3 at(float along, float forward, float up) const { return origin + a * along + f * forward + Vec3{0, 0, up}; }
};

// A level beam of the given half sizes along a and f.
void addBeam(Mesh& mesh, const HouseFrame& h, Vec3 bottomCentre, float halfAlong, float halfAcross, float height,
             Surface surface) {
    const Vec3 da = h.a * halfAlong, df = h.f * halfAcross;
    const Vec3 footprint[] = {bottomCentre - da - df, bottomCentre + da - df, bottomCentre + da + df, bottomCentre - da + df};
    addExtrusion(mesh, footprint, {0, 0, height}, surface, surface);
}

// The long walls (front with doors, back with windows) fit between the gable
// walls. Each wall runs with the house's inside on its left.
void addWalls(Mesh& mesh, const HouseFrame& h, const House& house, const HouseStyle& s) {
    const float inner = house.width / 2 - s.thickness, wallY = house.depth / 2 - s.thickness / 2;
    const std::vector<Opening> doors = spread(s.door, house.doors, 2 * inner);
    addWall(mesh, {h.at(inner, wallY, 0), h.at(-inner, wallY, 0), s.wallHeight, s.thickness, false, false}, doors, s.wall,
            s.inside);
    addWall(mesh, {h.at(-inner, -wallY, 0), h.at(inner, -wallY, 0), s.wallHeight, s.thickness, false, false},
            spread(s.window, 2, 2 * inner), s.wall, s.inside);
    for (const float side : {-1.0f, 1.0f}) {
        const float x = side * (house.width / 2 - s.thickness / 2);
        addWall(mesh, {h.at(x, -side * house.depth / 2, 0), h.at(x, side * house.depth / 2, 0), s.wallHeight, s.thickness},
                spread(s.window, 1, house.depth), s.wall, s.inside);
        const Vec3 gable[] = {h.at(side * house.width / 2, -house.depth / 2, s.wallHeight),
                              h.at(side * house.width / 2, house.depth / 2, s.wallHeight),
                              h.at(side * house.width / 2, 0, s.wallHeight + s.gableHeight)};
        addExtrusion(mesh, gable, h.a * (-side * s.thickness), s.wall, s.wall);
    }
    // Lintels over the doors, showing on both faces of the wall.
    for (const Opening& d : doors)
        addBeam(mesh, h, h.at(inner - d.centre, wallY, d.top - 0.1f), d.topWidth / 2 + 0.8f, s.thickness / 2 + 0.15f, BEAM,
                s.timber);
    addFace(mesh, {h.at(-inner, -house.depth / 2 + s.thickness, FLOOR_LIFT), h.at(inner, -house.depth / 2 + s.thickness, FLOOR_LIFT),
                   h.at(inner, house.depth / 2 - s.thickness, FLOOR_LIFT), h.at(-inner, house.depth / 2 - s.thickness, FLOOR_LIFT)},
            UP, s.floor);
}

void addRoof(Mesh& mesh, const HouseFrame& h, const House& house, const HouseStyle& s) {
    const float halfDepth = house.depth / 2, slope = s.gableHeight / halfDepth;
    const float ridge = s.wallHeight + s.gableHeight, start = -house.width / 2 - GABLE_OVERHANG;
    const Vec3 length = h.a * (house.width + 2 * GABLE_OVERHANG);
    for (const float side : {-1.0f, 1.0f}) {
        const float eaveY = side * (halfDepth + EAVES), eaveZ = s.wallHeight - EAVES * slope;
        const Vec3 profile[] = {h.at(start, eaveY, eaveZ), h.at(start, 0, ridge), h.at(start, 0, ridge + ROOF_THICKNESS),
                                h.at(start, eaveY, eaveZ + ROOF_THICKNESS)};
        addExtrusion(mesh, profile, length, s.roof, s.roof);
    }
    addBeam(mesh, h, h.at(0, 0, ridge - 2 * BEAM), house.width / 2 - s.thickness, BEAM / 2, 2 * BEAM, s.timber);
}

}  // namespace

void addHouse(Mesh& mesh, const House& house, const HouseStyle& style) {
    const HouseFrame h = {house.centre, {house.facing.y, -house.facing.x, 0}, house.facing};
    addWalls(mesh, h, house, style);
    if (house.roofed) addRoof(mesh, h, house, style);
}
