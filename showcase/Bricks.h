#pragma once
// Brick walls and round brick towers, shared by the scenes that build them:
// the brick sizes and gap, the pitches that follow from them, a course of bricks
// along x or z, a wall of such courses, and tower A (a ring of bricks per course).
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "base/GLTypes.h"

#include <cstdint>
#include <vector>

// Set by each scene before it builds: brick half sizes (X along the brick, Y
// across and upwards), the gap between bricks, bricks per tower course and the
// tower's radius.
extern TGLVector SIZE8;
extern float DIST8;
extern std::int32_t NUM8;
extern float R8;

// The bricks every scene builds with: half sizes (1, 0.5), gap 0.01, and 19
// bricks a tower course on a ring of radius NUM8 / 3 + SIZE8.X / 3 = 20/3.
void SETSTANDARDBRICKS();

// W: from one brick of a course to the next. H: from one course to the next.
float BRICKPITCH();
float COURSEHEIGHT();

enum class CourseAxis { X, Z };

// One course of bricks k = firstK .. lastK of mass `mass`, lying along `axis` at
// W k + start (plus W / 2 on odd courses), with the other horizontal coordinate
// `across`. Even course `level` stands at height 2 H level + 0.6, the odd one
// of the same level H higher.
struct BrickCourse {
    CourseAxis axis;
    float start;
    float across;
    std::int32_t firstK;
    std::int32_t lastK;
};
void ADDBRICKCOURSE(NewtonWorld* world, std::vector<PHY_Box>& bricks, const BrickCourse& course, std::int32_t level,
                    bool odd, float mass);

// A wall: levels 0 .. levels - 1, each an even course and the odd one above it.
void ADDBRICKWALL(NewtonWorld* world, std::vector<PHY_Box>& bricks, const BrickCourse& even, const BrickCourse& odd,
                  std::int32_t levels, float mass);

// Tower A: NUM8 bricks a course on a ring of radius R8 round (centreX, centreZ),
// each laid along the ring, for levels 0 .. levels - 1 of each course kind; the
// odd courses are turned on by about half a brick.
void ADDBRICKTOWER(NewtonWorld* world, std::vector<PHY_Box>& bricks, float centreX, float centreZ, std::int32_t levels,
                   float mass);
