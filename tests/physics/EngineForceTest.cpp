// Forces last one step, impulses change a point's velocity as asked, and fluids lift.
#include "PhysicsTestSupport.h"

namespace {

using EngineForce = PhysicsTest;

Vec pointVelocity(const NewtonBody* body, const Vec& point) {
    Vec com;
    NewtonBodyGetCentreOfMass(body, &com.x);
    return velocityOf(body) + cross(omegaOf(body), point - worldPoint(body, com));
}

TEST_F(EngineForce, AnImpulseChangesThePointsVelocityByTheGivenAmount) {
    NewtonBody* box = addBox(world, {1, 2, 3}, {1, 2, 3}, 4);
    const TGLBaseMatrix turned = {0.6f, 0.8f, 0, 0, -0.8f, 0.6f, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    NewtonBodySetMatrix(box, turned.data());
    const Vec com{0.1f, 0.2f, -0.1f};
    NewtonBodySetCentreOfMass(box, &com.x);
    const Vec spin{0.3f, -0.2f, 0.5f};
    const Vec drift{1, 0, -1};
    NewtonBodySetOmega(box, &spin.x);
    NewtonBodySetVelocity(box, &drift.x);
    for (const Vec& point : {Vec{1.4f, 2.9f, 3.5f}, Vec{5, -3, 0}, Vec{1, 2, 3}}) {
        const Vec before = pointVelocity(box, point);
        const Vec change{0.7f, -1.3f, 2.1f};
        NewtonBodyAddImpulse(box, &change.x, &point.x);
        const Vec after = pointVelocity(box, point);
        EXPECT_NEAR(after.x - before.x, change.x, 1e-3f);
        EXPECT_NEAR(after.y - before.y, change.y, 1e-3f);
        EXPECT_NEAR(after.z - before.z, change.z, 1e-3f);
    }
}

TEST_F(EngineForce, AnImpulseMovesNothingStatic) {
    NewtonBody* wall = addBox(world, {0, 0, 0}, {1, 1, 1}, 0);
    const Vec change{5, 5, 5};
    const Vec at{0, 0, 0};
    NewtonBodyAddImpulse(wall, &change.x, &at.x);
    EXPECT_FLOAT_EQ(length(velocityOf(wall)), 0);
}

TEST_F(EngineForce, AForceSetInTheCallbackActsForThatStepOnly) {
    NewtonBody* box = addBox(world, {0, 0, 0}, {1, 1, 1}, 2);
    static int updates;
    updates = 0;
    NewtonBodySetForceAndTorqueCallback(box, [](const NewtonBody* body, dFloat, int) {
        if (updates++ > 0) return;
        const dFloat push[3] = {120, 0, 0};
        NewtonBodySetForce(body, push);
    });
    NewtonUpdate(world, 1.0f / 60.0f);
    const float afterPush = velocityOf(box).x;
    EXPECT_NEAR(afterPush, 120.0f / 2 / 60, 1e-3f);
    simulate(world, 1.0f);
    EXPECT_FLOAT_EQ(velocityOf(box).x, afterPush);
    Vec force;
    NewtonBodyGetForce(box, &force.x);
    EXPECT_FLOAT_EQ(force.x, 0);
}

// A box lying in a fluid whose surface the plane callback places.
struct Floating {
    static inline float surface = 0;
    static inline float density = 0;

    static int plane(const int, void*, const dFloat*, dFloat* p) {
        p[0] = 0;
        p[1] = 2;  // any length: the plane is normalised
        p[2] = 0;
        p[3] = -2 * surface;
        return 1;
    }
    static void callback(const NewtonBody* body, dFloat timestep, int thread) {
        PHY_GETGRAVITYFORCE(body, timestep, thread);
        const dFloat gravity[3] = {0, -9.81f, 0};
        NewtonBodyAddBuoyancyForce(body, density, 0.8f, 0.8f, gravity, plane, nullptr);  // water
    }
};

TEST_F(EngineForce, ABodyOfHalfTheFluidsDensityFloatsHalfUnder) {
    for (float surface : {0.0f, 3.0f}) {
        NewtonBody* box = addBox(world, {0, surface + 2, 0}, {2, 1, 1.5f}, 6);  // volume 3, density 2
        NewtonBodySetForceAndTorqueCallback(box, Floating::callback);
        Floating::surface = surface;
        Floating::density = 4;
        simulate(world, 10.0f);
        EXPECT_NEAR(positionOf(box).y, surface, 0.03f);
        EXPECT_LT(length(velocityOf(box)), 0.05f);
        NewtonDestroyBody(world, box);
    }
}

TEST_F(EngineForce, ADenserBodySinksAndALighterOneRises) {
    Floating::surface = 0;
    Floating::density = 4;
    NewtonBody* stone = addBox(world, {0, -1, 0}, {1, 1, 1}, 6);
    NewtonBody* cork = addBox(world, {5, -5, 0}, {2, 0.5f, 2}, 2);  // a raft: floats flat
    NewtonBodySetForceAndTorqueCallback(stone, Floating::callback);
    NewtonBodySetForceAndTorqueCallback(cork, Floating::callback);
    simulate(world, 6.0f);
    EXPECT_LT(positionOf(stone).y, -3);  // slowly, through water
    EXPECT_NEAR(positionOf(cork).y, 0.125f, 0.03f);  // a quarter under
}

}  // namespace
