#include "SceneryTestSupport.h"

#include <lib3ds/file.h>
#include <lib3ds/light.h>
#include <lib3ds/camera.h>
#include <lib3ds/material.h>
#include <lib3ds/mesh.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>

namespace {

Point sub(Point a, Point b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Point cross(Point a, Point b) { return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]}; }
float dot(Point a, Point b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Chunks that hold only children, or a name and then children.
const std::set<std::uint16_t> PARENTS = {0x4D4D, 0x3D3D, 0xAFFF, 0xA010, 0xA020, 0xA030, 0xA040, 0xA050, 0xA200,
                                         0xA230, 0x4100, 0x4120, 0xB000, 0xB002};

void walk(const std::vector<std::uint8_t>& f, std::size_t begin, std::size_t end, std::vector<std::uint16_t>& ids) {
    std::size_t at = begin;
    while (at + 6 <= end) {
        const auto id = static_cast<std::uint16_t>(f[at] | f[at + 1] << 8);
        const std::size_t length = f[at + 2] | f[at + 3] << 8 | f[at + 4] << 16 | static_cast<std::size_t>(f[at + 5]) << 24;
        if (length < 6 || at + length > end) return;
        ids.push_back(id);
        std::size_t data = at + 6;
        if (id == 0x4000) {  // an object: its name, then its children
            while (data < at + length && f[data] != 0) ++data;
            walk(f, data + 1, at + length, ids);
        } else if (id == 0x4120) {  // faces: the list, then material groups and smoothing
            const std::size_t count = f[data] | f[data + 1] << 8;
            walk(f, data + 2 + 8 * count, at + length, ids);
        } else if (PARENTS.count(id) != 0) {
            walk(f, data, at + length, ids);
        }
        at += length;
    }
}

}  // namespace

std::optional<Scenery> readWithLib3ds(const std::string& path) {
    Lib3dsFile* file = lib3ds_file_load(path.c_str());
    if (file == nullptr) return std::nullopt;
    Scenery scenery;
    for (Lib3dsMesh* m = file->meshes; m != nullptr; m = m->next) {
        SceneryMesh mesh{m->name, m->points, m->texels, {}, {}};
        for (Lib3dsDword f = 0; f < m->faces; ++f) {
            std::array<Point, 3> t{};
            for (int k = 0; k < 3; ++k) {
                const float* p = m->pointL[m->faceL[f].points[k]].pos;
                t[static_cast<std::size_t>(k)] = {p[0], p[1], p[2]};
            }
            mesh.triangles.push_back(t);
            mesh.faceMaterials.emplace_back(m->faceL[f].material);
        }
        scenery.meshes.push_back(std::move(mesh));
    }
    for (Lib3dsMaterial* m = file->materials; m != nullptr; m = m->next)
        scenery.materials.push_back({m->name, m->texture1_map.name, m->bump_map.name, m->transparency, m->two_sided != 0});
    for (Lib3dsLight* l = file->lights; l != nullptr; l = l->next) ++scenery.lights;
    for (Lib3dsCamera* c = file->cameras; c != nullptr; c = c->next) ++scenery.cameras;
    lib3ds_file_free(file);
    return scenery;
}

std::optional<RayHit> castRay(const Scenery& scenery, Point origin, Point direction) {
    std::optional<RayHit> nearest;
    for (const SceneryMesh& mesh : scenery.meshes)
        for (const auto& t : mesh.triangles) {
            // Moller and Trumbore, both sides.
            const Point e1 = sub(t[1], t[0]), e2 = sub(t[2], t[0]);
            const Point p = cross(direction, e2);
            const float det = dot(e1, p);
            if (std::abs(det) < 1e-9f) continue;
            const Point s = sub(origin, t[0]);
            const float u = dot(s, p) / det;
            if (u < 0 || u > 1) continue;
            const Point q = cross(s, e1);
            const float v = dot(direction, q) / det;
            if (v < 0 || u + v > 1) continue;
            const float distance = dot(e2, q) / det;
            if (distance <= 0 || (nearest && nearest->distance <= distance)) continue;
            const Point n = cross(e1, e2);
            const float l = std::sqrt(dot(n, n));
            nearest = RayHit{distance, {n[0] / l, n[1] / l, n[2] / l}};
        }
    return nearest;
}

std::vector<std::uint16_t> chunkIds(const std::vector<std::uint8_t>& file) {
    std::vector<std::uint16_t> ids;
    walk(file, 0, file.size(), ids);
    return ids;
}

std::string dataPath(const std::string& name) { return std::string(KESTROVA_TEST_DATA) + "/" + name; }

std::vector<std::uint8_t> readDataFile(const std::string& name) {
    std::ifstream in(dataPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
