// The land round the city: a level valley floor under the platforms, a hillside
// behind the upper terraces, and a ring of rocky peaks that keeps walkers in.
#include "../Canvas.h"
#include "../Noise.h"
#include "../mesh/Tiles.h"
#include "IncaParts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float HALF_SIZE = 320;  // the land spans -320..320 in x and y
constexpr int CELLS = 48;

struct Peak {
    float x, y, height, radius;
};
// Sharp summits along the rim; the lower ones ahead of the plaza stay in the first view.
constexpr Peak PEAKS[] = {
    {30, -272, 95, 30},   {-110, -285, 60, 40}, {150, -280, 70, 40}, {-265, -160, 90, 55}, {270, -140, 100, 50},
    {-275, 120, 90, 55},  {265, 190, 100, 55},  {60, 285, 85, 50},   {-150, 280, 80, 45},
};
constexpr float HIGHEST_GROUND = 290;  // the world's box ends at 320

float groundHeight(float x, float y) {
    // A rounded square norm: 1 at the middle of each edge of the land.
    const float rim = std::pow(std::pow(std::abs(x) / HALF_SIZE, 4.0f) + std::pow(std::abs(y) / HALF_SIZE, 4.0f), 0.25f);
    float h = VALLEY_LEVEL;
    h += 45 * smoothstep(130, 175, x) + 0.4f * std::max(0.0f, x - 175);  // the hill the east terraces are cut into
    h += 40 * smoothstep(120, 165, y);                                      // and the one behind the quarter
    h += 110 * smoothstep(0.76f, 1.0f, rim);
    h += 45 * ridgedNoise(x / 60, y / 60, 4, 201) * smoothstep(0.55f, 0.9f, rim);
    for (const Peak& p : PEAKS) {
        const float d2 = ((x - p.x) * (x - p.x) + (y - p.y) * (y - p.y)) / (p.radius * p.radius);
        h += p.height * std::exp(-d2);
    }
    // Gentle swells on the valley floor, none under the city.
    h += 5 * fractalNoise(x / 50, y / 50, 3, 205) * smoothstep(0.45f, 0.6f, rim);
    h = std::min(h, HIGHEST_GROUND);
    return h;
}

// Whether a triangle lies inside a platform's box (on or under its top).
bool hiddenInside(const Mesh& mesh, const Triangle& t, std::span<const Platform> platforms) {
    const auto inside = [](const Platform& p, Vec3 v) {
        return v.x >= p.x0 && v.x <= p.x1 && v.y >= p.y0 && v.y <= p.y1 && v.z <= p.top;
    };
    return std::any_of(platforms.begin(), platforms.end(), [&](const Platform& p) {
        return inside(p, mesh.vertices[t.a].position) && inside(p, mesh.vertices[t.b].position) &&
               inside(p, mesh.vertices[t.c].position);
    });
}

}  // namespace

std::vector<Mesh> incaGround(std::span<const Platform> platforms) {
    Mesh land{"Ground", {}, {}};
    const HeightGrid grid{-HALF_SIZE, -HALF_SIZE, 2 * HALF_SIZE / CELLS, CELLS, CELLS, 40};
    addHeightGrid(land, grid, groundHeight, [](Vec3 centre, Vec3 normal) -> MaterialId {
        if (normal.z < 0.82f) return INCA_ROCK;                        // steep: bare rock
        if (centre.z > 60 && normal.z < 0.93f) return INCA_ROCK;
        return INCA_GRASS;
    });
    std::erase_if(land.triangles, [&](const Triangle& t) { return hiddenInside(land, t, platforms); });
    return splitIntoTiles(land, -HALF_SIZE, -HALF_SIZE, 2 * HALF_SIZE, 6, "Land");  // tiles of 8 x 8 cells
}
