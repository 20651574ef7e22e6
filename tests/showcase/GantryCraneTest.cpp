// The gantry crane of scene 400: it stands with the hook hanging, the bridge
// runs along the rails, the trolley along the bridge up to its end stops.
#include "physics/PhysicsTestSupport.h"
#include "showcase/SceneTestSupport.h"

#include "showcase/GantryCrane.h"

#include <cmath>

namespace {

class GantryCrane : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        SELECTDEMO = 400;
        INITCRANE();
    }
    static const NewtonBody* bridge() { return NEWBOXCR1[15].NEWBODY; }
    static const NewtonBody* hook() { return NEWBOXCR1[16].NEWBODY; }
    static const NewtonBody* trolley() { return NEWCYLINDERCR1[5].NEWBODY; }
};

// The angle (radians) between the bridge's x axis and the world's.
float bridgeTurn() {
    const TGLBaseMatrix m = matrixOf(NEWBOXCR1[15].NEWBODY);
    return std::acos(std::fmin(1.0f, m[0]));
}

TEST_F(GantryCrane, StandsWithTheHookHangingAboveTheFloor) {
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDCR1), 40);
    EXPECT_EQ(NEWROPE[0].HAIR.size(), 17u);
    frames(120);
    const Vec hanging = positionOf(hook());
    EXPECT_NEAR(hanging.y, 5, 0.5f);
    EXPECT_NEAR(hanging.x, 0, 0.05f);
    EXPECT_NEAR(hanging.z, 0, 0.05f);
    EXPECT_NEAR(positionOf(bridge()).y, 24.25f, 0.05f);
    EXPECT_NEAR(positionOf(trolley()).y, 22.15f, 0.05f);
}

TEST_F(GantryCrane, WMovesTheBridgeAndTheHookAlongTheRailsOnly) {
    const Vec start = positionOf(bridge());
    press('W');
    float worstTurn = 0;
    for (int f = 0; f < 60; ++f) {
        frame();
        worstTurn = std::fmax(worstTurn, bridgeTurn());
    }
    release('W');
    const Vec moved = positionOf(bridge()) - start;
    EXPECT_LT(moved.z, -2);
    EXPECT_NEAR(moved.x, 0, 0.05f);
    EXPECT_NEAR(moved.y, 0, 0.05f);
    EXPECT_LT(worstTurn, 0.05f);
    // The hook swings after it on its rope.
    EXPECT_LT(positionOf(hook()).z, 0);
    EXPECT_LT(velocityOf(hook()).z, -1);
}

// Held against its stop, the trolley rests there instead of bumping into it
// every frame.
TEST_F(GantryCrane, XRunsTheTrolleyToItsEndStopWhereItRests) {
    press('X');
    int f = 0;
    for (; f < 300 && positionOf(trolley()).x < 12; ++f) frame();
    ASSERT_LT(f, 300) << "the trolley never reached its stop";
    for (int more = 0; more < 10; ++more) {
        frame();
        EXPECT_FLOAT_EQ(positionOf(trolley()).x, 12) << "frame " << f + more;
        EXPECT_EQ(velocityOf(trolley()).x, 0) << "frame " << f + more;
    }
}

TEST_F(GantryCrane, ReleasingTheTrolleyKeyStopsItAlongTheBridgeButNotWithIt) {
    press('W');
    press('Z');
    frames(30);
    EXPECT_LT(velocityOf(trolley()).x, -1);
    release('Z');
    frame();
    EXPECT_EQ(velocityOf(trolley()).x, 0);
    EXPECT_LT(velocityOf(trolley()).z, -1) << "it still rides with the bridge";
}

}  // namespace
