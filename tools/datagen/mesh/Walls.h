#pragma once
// Straight walls with openings (doors, windows, the gaps of a crenellated
// parapet), and the ways up: stairs and ramps.
#include "Shapes.h"

#include <vector>

// An opening through a wall, measured along the wall from its start and up from
// its foot; narrower at the top than at the bottom makes the trapezoid of an
// Inca doorway. An opening that reaches the top of the wall leaves a gap in it.
struct Opening {
    float centre = 0;
    float bottomWidth = 1, topWidth = 1;
    float sill = 0, top = 1;
};

struct WallRun {
    Vec3 start, end;  // the middle line at the foot
    float height = 1, thickness = 1;
    bool closedStart = true, closedEnd = true;  // whether the end faces are drawn
};

void addWall(Mesh& mesh, const WallRun& wall, std::span<const Opening> openings, Surface surface);
// The same with another surface on the face to the left of the way from start to end.
void addWall(Mesh& mesh, const WallRun& wall, std::span<const Opening> openings, Surface surface, Surface leftFace);

// The gaps of a crenellated parapet `length` long: about `spacing` apart,
// `gap` wide, from `sill` up to `top`, with a merlon at either end.
std::vector<Opening> crenels(float length, float spacing, float gap, float sill, float top);

// Solid steps climbing `rise` in `steps` steps, `run` deep each, from `foot`
// along the level unit `direction`.
struct Stairs {
    Vec3 foot;
    Vec3 direction;
    float width = 1, rise = 1, run = 1;
    int steps = 1;
};
void addStairs(Mesh& mesh, const Stairs& stairs, Surface treads, Surface sides);

// A solid wedge climbing `rise` over `length` from `foot` along `direction`.
struct Ramp {
    Vec3 foot;
    Vec3 direction;
    float width = 1, length = 1, rise = 1;
};
void addRamp(Mesh& mesh, const Ramp& ramp, Surface top, Surface sides);
