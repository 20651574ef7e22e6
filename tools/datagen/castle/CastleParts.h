#pragma once
// The castle's materials and the parts it is assembled from, each part a mesh
// of its own. Lengths are file units (the scene shows them 3.2 times as large);
// z is up, the castle stands on z = 0 and its ground lies at GROUND_LEVEL.
#include "../mesh/House.h"

#include <vector>

enum CastleMaterial : MaterialId {
    CASTLE_STONE, CASTLE_SHADED_STONE, CASTLE_GRASS, CASTLE_EARTH, CASTLE_ROOF, CASTLE_WOOD, CASTLE_WATER, CASTLE_BANNER, CASTLE_SLIT
};
std::vector<Material> castleMaterials();

// Surfaces with the size one repeat of their texture covers.
inline constexpr Surface MASONRY = {CASTLE_STONE, 7};
inline constexpr Surface MASONRY_INSIDE = {CASTLE_SHADED_STONE, 7};  // walls' inner faces
inline constexpr Surface MEADOW = {CASTLE_GRASS, 16};
inline constexpr Surface TRODDEN = {CASTLE_EARTH, 12};
inline constexpr Surface TILES = {CASTLE_ROOF, 6};
inline constexpr Surface PLANKS = {CASTLE_WOOD, 5};
inline constexpr Surface WATER = {CASTLE_WATER, 8};
inline constexpr Surface CLOTH = {CASTLE_BANNER, 4};
inline constexpr Surface SLIT = {CASTLE_SLIT, 4};

inline constexpr float GROUND_LEVEL = 1;  // above the floor the scene lays under the castle

// The inner ward: a curtain wall round x -80..80, y 40..240 with its gate in
// the middle of the side at y = 40.
inline constexpr float INNER_X = 80, INNER_FRONT = 40, INNER_BACK = 240;
// The outer wall round x -230..230, y -105..345 keeps walkers inside.
inline constexpr float OUTER_X = 230, OUTER_FRONT = -105, OUTER_BACK = 345;
inline constexpr float WALK_HEIGHT = 10;  // top of the curtain wall's walk

// Meadow everywhere, and a road of trodden earth through both gates, in square
// tiles, so that the program draws only the tiles in view, nearest first.
std::vector<Mesh> castleGroundMeshes();

// A curtain wall from `from` to `to` (middle line at its foot): a walk on top
// and a crenellated parapet on the side facing `outward`, arrow slits below it.
Mesh curtainWallMesh(const char* name, Vec3 from, Vec3 to, Vec3 outward);
// A lower, thinner wall crenellated across its whole thickness.
Mesh outerWallMesh(const char* name, Vec3 from, Vec3 to);

// A round tower with arrow slits and a conical tiled roof, a banner on top if asked.
struct RoundTower {
    Vec3 base;
    float radius = 8, height = 17;
    bool banner = false;
};
void addRoundTower(Mesh& mesh, const RoundTower& tower);
Mesh roundTowerMesh(const char* name, const RoundTower& tower);

// A gatehouse across a wall: a crenellated block with a passage through it and
// two round towers on its outer side; the passage's doors stand open or shut.
Mesh gatehouseMesh(const char* name, Vec3 centre, Vec3 outward, bool open);

// The keep: a tall square tower with turrets at its corners and a banner.
Mesh keepMesh();
// The ramps up to the walk of the curtain wall, with landings at the top.
Mesh rampsMesh();
// A round basin of water with a column in the middle.
Mesh basinMesh(Vec3 centre);
// The great hall against the back wall of the inner ward.
Mesh hallMesh();
// Fir trees in the outer ward.
Mesh treesMesh();

// A banner on a pole standing at `foot`.
void addBanner(Mesh& mesh, Vec3 foot, float poleHeight, float size);
// Arrow slits: dark narrow boxes standing proud of a wall face.
void addSlit(Mesh& mesh, Vec3 centre, Vec3 facing, float height);
