// Cutting a large mesh into tiles of the ground plane.
#include "Tiles.h"

#include <algorithm>
#include <cstdint>

std::vector<Mesh> splitIntoTiles(const Mesh& mesh, float x0, float y0, float size, int tiles, const std::string& prefix) {
    std::vector<Mesh> cut(static_cast<std::size_t>(tiles * tiles));
    std::vector<std::vector<int>> cornerInTile(cut.size(), std::vector<int>(mesh.vertices.size(), -1));
    const auto column = [&](float v, float start) {
        return std::clamp(static_cast<int>((v - start) / size * static_cast<float>(tiles)), 0, tiles - 1);
    };
    for (const Triangle& t : mesh.triangles) {
        const Vec3 first = mesh.vertices[t.a].position;
        const auto k = static_cast<std::size_t>(column(first.y, y0) * tiles + column(first.x, x0));
        Mesh& tile = cut[k];
        const auto corner = [&](std::uint16_t v) {
            int& index = cornerInTile[k][v];
            if (index < 0) {
                index = static_cast<int>(tile.vertices.size());
                tile.vertices.push_back(mesh.vertices[v]);
            }
            return static_cast<std::uint16_t>(index);
        };
        tile.triangles.push_back({corner(t.a), corner(t.b), corner(t.c), t.material});
    }
    std::erase_if(cut, [](const Mesh& tile) { return tile.triangles.empty(); });
    for (std::size_t k = 0; k < cut.size(); ++k) cut[k].name = prefix + std::to_string(k + 1);
    return cut;
}
