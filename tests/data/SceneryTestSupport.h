#pragma once
// The generated sceneries as an independent reader (lib3ds) sees them, in file
// coordinates (z up), with a ray cast for asking what a walker would meet.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Point = std::array<float, 3>;

struct SceneryMesh {
    std::string name;
    std::size_t vertices = 0, texels = 0;
    std::vector<std::array<Point, 3>> triangles;
    std::vector<std::string> faceMaterials;  // one per triangle
};

struct SceneryMaterial {
    std::string name, map, bumpMap;
    float transparency = 0;
    bool twoSided = false;
};

struct Scenery {
    std::vector<SceneryMesh> meshes;
    std::vector<SceneryMaterial> materials;
    int lights = 0, cameras = 0;
};

// Nothing when lib3ds cannot read the file.
std::optional<Scenery> readWithLib3ds(const std::string& path);

struct RayHit {
    float distance;
    Point normal;  // unit, from the corners taken counter-clockwise
};
// The nearest triangle along a ray, with its normal.
std::optional<RayHit> castRay(const Scenery& scenery, Point origin, Point direction);

// Identifiers of every chunk in a 3DS file, nested chunks included, in file order.
std::vector<std::uint16_t> chunkIds(const std::vector<std::uint8_t>& file);

std::vector<std::uint8_t> readDataFile(const std::string& name);
std::string dataPath(const std::string& name);
