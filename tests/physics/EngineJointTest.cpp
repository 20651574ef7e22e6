// Joints hold their bodies as the joints promise while the bodies move.
#include <algorithm>

#include "PhysicsTestSupport.h"

#include "KEVA_Physics/engine/KEVA_NewtonExt.h"

namespace {

using EngineJoint = PhysicsTest;

TEST_F(EngineJoint, BallJointsKeepTheirPivotsTogetherWhileAChainSwings) {
    // Three rods hang from the world in a row along x and are let go sideways.
    NewtonBody* rods[3];
    for (int i = 0; i < 3; ++i) rods[i] = addBox(world, {1.0f + 2 * i, 10, 0}, {2, 0.3f, 0.3f}, 2);
    const dFloat top[3] = {0, 10, 0};
    NewtonConstraintCreateBall(world, top, rods[0], nullptr);
    for (int i = 1; i < 3; ++i) {
        const dFloat pivot[3] = {2.0f * i, 10, 0};
        NewtonConstraintCreateBall(world, pivot, rods[i], rods[i - 1]);
    }
    const Vec push{0, 0, 3};
    NewtonBodySetVelocity(rods[2], &push.x);
    float worstGap = 0;
    float lowest = 10;
    for (int step = 0; step < 240; ++step) {
        NewtonUpdate(world, 1.0f / 60.0f);
        worstGap = std::max(worstGap, length(worldPoint(rods[0], {-1, 0, 0}) - Vec{0, 10, 0}));
        for (int i = 1; i < 3; ++i) {
            worstGap = std::max(worstGap, length(worldPoint(rods[i], {-1, 0, 0}) - worldPoint(rods[i - 1], {1, 0, 0})));
        }
        lowest = std::min(lowest, positionOf(rods[2]).y);
    }
    EXPECT_LT(worstGap, 0.05f);
    EXPECT_LT(lowest, 6);  // the chain did swing down
}

TEST_F(EngineJoint, AHingeTurnsOnlyAboutItsAxis) {
    // A door hinged on a vertical axis, leaning so that gravity has nothing to
    // do with it; a push with a twist to every side may only turn it about y.
    NewtonBody* door = addBox(world, {1, 5, 0}, {2, 3, 0.2f}, 4);
    const dFloat pivot[3] = {0, 5, 0};
    const dFloat axis[3] = {0, 1, 0};
    NewtonConstraintCreateHinge(world, pivot, axis, door, nullptr);
    const Vec spin{3, 2, -4};
    const Vec push{1, 2, 3};
    NewtonBodySetOmega(door, &spin.x);
    NewtonBodySetVelocity(door, &push.x);
    float turned = 0;
    for (int step = 0; step < 120; ++step) {
        NewtonUpdate(world, 1.0f / 60.0f);
        const TGLBaseMatrix m = matrixOf(door);
        EXPECT_NEAR(m[5], 1, 1e-3f);  // the door's y axis stays vertical
        const Vec w = omegaOf(door);
        EXPECT_LT(std::hypot(w.x, w.z), 0.05f);
        EXPECT_LT(length(worldPoint(door, {-1, 0, 0}) - Vec{0, 5, 0}), 0.02f);
        turned = std::max(turned, std::fabs(m[2]));
    }
    EXPECT_GT(turned, 0.5f);  // it did turn
}

TEST_F(EngineJoint, ASliderMovesOnlyAlongItsPinAndDoesNotTurn) {
    NewtonBody* block = addBox(world, {0, 5, 0}, {1, 1, 1}, 3);
    const dFloat pivot[3] = {0, 5, 0};
    const dFloat pin[3] = {1, -1, 0};
    NewtonConstraintCreateSlider(world, pivot, pin, block, nullptr);
    const Vec spin{2, 3, 1};
    NewtonBodySetOmega(block, &spin.x);
    simulate(world, 1.0f);
    const Vec moved = positionOf(block) - Vec{0, 5, 0};
    EXPECT_GT(length(moved), 1);  // slid down the slope of the pin
    EXPECT_NEAR(moved.x, -moved.y, 0.01f);
    EXPECT_NEAR(moved.z, 0, 0.01f);
    const TGLBaseMatrix m = matrixOf(block);
    EXPECT_NEAR(m[0], 1, 1e-3f);
    EXPECT_NEAR(m[5], 1, 1e-3f);
    EXPECT_NEAR(m[10], 1, 1e-3f);
}

TEST_F(EngineJoint, AJointWithoutParentHoldsTheChildToTheFixedWorld) {
    NewtonBody* weight = addBox(world, {0, 3, 0}, {1, 1, 1}, 5);
    const dFloat pivot[3] = {0, 5, 0};
    NewtonConstraintCreateBall(world, pivot, weight, nullptr);
    simulate(world, 3.0f);
    EXPECT_NEAR(length(positionOf(weight) - Vec{0, 5, 0}), 2, 0.02f);
    EXPECT_NEAR(positionOf(weight).y, 3, 0.05f);
}

TEST_F(EngineJoint, AConeLimitStopsTheSwing) {
    // A pendulum hanging straight down, allowed 30 degrees around the vertical.
    NewtonBody* bob = addBox(world, {0, 8, 0}, {0.5f, 2, 0.5f}, 2);
    const dFloat pivot[3] = {0, 9, 0};
    const dFloat down[3] = {0, -1, 0};
    NewtonJoint* ball = NewtonConstraintCreateBall(world, pivot, bob, nullptr);
    NewtonBallSetConeLimits(ball, down, 30 * kPi / 180, 10 * kPi / 180);
    const Vec kick{6, 0, 3};
    NewtonBodySetVelocity(bob, &kick.x);
    float widest = 0;
    for (int step = 0; step < 180; ++step) {
        NewtonUpdate(world, 1.0f / 60.0f);
        const Vec hanging = positionOf(bob) - Vec{0, 9, 0};
        widest = std::max(widest, std::acos(std::clamp(-hanging.y / length(hanging), -1.0f, 1.0f)));
    }
    EXPECT_GT(widest, 20 * kPi / 180);
    EXPECT_LT(widest, 36 * kPi / 180);
}

TEST_F(EngineJoint, AZeroConeLimitLeavesTheBallFree) {
    NewtonBody* bob = addBox(world, {0, 8, 0}, {0.5f, 2, 0.5f}, 2);
    const dFloat pivot[3] = {0, 9, 0};
    const dFloat up[3] = {0, 1, 0};
    NewtonBallSetConeLimits(NewtonConstraintCreateBall(world, pivot, bob, nullptr), up, 0, 0);
    const Vec kick{8, 0, 0};
    NewtonBodySetVelocity(bob, &kick.x);
    float highest = 0;
    for (int step = 0; step < 60; ++step) {
        NewtonUpdate(world, 1.0f / 60.0f);
        highest = std::max(highest, positionOf(bob).y);
    }
    EXPECT_GT(highest, 9);  // swung above the pivot
}

TEST_F(EngineJoint, AnUpVectorKeepsTheBodyUprightButLetsItTurnAboutThePin) {
    NewtonCollision* shape = NewtonCreateSphere(world, 0.5f, 1, 0.5f, 0, nullptr);
    NewtonBody* player = NewtonCreateBody(world, shape, identityAt({0, 5, 0}).data());
    NewtonReleaseCollision(world, shape);
    NewtonBodySetMassMatrix(player, 25, 2, 2, 2);
    const dFloat up[3] = {0, 1, 0};
    NewtonConstraintCreateUpVector(world, up, player);
    const Vec spin{4, 2, -3};
    NewtonBodySetOmega(player, &spin.x);
    simulate(world, 1.0f);
    const TGLBaseMatrix m = matrixOf(player);
    EXPECT_NEAR(m[5], 1, 1e-3f);
    EXPECT_GT(std::fabs(m[2]), 0.5f);  // turned about y
}

// A grab pulls a box across the world at no more than its speed, cannot lift
// it with less pull than its weight, and lets it go when destroyed.
TEST_F(EngineJoint, AGrabPullsAtMostAtItsSpeedAndNoHarderThanItsBound) {
    NewtonBody* box = addBox(world, {0, 0, 0}, {1, 1, 1}, 3);
    const dFloat corner[3] = {0.5f, 0.5f, 0.5f};
    NewtonJoint* grab = NewtonConstraintCreateGrab(world, corner, box, 12, 20, 50);
    const dFloat far[3] = {60.5f, 0.5f, 0.5f};
    NewtonGrabSetTarget(grab, far);
    const auto heldPoint = [&] {
        Vec point;
        NewtonGrabGetPoint(grab, &point.x);
        return point;
    };
    float fastest = 0;  // the held point's speed
    for (int step = 0; step < 300; ++step) {
        const Vec before = heldPoint();
        NewtonUpdate(world, 1.0f / 60.0f);
        fastest = std::max(fastest, length(heldPoint() - before) * 60);
    }
    EXPECT_LT(length(heldPoint() - Vec{60.5f, 0.5f, 0.5f}), 0.1f);
    EXPECT_GT(fastest, 15);
    EXPECT_LT(fastest, 21);

    NewtonDestroyJoint(world, grab);
    simulate(world, 0.5f);
    EXPECT_LT(positionOf(box).y, -0.5f);  // let go, it falls

    // Too weak to hold the weight (5 < 9.81): it sinks however high the target.
    NewtonBody* heavy = addBox(world, {0, 20, 0}, {1, 1, 1}, 3);
    const dFloat top[3] = {0, 20, 0};
    NewtonJoint* weak = NewtonConstraintCreateGrab(world, top, heavy, 12, 20, 5);
    NewtonGrabSetTarget(weak, top);
    simulate(world, 1);
    EXPECT_LT(positionOf(heavy).y, 18.5f);
    EXPECT_EQ(NewtonConstraintCreateGrab(world, top, nullptr, 12, 20, 5), nullptr);
}

TEST(EngineSpring, TheSpringDamperAccelerationTendsToHookesLawForShortSteps) {
    EXPECT_NEAR(NewtonCalculateSpringDamperAcceleration(1e-6f, 0.5f, 2.1f, 0.35f, 2.5f), -(0.5f * 2.1f + 0.35f * 2.5f),
                1e-4f);
    // Longer steps damp the answer (implicit integration never overshoots).
    EXPECT_NEAR(NewtonCalculateSpringDamperAcceleration(0.25f, 0.5f, 2.1f, 0.35f, 2.5f), -2.0f, 1e-5f);
}

}  // namespace
