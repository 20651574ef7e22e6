// Brick walls and towers: where the courses lie, how the tower's bricks follow
// the ring, and that both stand on a floor.
#include "physics/PhysicsTestSupport.h"

#include "KEVA_Physics/PhyWorld.h"
#include "showcase/Bricks.h"

#include <algorithm>
#include <set>

namespace {

class Bricks : public PhysicsTest {
protected:
    void SetUp() override {
        PhysicsTest::SetUp();
        SETSTANDARDBRICKS();
        bricks.emplace_back().SETBOX(world, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(30, 1, 30), 0);
    }
    // The furthest any brick moves in `seconds` (the floor is record 0). The
    // bricks start a little inside the floor and rise out of it at first.
    float furthestMove(float seconds) {
        std::vector<Vec> before;
        for (std::size_t i = 1; i < bricks.size(); ++i) before.push_back(positionOf(bricks[i].NEWBODY));
        simulate(world, seconds, 0.012f);
        float furthest = 0;
        for (std::size_t i = 1; i < bricks.size(); ++i)
            furthest = std::max(furthest, length(positionOf(bricks[i].NEWBODY) - before[i - 1]));
        return furthest;
    }
    std::vector<PHY_Box> bricks;
};

// The brick's own z axis in world space.
Vec longAxis(const NewtonBody* body) { return worldPoint(body, {0, 0, 1}) - positionOf(body); }

TEST_F(Bricks, WallCoursesAlternateByHalfABrickAndTheWallStands) {
    ASSERT_FLOAT_EQ(BRICKPITCH(), 2.02f);
    ASSERT_FLOAT_EQ(COURSEHEIGHT(), 1.01f);
    ADDBRICKWALL(world, bricks, {CourseAxis::X, -20, 10, 0, 12}, {CourseAxis::X, -20, 10, 0, 11}, 6, 10);
    ADDBRICKWALL(world, bricks, {CourseAxis::Z, -13.6f, 4.8f, 1, 11}, {CourseAxis::Z, -13.6f, 4.8f, 1, 11}, 6, 10);
    ASSERT_EQ(bricks.size(), 1u + 6 * 25 + 6 * 22);

    const Vec evenFirst = positionOf(bricks[1].NEWBODY);
    const Vec oddFirst = positionOf(bricks[14].NEWBODY);
    EXPECT_NEAR(oddFirst.x - evenFirst.x, 1.01f, 1e-4f) << "odd courses are shifted by half a brick";
    EXPECT_NEAR(oddFirst.y - evenFirst.y, 1.01f, 1e-4f);
    EXPECT_NEAR(evenFirst.y, 0.6f, 1e-4f);
    EXPECT_EQ(bricks[1].SIZE.X, 1) << "bricks of a wall along x lie along x";
    EXPECT_EQ(bricks.back().SIZE.Z, 1) << "bricks of a wall along z lie along z";
    EXPECT_NEAR(positionOf(bricks.back().NEWBODY).z, 2.02f * 11 + 1.01f - 13.6f, 1e-4f);

    EXPECT_LT(furthestMove(3), 0.3f) << "the walls settle onto the floor";
    EXPECT_LT(furthestMove(2), 0.05f) << "and stand";
}

TEST_F(Bricks, TowerLaysItsBricksAlongTheRingAndStands) {
    ADDBRICKTOWER(world, bricks, 16.6f, -10.6f, 11, 10);
    ASSERT_EQ(bricks.size(), 1u + 22 * 19);
    std::set<long> heights;
    for (std::size_t i = 1; i < bricks.size(); ++i) {
        const NewtonBody* brick = bricks[i].NEWBODY;
        const Vec p = positionOf(brick);
        heights.insert(std::lround(p.y * 100));
        const Vec radial = Vec{p.x - 16.6f, 0, p.z + 10.6f};
        ASSERT_NEAR(length(radial), 20.0f / 3, 1e-3f) << "brick " << i;
        EXPECT_LT(std::fabs(dot(longAxis(brick), radial * (1 / length(radial)))), 0.01f) << "brick " << i;
    }
    EXPECT_EQ(heights.size(), 22u);

    EXPECT_LT(furthestMove(3), 0.3f) << "the tower settles onto the floor";
    EXPECT_LT(furthestMove(2), 0.05f) << "and stands";
}

}  // namespace
