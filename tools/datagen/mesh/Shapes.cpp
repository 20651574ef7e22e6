#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr float TWO_PI = 2 * std::numbers::pi_v<float>;

// Newell's normal: sound for any planar polygon, whatever its first corners.
Vec3 polygonNormal(std::span<const Vec3> corners) {
    Vec3 n;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Vec3 a = corners[i], b = corners[(i + 1) % corners.size()];
        n = n + Vec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
    }
    return normalized(n);
}

void appendFan(Mesh& mesh, std::span<const Vertex> corners, MaterialId material) {
    const auto first = static_cast<std::uint16_t>(mesh.vertices.size());
    mesh.vertices.insert(mesh.vertices.end(), corners.begin(), corners.end());
    for (std::size_t i = 1; i + 1 < corners.size(); ++i)
        mesh.triangles.push_back({first, static_cast<std::uint16_t>(first + i), static_cast<std::uint16_t>(first + i + 1),
                                  material});
}

Vec3 centroid(std::span<const Vec3> points) {
    Vec3 sum;
    for (const Vec3 p : points) sum = sum + p;
    return sum * (1.0f / static_cast<float>(points.size()));
}

}  // namespace

void addFace(Mesh& mesh, std::span<const Vec3> corners, Vec3 outward, Surface surface) {
    std::vector<Vec3> ordered(corners.begin(), corners.end());
    if (dot(polygonNormal(ordered), outward) < 0) std::reverse(ordered.begin(), ordered.end());
    const Vec3 n = polygonNormal(ordered);
    // Texture axes: u runs to the right and v upwards as seen from outside;
    // level faces take x and y.
    Vec3 right = cross(-n, UP);
    right = length(right) > 1e-3f ? normalized(right) : Vec3{1, 0, 0};
    const Vec3 up = cross(n, right);
    std::vector<Vertex> vertices;
    for (const Vec3 p : ordered)
        vertices.push_back({p, dot(p, right) / surface.textureSize, dot(p, up) / surface.textureSize});
    appendFan(mesh, vertices, surface.material);
}

void addFace(Mesh& mesh, std::initializer_list<Vec3> corners, Vec3 outward, Surface surface) {
    addFace(mesh, std::span<const Vec3>(corners.begin(), corners.size()), outward, surface);
}

void addFace(Mesh& mesh, std::span<const Vertex> corners, Vec3 outward, MaterialId material) {
    std::vector<Vertex> ordered(corners.begin(), corners.end());
    std::vector<Vec3> positions;
    for (const Vertex& v : ordered) positions.push_back(v.position);
    if (dot(polygonNormal(positions), outward) < 0) std::reverse(ordered.begin(), ordered.end());
    appendFan(mesh, ordered, material);
}

void addExtrusion(Mesh& mesh, std::span<const Vec3> profile, Vec3 offset, Surface sides, Surface caps, Caps which) {
    const Vec3 middle = centroid(profile);
    const Vec3 along = normalized(offset);
    for (std::size_t i = 0; i < profile.size(); ++i) {
        const Vec3 a = profile[i], b = profile[(i + 1) % profile.size()];
        const Vec3 out = (a + b) * 0.5f - middle;
        addFace(mesh, {a, b, b + offset, a + offset}, out - along * dot(out, along), sides);
    }
    if (which == Caps::None) return;
    std::vector<Vec3> far;
    for (const Vec3 p : profile) far.push_back(p + offset);
    addFace(mesh, far, offset, caps);
    if (which == Caps::Both) addFace(mesh, profile, -offset, caps);
}

void addBox(Mesh& mesh, Vec3 min, Vec3 max, Surface sides, Surface top) {
    const Vec3 footprint[] = {{min.x, min.y, min.z}, {max.x, min.y, min.z}, {max.x, max.y, min.z}, {min.x, max.y, min.z}};
    addExtrusion(mesh, footprint, {0, 0, max.z - min.z}, sides, top, Caps::FarOnly);
}

void addTurnedBox(Mesh& mesh, Vec3 baseCentre, float halfAlong, float halfAcross, float height, float angle,
                  Surface sides, Surface top) {
    const Vec3 along = {std::cos(angle) * halfAlong, std::sin(angle) * halfAlong, 0};
    const Vec3 across = {-std::sin(angle) * halfAcross, std::cos(angle) * halfAcross, 0};
    const Vec3 footprint[] = {baseCentre - along - across, baseCentre + along - across, baseCentre + along + across,
                              baseCentre - along + across};
    addExtrusion(mesh, footprint, {0, 0, height}, sides, top, Caps::FarOnly);
}

