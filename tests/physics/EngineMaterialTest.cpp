// Elasticity and friction kept per pair of material groups act on the contacts.
#include <algorithm>
#include <cmath>

#include "KEVA_Physics/PhyWorld.h"
#include "PhysicsTestSupport.h"

namespace {

using EngineMaterial = PhysicsTest;

NewtonBody* ballAt(const NewtonWorld* world, const Vec& position, int group) {
    NewtonCollision* shape = NewtonCreateSphere(world, 0.5f, 0.5f, 0.5f, 0, nullptr);
    NewtonBody* ball = NewtonCreateBody(world, shape, identityAt(position).data());
    NewtonReleaseCollision(world, shape);
    NewtonBodySetMassMatrix(ball, 1, 0.1f, 0.1f, 0.1f);
    NewtonBodySetForceAndTorqueCallback(ball, PHY_GETGRAVITYFORCE);
    NewtonBodySetMaterialGroupID(ball, group);
    return ball;
}

TEST_F(EngineMaterial, ElasticityIsKeptPerPairOfGroups) {
    const int standard = NewtonMaterialGetDefaultGroupID(world);
    const int rubber = NewtonMaterialCreateGroupID(world);
    const int clay = NewtonMaterialCreateGroupID(world);
    NewtonMaterialSetDefaultElasticity(world, rubber, standard, 0.9f);
    NewtonMaterialSetDefaultElasticity(world, standard, clay, 0);
    addBox(world, {0, -0.5f, 0}, {40, 1, 40}, 0);
    NewtonBody* bouncy = ballAt(world, {-5, 5.5f, 0}, rubber);
    NewtonBody* dull = ballAt(world, {5, 5.5f, 0}, clay);
    float bounceOfBouncy = 0;
    float bounceOfDull = 0;
    for (int step = 0; step < 150; ++step) {
        NewtonUpdate(world, 1.0f / 60.0f);
        if (step > 70) {  // both have landed once
            bounceOfBouncy = std::max(bounceOfBouncy, positionOf(bouncy).y);
            bounceOfDull = std::max(bounceOfDull, positionOf(dull).y);
        }
    }
    EXPECT_GT(bounceOfBouncy, 3);  // 0.9² of the 5 units fallen, about
    EXPECT_LT(bounceOfDull, 0.6f);
}

TEST_F(EngineMaterial, FrictionIsKeptPerPairOfGroups) {
    const int ice = NewtonMaterialCreateGroupID(world);
    const int rough = NewtonMaterialCreateGroupID(world);
    NewtonMaterialSetDefaultFriction(world, ice, 0, 0, 0);
    NewtonMaterialSetDefaultFriction(world, 0, rough, 1.2f, 1.0f);
    addBox(world, {0, -0.5f, 0}, {100, 1, 100}, 0);
    // Flat blocks, so that friction cannot tip them over their front edge.
    NewtonBody* skater = addBox(world, {0, 0.25f, -5}, {2, 0.5f, 2}, 2);
    NewtonBody* brick = addBox(world, {0, 0.25f, 5}, {2, 0.5f, 2}, 2);
    NewtonBodySetMaterialGroupID(skater, ice);
    NewtonBodySetMaterialGroupID(brick, rough);
    const Vec slide{4, 0, 0};
    NewtonBodySetVelocity(skater, &slide.x);
    NewtonBodySetVelocity(brick, &slide.x);
    simulate(world, 1.0f);
    EXPECT_NEAR(positionOf(skater).x, 4, 0.1f);  // nothing slows it
    EXPECT_NEAR(positionOf(brick).x, 4 * 4 / (2 * 9.81f), 0.15f);  // stops after v²/(2µg)
    EXPECT_LT(length(velocityOf(brick)), 0.01f);
}

// Each contact's friction is bounded by that contact's own push, however the
// solver orders its rows: a heavy and a light block slid alike stop alike.
TEST_F(EngineMaterial, FrictionDependsOnEachBodysOwnWeight) {
    addBox(world, {0, -0.5f, 0}, {100, 1, 100}, 0);
    NewtonBody* heavy = addBox(world, {0, 0.25f, -5}, {2, 0.5f, 2}, 200);
    NewtonBody* light = addBox(world, {0, 0.25f, 5}, {2, 0.5f, 2}, 0.5f);
    simulate(world, 0.5f);
    const Vec slide{4, 0, 0};
    NewtonBodySetVelocity(heavy, &slide.x);
    NewtonBodySetVelocity(light, &slide.x);
    simulate(world, 1.5f);
    const float stop = 4 * 4 / (2 * 0.5f * 9.81f);  // v²/(2µg) with the default friction
    EXPECT_NEAR(positionOf(heavy).x, stop, 0.15f);
    EXPECT_NEAR(positionOf(light).x, stop, 0.15f);
}

// The exact world, as the friction scene has it, on a slope along none of the
// floor's axes (gravity tilted 30 degrees towards a diagonal): a block rougher
// than the slope stays put, a smoother one slides straight down it at the pace
// its friction leaves.
TEST_F(EngineMaterial, OnASlopeTheExactWorldHoldsARoughBlockAndSlidesASmoothOne) {
    NewtonDestroy(world);
    world = PHY_INITWORLDHIGHPRECISION(60);
    const float g = 9.81f;
    const float tilt = kPi / 6;
    const Vec downhill = Vec{1, 0, 1} * (1 / std::sqrt(2.0f));
    const Vec gravity = downhill * (g * std::sin(tilt)) + Vec{0, -g * std::cos(tilt), 0};
    PHY_SETGRAVITYFORCE(gravity.x, gravity.y, gravity.z);
    const int rough = NewtonMaterialCreateGroupID(world);
    const int smooth = NewtonMaterialCreateGroupID(world);
    NewtonMaterialSetDefaultFriction(world, 0, rough, 0.8f, 0.7f);  // above tan 30° = 0.58
    NewtonMaterialSetDefaultFriction(world, 0, smooth, 0.3f, 0.3f);
    addBox(world, {0, -0.5f, 0}, {100, 1, 100}, 0);
    NewtonBody* holding = addBox(world, {-5, 0.25f, 5}, {2, 0.5f, 2}, 2);
    NewtonBody* sliding = addBox(world, {5, 0.25f, -5}, {2, 0.5f, 2}, 2);
    NewtonBodySetMaterialGroupID(holding, rough);
    NewtonBodySetMaterialGroupID(sliding, smooth);
    simulate(world, 1.0f);
    const Vec held = positionOf(holding) - Vec{-5, 0.25f, 5};
    EXPECT_LT(length(Vec{held.x, 0, held.z}), 0.01f);
    const Vec velocity = velocityOf(sliding);
    const float pace = g * (std::sin(tilt) - 0.3f * std::cos(tilt));  // m/s², along the slope
    EXPECT_NEAR(dot(velocity, downhill), pace * 1.0f, 0.15f);
    EXPECT_LT(std::fabs(dot(velocity, cross(downhill, Vec{0, 1, 0}))), 0.1f);  // straight down
}

TEST_F(EngineMaterial, ARolledBallComesToRest) {
    addBox(world, {0, -0.5f, 0}, {100, 1, 100}, 0);
    NewtonBody* ball = ballAt(world, {0, 0.5f, 0}, 0);
    const Vec roll{3, 0, 0};
    const Vec spin{0, 0, -6};  // rolling without slipping
    NewtonBodySetVelocity(ball, &roll.x);
    NewtonBodySetOmega(ball, &spin.x);
    simulate(world, 10.0f);
    EXPECT_GT(positionOf(ball).x, 2);
    EXPECT_LT(length(velocityOf(ball)), 0.01f);
    EXPECT_LT(length(omegaOf(ball)), 0.02f);
}

}  // namespace
