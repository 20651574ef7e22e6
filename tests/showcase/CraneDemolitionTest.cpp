// The demolition crane "Gru 2": what it builds, how the arm turns and how far
// the trolley runs along it.
#include "physics/PhysicsTestSupport.h"
#include "showcase/SceneTestSupport.h"

#include "showcase/CraneDemolition.h"

#include <algorithm>

namespace {

class CraneDemolition : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        INITCRANE2();
        SELECTDEMO = 401;
    }
};

const NewtonBody* arm() { return CUSTOMBOXCR2[0].CONVEXHULL.NEWBODY; }
const NewtonBody* trolley() { return NEWCYLINDERCR2[0].NEWBODY; }
Vec armAxis() { return worldPoint(arm(), {0, 0, 1}) - positionOf(arm()); }

// Where the trolley is along the arm (the arm's own z, from the mast).
float trolleyAlongArm() { return dot(positionOf(trolley()) - positionOf(arm()), armAxis()); }

// The arm's turn about y, in degrees.
float armTurn() { return std::atan2(armAxis().x, armAxis().z) * 180 / 3.14159265f; }

TEST_F(CraneDemolition, BuildsCraneWallAndTowerAndZRunsTheTrolleyToTheArmsEnd) {
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDCR2), 558);
    EXPECT_EQ(NEWBOXCR2.size(), 3u + 306u + 228u);
    ASSERT_EQ(NEWROPE2.size(), 1u);
    EXPECT_EQ(NEWROPE2[0].HAIR.size(), 17u);

    press('Z');
    for (int f = 0; f < 200 && positionOf(trolley()).z > -8.99f; ++f) frame();
    for (int f = 0; f < 20; ++f) frame();
    EXPECT_NEAR(positionOf(trolley()).z, -9, 0.05f) << "stopped at the far end of the arm";
    release('Z');
    frame();
    EXPECT_EQ(length(velocityOf(trolley())), 0) << "no key held: the trolley stops";
    const Vec ballBelowTrolley = positionOf(trolley()) - positionOf(NEWSPHERECR2[0].NEWBODY);
    EXPECT_GT(ballBelowTrolley.y, 0);
    EXPECT_LT(length(ballBelowTrolley), 18.5f) << "the ball still hangs on its rope";
}

// The world-axis pushes of Z act along the turned arm only in part; whatever
// they do, the trolley stays on the arm.
TEST_F(CraneDemolition, ArmTurnsOnlyAboutTheMastAndTheTrolleyStaysOnIt) {
    press('W');
    for (int f = 0; f < 200 && armTurn() < 60; ++f) {
        frame();
        const Vec up = worldPoint(arm(), {0, 1, 0}) - positionOf(arm());
        ASSERT_GT(up.y, 0.999f) << "frame " << f;
        ASSERT_LT(length(positionOf(arm()) - Vec{0, 25, 14}), 0.05f) << "frame " << f;
    }
    release('W');
    ASSERT_GE(armTurn(), 60);

    press('Z');
    float furthest = 0;
    for (int f = 0, atEnd = 0; f < 200 && atEnd < 20; ++f) {
        frame();
        furthest = std::min(furthest, trolleyAlongArm());
        if (furthest < TROLLEYSTOPCR2 + 0.05f) ++atEnd;
    }
    EXPECT_GE(furthest, TROLLEYSTOPCR2 - 0.05f);
    EXPECT_LT(furthest, TROLLEYSTOPCR2 + 0.05f) << "the trolley ran out to the end of the arm";
}

}  // namespace