void addRoundSolid(Mesh& mesh, const RoundSolid& solid, Surface side, Surface caps) {
    const float slant = std::hypot(solid.height, solid.bottomRadius - solid.topRadius);
    const float repeats = std::max(1.0f, std::round(TWO_PI * solid.bottomRadius / side.textureSize));
    const float vBottom = solid.base.z / side.textureSize, vTop = (solid.base.z + slant) / side.textureSize;
    const float lean = (solid.bottomRadius - solid.topRadius) / solid.height;
    std::vector<Vec3> topRing, bottomRing;
    for (int i = 0; i < solid.segments; ++i) {
        const float a0 = TWO_PI * static_cast<float>(i) / static_cast<float>(solid.segments);
        const float a1 = TWO_PI * static_cast<float>(i + 1) / static_cast<float>(solid.segments);
        const float u0 = repeats * static_cast<float>(i) / static_cast<float>(solid.segments);
        const float u1 = repeats * static_cast<float>(i + 1) / static_cast<float>(solid.segments);
        auto ring = [&](float angle, float radius, float z) {
            return solid.base + Vec3{std::cos(angle) * radius, std::sin(angle) * radius, z};
        };
        const float am = (a0 + a1) / 2;
        const Vec3 out = {std::cos(am), std::sin(am), lean};
        const Vertex b0 = {ring(a0, solid.bottomRadius, 0), u0, vBottom};
        const Vertex b1 = {ring(a1, solid.bottomRadius, 0), u1, vBottom};
        bottomRing.push_back(b0.position);
        if (solid.topRadius <= 0) {
            const Vertex apex[] = {b0, b1, {solid.base + Vec3{0, 0, solid.height}, (u0 + u1) / 2, vTop}};
            addFace(mesh, apex, out, side.material);
            continue;
        }
        const Vertex quad[] = {b0, b1, {ring(a1, solid.topRadius, solid.height), u1, vTop},
                               {ring(a0, solid.topRadius, solid.height), u0, vTop}};
        addFace(mesh, quad, out, side.material);
        topRing.push_back(ring(a0, solid.topRadius, solid.height));
    }
    if (solid.topCap && !topRing.empty()) addFace(mesh, topRing, UP, caps);
    if (solid.bottomCap) addFace(mesh, bottomRing, -UP, caps);
}

void addRoundHoleWall(Mesh& mesh, Vec3 base, float radius, float height, int segments, Surface side) {
    const float repeats = std::max(1.0f, std::round(TWO_PI * radius / side.textureSize));
    for (int i = 0; i < segments; ++i) {
        const float a0 = TWO_PI * static_cast<float>(i) / static_cast<float>(segments);
        const float a1 = TWO_PI * static_cast<float>(i + 1) / static_cast<float>(segments);
        const float u0 = repeats * static_cast<float>(i) / static_cast<float>(segments);
        const float u1 = repeats * static_cast<float>(i + 1) / static_cast<float>(segments);
        const Vec3 p0 = base + Vec3{std::cos(a0) * radius, std::sin(a0) * radius, 0};
        const Vec3 p1 = base + Vec3{std::cos(a1) * radius, std::sin(a1) * radius, 0};
        const Vec3 h = {0, 0, height};
        const float v0 = base.z / side.textureSize, v1 = (base.z + height) / side.textureSize;
        const Vertex quad[] = {{p0, u0, v0}, {p1, u1, v0}, {p1 + h, u1, v1}, {p0 + h, u0, v1}};
        const float am = (a0 + a1) / 2;
        addFace(mesh, quad, {-std::cos(am), -std::sin(am), 0}, side.material);
    }
}

void addHeightGrid(Mesh& mesh, const HeightGrid& grid, const std::function<float(float x, float y)>& height,
                   const std::function<MaterialId(Vec3 centre, Vec3 normal)>& material) {
    const auto first = static_cast<std::uint16_t>(mesh.vertices.size());
    const int rowLength = grid.cellsX + 1;
    for (int j = 0; j <= grid.cellsY; ++j)
        for (int i = 0; i <= grid.cellsX; ++i) {
            const float x = grid.x0 + grid.cell * static_cast<float>(i), y = grid.y0 + grid.cell * static_cast<float>(j);
            mesh.vertices.push_back({{x, y, height(x, y)}, x / grid.textureSize, y / grid.textureSize});
        }
    auto index = [&](int i, int j) { return static_cast<std::uint16_t>(first + j * rowLength + i); };
    auto addTriangle = [&](std::uint16_t a, std::uint16_t b, std::uint16_t c) {
        const Vec3 pa = mesh.vertices[a].position, pb = mesh.vertices[b].position, pc = mesh.vertices[c].position;
        const Vec3 normal = normalized(cross(pb - pa, pc - pa));
        mesh.triangles.push_back({a, b, c, material((pa + pb + pc) * (1.0f / 3), normal)});
    };
    for (int j = 0; j < grid.cellsY; ++j)
        for (int i = 0; i < grid.cellsX; ++i) {
            // Counter-clockwise from above.
            addTriangle(index(i, j), index(i + 1, j), index(i + 1, j + 1));
            addTriangle(index(i, j), index(i + 1, j + 1), index(i, j + 1));
        }
}
