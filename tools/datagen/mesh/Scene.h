#pragma once
// A scene as the generator writes it into a 3DS file: materials, triangle meshes
// in world coordinates (file units, z up), one light and one camera.
#include "Vec3.h"

#include <cstdint>
#include <string>
#include <vector>

using MaterialId = std::uint16_t;  // index into Scene::materials

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct Material {
    std::string name;  // at most 10 characters
    Rgb ambient, diffuse, specular;
    bool floatDiffuse = false;  // diffuse stored as three floats instead of three bytes
    int shininessPercent = 0;
    int transparencyPercent = 0;
    bool twoSided = false;
    std::string textureMap;  // 8.3 file name in lower case; empty for none
    std::string bumpMap;
    int bumpPercent = 0;
};

struct Vertex {
    Vec3 position;
    float u = 0, v = 0;
};

// Corners counter-clockwise seen from outside.
struct Triangle {
    std::uint16_t a = 0, b = 0, c = 0;
    MaterialId material = 0;
};

struct Mesh {
    std::string name;  // at most 10 characters
    std::vector<Vertex> vertices;
    std::vector<Triangle> triangles;
};

struct Light {
    std::string name;
    Vec3 position;
    Rgb colour;
};

struct Camera {
    std::string name;
    Vec3 position, target;
    float lens = 35;  // millimetres
};

struct Scene {
    std::vector<Material> materials;
    std::vector<Mesh> meshes;
    Light light;
    Camera camera;
};
