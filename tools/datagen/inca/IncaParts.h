#pragma once
// The Inca city's materials and the parts it is assembled from, each part a
// mesh of its own. Lengths are file units (the scene shows them 2.5 times as
// large); z is up and the city's plaza lies at PLAZA_LEVEL.
#include "../mesh/Shapes.h"
#include "../mesh/House.h"

#include <span>
#include <vector>

enum IncaMaterial : MaterialId {
    INCA_STONE, INCA_SHADED_STONE, INCA_GRASS, INCA_EARTH, INCA_ROCK, INCA_THATCH, INCA_WOOD, INCA_WATER, INCA_GOLD
};
std::vector<Material> incaMaterials();

// Surfaces with the size one repeat of their texture covers.
inline constexpr Surface INCA_WALL = {INCA_STONE, 8};
inline constexpr Surface INCA_INSIDE = {INCA_SHADED_STONE, 8};  // walls' inner faces
inline constexpr Surface INCA_LAWN = {INCA_GRASS, 16};
inline constexpr Surface INCA_SOIL = {INCA_EARTH, 12};
inline constexpr Surface INCA_THATCH_ROOF = {INCA_THATCH, 10};
inline constexpr Surface INCA_TIMBER = {INCA_WOOD, 5};

inline constexpr float PLAZA_LEVEL = 10;
inline constexpr float VALLEY_LEVEL = -10;  // the ground round the city, under every platform

// A level platform of stone with a lawn on top, standing on the valley floor,
// and the stairs that climb onto it.
struct Platform {
    float x0, x1, y0, y1, top;
};
Mesh platformMesh(const char* name, const Platform& platform, std::span<const Stairs> stairs);

// The land: a valley floor round the city rising to a ring of peaks, in square
// tiles, so that the program draws only the tiles in view, nearest first. The
// parts of it that lie inside the platforms, where nobody sees them, are left out.
std::vector<Mesh> incaGround(std::span<const Platform> platforms);
// A paved way of low stone slabs across a level.
void addCauseway(Mesh& mesh, Vec3 from, Vec3 to, float width);
// Stairs of steps no higher than a person steps, from `foot` up by `rise` along `direction`.
Stairs incaStairs(Vec3 foot, Vec3 direction, float rise);

// Inca houses: trapezoidal doors and windows, high thatched roofs.
Mesh incaHouseMesh(const char* name, const House& house);

// The stepped temple at the far end of the plaza, its stairs towards the plaza
// and a golden sun disc on top.
Mesh templeMesh();
// A stone basin of water on the plaza.
Mesh fountainMesh(Vec3 centre);
