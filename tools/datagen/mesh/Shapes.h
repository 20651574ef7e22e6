#pragma once
// The solids the sceneries are built from, appended to a mesh with texture
// coordinates for every vertex. Faces are given with the side they face
// (`outward`); the corners are put counter-clockwise as seen from there.
#include "Scene.h"

#include <functional>
#include <initializer_list>
#include <span>

// The material of a face and the length in file units that one repeat of its
// texture covers. Planar faces take their texture coordinates from their world
// position, so neighbouring faces continue one another's pattern.
struct Surface {
    MaterialId material = 0;
    float textureSize = 1;
};

// A planar convex polygon.
void addFace(Mesh& mesh, std::span<const Vec3> corners, Vec3 outward, Surface surface);
void addFace(Mesh& mesh, std::initializer_list<Vec3> corners, Vec3 outward, Surface surface);
// The same with texture coordinates of its own at each corner.
void addFace(Mesh& mesh, std::span<const Vertex> corners, Vec3 outward, MaterialId material);

enum class Caps { Both, FarOnly, None };

// The solid swept by a convex polygon along `offset`: the sides and the caps (the
// far cap is the one at profile + offset).
void addExtrusion(Mesh& mesh, std::span<const Vec3> profile, Vec3 offset, Surface sides, Surface caps,
                  Caps which = Caps::Both);
// An upright box standing on min.z; its bottom is left out.
void addBox(Mesh& mesh, Vec3 min, Vec3 max, Surface sides, Surface top);
// An upright box of the given half sizes turned `angle` radians about z.
void addTurnedBox(Mesh& mesh, Vec3 baseCentre, float halfAlong, float halfAcross, float height, float angle,
                  Surface sides, Surface top);

// An upright round solid from radius `bottomRadius` at base.z to `topRadius` at
// base.z + height (a cone when the top radius is 0); its texture wraps round a
// whole number of times and runs up the slant.
struct RoundSolid {
    Vec3 base;
    float bottomRadius = 1;
    float topRadius = 1;
    float height = 1;
    int segments = 16;
    bool topCap = false, bottomCap = false;
};
void addRoundSolid(Mesh& mesh, const RoundSolid& solid, Surface side, Surface caps);
// The inside wall of a round hole (facing the axis), from base.z up by height.
void addRoundHoleWall(Mesh& mesh, Vec3 base, float radius, float height, int segments, Surface side);

// A grid of square cells with shared corners: heights from `height`, each
// triangle's material from its centre and unit normal.
struct HeightGrid {
    float x0 = 0, y0 = 0, cell = 1;
    int cellsX = 1, cellsY = 1;
    float textureSize = 1;
};
void addHeightGrid(Mesh& mesh, const HeightGrid& grid, const std::function<float(float x, float y)>& height,
                   const std::function<MaterialId(Vec3 centre, Vec3 normal)>& material);
