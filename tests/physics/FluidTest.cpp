// Water and air regions: which bodies they take, the forces they apply and the
// surface they give the engine's buoyancy.
#include <cmath>
#include <set>

#include "KEVA_Physics/PhyFluid.h"
#include "KEVA_Physics/PhyRandom.h"
#include "PhysicsTestSupport.h"

namespace {

// A pool 70 wide from y = -1 to 12 with 13 units of air above it.
const TGLVector kOrigin = GLVECTOR(0, 0, 0);
const TGLVector kAirOrigin = GLVECTOR(0, 13, 0);
const TGLVector kLow = GLVECTOR(-35, -1, -35);
const TGLVector kHigh = GLVECTOR(35, 12, 35);

class Fluid : public PhysicsTest {
protected:
    bool intoWater(const NewtonBody* body, float density = 1.5f, float viscosity = 0.8f) {
        return water.CREATECUBICFLUID(body, kOrigin, kLow, kHigh, density, viscosity);
    }
    bool intoAir(const NewtonBody* body) { return air.CREATECUBICAIRFLUID(body, kAirOrigin, kLow, kHigh); }
    static Vec forceOn(const NewtonBody* body) {
        Vec f;
        NewtonBodyGetForce(body, &f.x);
        return f;
    }
    static Vec torqueOn(const NewtonBody* body) {
        Vec t;
        NewtonBodyGetTorque(body, &t.x);
        return t;
    }
    PHY_Fluid water;
    PHY_Fluid air;
};

TEST_F(Fluid, EachRegionPutsTheSurfaceAtItsTopFace) {
    NewtonBody* brick = addBox(world, {0, 5, 0}, {2, 1, 1}, 10);
    intoWater(brick);
    intoAir(brick);
    const TGLBaseMatrix place = identityAt({3, 5, -2});
    for (const auto& [region, top] : {std::pair{&water, 12.0f}, std::pair{&air, 25.0f}}) {
        dFloat plane[4] = {NAN, NAN, NAN, NAN};
        PHY_GETCOLLISIONREPULSION(0, region, place.data(), plane);
        const auto height = [&](float x, float y, float z) {
            return plane[0] * x + plane[1] * y + plane[2] * z + plane[3];
        };
        EXPECT_FLOAT_EQ(height(-30, top, 20), 0);
        EXPECT_FLOAT_EQ(height(0, top + 1, 0), 1);  // unit normal, pointing out of the fluid
        EXPECT_FLOAT_EQ(height(0, top - 1, 0), -1);
    }
    dFloat plane[4] = {NAN, NAN, NAN, NAN};
    PHY_GETCOLLISIONREPULSION(0, nullptr, place.data(), plane);
    for (dFloat component : plane) EXPECT_TRUE(std::isfinite(component));
}

TEST_F(Fluid, ABodyWhoseCentreIsOnAFaceIsOutsideAndGetsNothing) {
    for (const Vec& centre : {Vec{35, 5, 0}, Vec{0, 12, 0}, Vec{0, -1, 0}, Vec{-35, 5, 0}, Vec{0, 5, 35}}) {
        NewtonBody* brick = addBox(world, centre, {2, 1, 1}, 10);
        PHY_Fluid region;
        EXPECT_FALSE(region.CREATECUBICFLUID(brick, kOrigin, kLow, kHigh, 1.5f, 0.8f));
        EXPECT_TRUE(region.DELLIST);  // the region shows even when the body is not in it
        EXPECT_FLOAT_EQ(length(forceOn(brick)), 0);
        EXPECT_FALSE(region.CREATECUBICAIRFLUID(brick, kOrigin, kLow, kHigh));
        EXPECT_FLOAT_EQ(length(forceOn(brick)), 0);
        NewtonDestroyBody(world, brick);
    }
    NewtonBody* inside = addBox(world, {34.9f, 11.9f, -34.9f}, {0.1f, 0.1f, 0.1f}, 1);
    EXPECT_TRUE(intoWater(inside));
}

TEST_F(Fluid, WithoutGravityABodyInWaterGetsNoForce) {
    PHY_SETGRAVITYFORCE(0, 0, 0);
    NewtonBody* brick = addBox(world, {0, 4, 0}, {2, 1, 1}, 10);
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(intoWater(brick));
        EXPECT_FLOAT_EQ(length(forceOn(brick)), 0);
        EXPECT_FLOAT_EQ(length(torqueOn(brick)), 0);
    }
}

// With neither lift nor drag, what the water applies is its jitter alone: a
// share of the weight that flickers from update to update, upwards on average.
TEST_F(Fluid, TheWaterJitterFlickersAndLiftsAFifthOfTheWeightOnAverage) {
    RANDOMSEED(15);
    const float mass = 3;
    const float weight = mass * 9.81f;
    NewtonBody* brick = addBox(world, {0, 4, 0}, {2, 1, 1}, mass);
    std::set<long> shares;
    double sum = 0;
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
        ASSERT_TRUE(intoWater(brick, 0, 0));
        const Vec force = forceOn(brick);
        EXPECT_FLOAT_EQ(force.x, 0);
        sum += force.y;
        shares.insert(std::lround(force.y / weight * 1000));
    }
    // Thirteen steps of 0.0907 of the weight, from 0.363 down to 0.816 up; on average 0.227 up.
    EXPECT_EQ(shares.size(), 14u);
    EXPECT_EQ(*shares.begin(), -363);
    EXPECT_EQ(*shares.rbegin(), 816);
    EXPECT_NEAR(sum / draws / weight, 0.2267, 0.005);
}

TEST_F(Fluid, AirLiftsFeatherweightsAndSlowsTheFallOfHeavierBodies) {
    NewtonBody* feather = addBox(world, {0, 18, 0}, {2, 1, 1}, 0.3f);
    NewtonBody* brick = addBox(world, {5, 18, 0}, {2, 1, 1}, 10);
    NewtonBody* outside = addBox(world, {40, 18, 0}, {2, 1, 1}, 10);
    const auto airOrGravity = [](const NewtonBody* body, dFloat step, int thread) {
        static PHY_Fluid region;
        if (!region.CREATECUBICAIRFLUID(body, kAirOrigin, kLow, kHigh)) PHY_GETGRAVITYFORCE(body, step, thread);
    };
    for (NewtonBody* body : {feather, brick, outside}) NewtonBodySetForceAndTorqueCallback(body, airOrGravity);
    simulate(world, 1.0f, 0.012f);
    EXPECT_GT(positionOf(feather).y, 18.05f);
    EXPECT_LT(positionOf(brick).y, 17);
    EXPECT_GT(positionOf(brick).y, positionOf(outside).y + 2);  // the air's drag holds it back
    EXPECT_NEAR(positionOf(outside).y, 18 - 4.905f, 0.1f);
}

}  // namespace
