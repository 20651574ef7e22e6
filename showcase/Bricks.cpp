#include "showcase/Bricks.h"

#include <cmath>
#include <numbers>

TGLVector SIZE8;
float DIST8 = 0;
std::int32_t NUM8 = 0;
float R8 = 0;

namespace {

// A brick lying along x, and one lying along z (as in the towers).
TGLVector brickAlongX() { return GLVECTOR(SIZE8.X, SIZE8.Y, SIZE8.Y); }
TGLVector brickAlongZ() { return GLVECTOR(SIZE8.Y, SIZE8.Y, SIZE8.X); }

float courseY(std::int32_t level, bool odd) {
    return 2 * COURSEHEIGHT() * static_cast<float>(level) + (odd ? COURSEHEIGHT() : 0) + 0.6f;
}

}  // namespace

void SETSTANDARDBRICKS() {
    SIZE8 = GLVECTOR(1, 0.5f, SIZE8.Z);
    DIST8 = 0.01f;
    NUM8 = 19;
    R8 = static_cast<float>(NUM8) / 3 + SIZE8.X / 3;
}

float BRICKPITCH() { return 2 * (DIST8 + SIZE8.X); }
float COURSEHEIGHT() { return 2 * SIZE8.Y + DIST8; }

void ADDBRICKCOURSE(NewtonWorld* world, std::vector<PHY_Box>& bricks, const BrickCourse& course, std::int32_t level,
                    bool odd, float mass) {
    const float y = courseY(level, odd);
    for (std::int32_t k = course.firstK; k <= course.lastK; ++k) {
        const float along = BRICKPITCH() * static_cast<float>(k) + (odd ? BRICKPITCH() / 2 : 0) + course.start;
        const bool alongX = course.axis == CourseAxis::X;
        const TGLVector pos = alongX ? GLVECTOR(along, y, course.across) : GLVECTOR(course.across, y, along);
        bricks.emplace_back().SETBOX(world, pos, GLVECTOR(0, 0, 0), alongX ? brickAlongX() : brickAlongZ(), mass);
    }
}

void ADDBRICKWALL(NewtonWorld* world, std::vector<PHY_Box>& bricks, const BrickCourse& even, const BrickCourse& odd,
                  std::int32_t levels, float mass) {
    for (std::int32_t level = 0; level < levels; ++level) {
        ADDBRICKCOURSE(world, bricks, even, level, false, mass);
        ADDBRICKCOURSE(world, bricks, odd, level, true, mass);
    }
}

void ADDBRICKTOWER(NewtonWorld* world, std::vector<PHY_Box>& bricks, float centreX, float centreZ, std::int32_t levels,
                   float mass) {
    // The odd courses sit 360 radians further round the ring (about 106.5
    // degrees) and their bricks turn by 720 / 2.6 / 2.6 degrees to lie along it.
    const float oddShift = 360;
    const float oddTurn = 720 / 2.6f / 2.6f;
    const float step = 360.0f / static_cast<float>(NUM8);
    for (std::int32_t j = 0; j < NUM8; ++j) {
        const float a = 2 * std::numbers::pi_v<float> * static_cast<float>(j) / static_cast<float>(NUM8);
        const float turn = -step * static_cast<float>(j);
        for (std::int32_t level = 0; level < levels; ++level)
            bricks.emplace_back().SETBOX(
                world, GLVECTOR(R8 * std::cos(a) + centreX, courseY(level, false), R8 * std::sin(a) + centreZ),
                GLVECTOR(0, turn, 0), brickAlongZ(), mass);
        for (std::int32_t level = 0; level < levels; ++level)
            bricks.emplace_back().SETBOX(world,
                                         GLVECTOR(R8 * std::cos(a + oddShift) + centreX, courseY(level, true),
                                                  R8 * std::sin(a + oddShift) + centreZ),
                                         GLVECTOR(0, turn - oddTurn, 0), brickAlongZ(), mass);
    }
}
