#pragma once
// Houses with a gabled roof: thick walls with doors in the front and windows
// elsewhere, stone gables at both ends, a ridge beam and a roof of two slabs;
// or the walls and gables alone, as a ruin.
#include "Walls.h"

struct HouseStyle {
    Surface wall, inside, roof, timber, floor;  // inside: the inner faces of the walls, in shadow
    Opening door, window;  // their centres are set along each wall
    float wallHeight = 14, gableHeight = 8, thickness = 1.2f;
};

struct House {
    Vec3 centre;  // on its floor
    Vec3 facing;  // the level unit direction its doors face
    float width = 22, depth = 14;
    int doors = 1;
    bool roofed = true;
};

void addHouse(Mesh& mesh, const House& house, const HouseStyle& style);
