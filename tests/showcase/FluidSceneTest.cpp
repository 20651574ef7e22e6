// "Acqua e aria" (500): what it builds, which forces its callback gives a body
// in the water, in the air and outside both, and a shot sphere across a rebuild.
#include "physics/PhysicsTestSupport.h"

#include "showcase/FluidScene.h"
#include "showcase/SceneTestSupport.h"

#include <algorithm>
#include <map>

namespace {

// A small world of our own with the scene's callback.
class FluidCallback : public PhysicsTest {
protected:
    NewtonBody* brick(const Vec& at, float mass) {
        NewtonBody* body = addBox(world, at, {2, 1, 1}, mass);
        NewtonBodySetForceAndTorqueCallback(body, PHY_CREATECUBICFLUID);
        return body;
    }
};

TEST_F(FluidCallback, ABodyOutsideBothRegionsFallsUnderGravityOnce) {
    NewtonBody* outside = brick({50, 30, 0}, 10);
    simulate(world, 1.0f, 0.01f);
    EXPECT_NEAR(positionOf(outside).y, 30 - 4.905f, 0.1f);
}

TEST_F(FluidCallback, HeavyBricksSinkToThePoolFloorAndLightOnesRiseToTheSurface) {
    addBox(world, {0, -0.75f, 0}, {110, 2, 110}, 0);
    NewtonBody* heavy = brick({0, 10, 0}, 10);
    NewtonBody* light = brick({5, 10, 0}, 0.5f);
    float lightLowest = 100;
    for (int second = 0; second < 60; ++second) {
        simulate(world, 1.0f, 0.012f);
        if (second >= 40) lightLowest = std::min(lightLowest, positionOf(light).y);
    }
    EXPECT_LT(positionOf(heavy).y, 1);
    EXPECT_GT(positionOf(heavy).y, 0.5f);
    EXPECT_GT(lightLowest, 11) << "the light brick stays at the surface";
    EXPECT_LT(positionOf(light).y, 13);
}

class FluidScene : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        INITFLUID();
    }
};

TEST_F(FluidScene, AFloorAndAThousandBricksAllInTheFluidsHands) {
    ASSERT_EQ(NEWBOXFLU1.size(), 1004u);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDFLU1), 1004);
    std::map<float, int> byMass;
    for (const PHY_Box& box : NEWBOXFLU1) {
        EXPECT_EQ(NewtonBodyGetForceAndTorqueCallback(box.NEWBODY), PHY_CREATECUBICFLUID);
        ++byMass[massOf(box.NEWBODY)];
    }
    EXPECT_EQ(byMass[0], 1);
    EXPECT_EQ(byMass[10], 357 + 418);
    EXPECT_EQ(byMass[0.5f], 228);

    NewtonUpdate(NEWWORLDFLU1, 0.012f);
    ASSERT_EQ(FLUID1.size(), 2u);
    EXPECT_FLOAT_EQ(FLUID1[0].POS.Y + FLUID1[0].MAX.Y, 12);  // the water
    EXPECT_FLOAT_EQ(FLUID1[1].POS.Y + FLUID1[1].MAX.Y, 25);  // the air above it
    EXPECT_FLOAT_EQ(FLUID1[1].POS.Y + FLUID1[1].MIN.Y, 12);
}

TEST_F(FluidScene, NoBrickSinksThroughTheFloorOrLeavesThePool) {
    simulate(NEWWORLDFLU1, 3.0f, 0.012f);
    for (std::size_t i = 1; i < NEWBOXFLU1.size(); ++i) {
        const Vec p = positionOf(NEWBOXFLU1[i].NEWBODY);
        ASSERT_TRUE(finite(p)) << "brick " << i;
        EXPECT_GT(p.y, 0.2f) << "brick " << i;
        EXPECT_LT(std::max(std::fabs(p.x), std::fabs(p.z)), 35) << "brick " << i;
    }
}

TEST_F(FluidScene, AShotSphereFloatsAndARebuildDropsIt) {
    SELECTDEMO = 500;
    GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(400, 300));
    GLWNDPROC(1, WM_KEYDOWN, 'A', 0);
    for (int f = 0; f < 4; ++f) frame();
    GLWNDPROC(1, WM_KEYUP, 'A', 0);
    ASSERT_EQ(BULLETFLU1[0].SPHERE.size(), 1u);
    const PHY_Sphere& sphere = BULLETFLU1[0].SPHERE[0];
    EXPECT_EQ(NewtonBodyGetForceAndTorqueCallback(sphere.NEWBODY), PHY_CREATECUBICFLUID);
    for (int f = 0; f < 3; ++f) frame();

    GLWNDPROC(1, WM_KEYDOWN, 'R', 0);
    frame();
    GLWNDPROC(1, WM_KEYUP, 'R', 0);
    for (int f = 0; f < 3; ++f) frame();  // the sphere's world is gone: nothing may touch its body
    EXPECT_FALSE(BULLETFLU1[0].SPHERE[0].DELLIST);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDFLU1), 1004);
}

}  // namespace
