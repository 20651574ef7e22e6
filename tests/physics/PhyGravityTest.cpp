// Gravity, launches, one-shot explosions, the blast field and the vehicle's formulas.
#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyExplosion.h"
#include "KEVA_Physics/PhyVector.h"
#include "KEVA_Physics/PhyVehicleForces.h"
#include "PhysicsTestSupport.h"

namespace {

using PhyGravity = PhysicsTest;

TEST_F(PhyGravity, EachPresetIsTheAccelerationBodiesFallWith) {
    for (double preset : {PHY_EARTH_GRAVITY, PHY_MOON_GRAVITY, PHY_JUPITER_GRAVITY, PHY_SUN_GRAVITY}) {
        PHY_SETGRAVITYFORCE(0, static_cast<float>(preset), 0);
        EXPECT_FLOAT_EQ(PHYVECGRAVITY.Y, static_cast<float>(preset));
        NewtonWorld* scene = NewtonCreate(nullptr, nullptr);
        NewtonBody* box = addBox(scene, {0, 0, 0}, {1, 1, 1}, 7);
        simulate(scene, 0.5f);
        EXPECT_NEAR(velocityOf(box).y / 0.5f, preset, std::fabs(preset) * 1e-3);
        NewtonDestroy(scene);
    }
    EXPECT_EQ(PHY_MARS_GRAVITY, PHY_MERCURY_GRAVITY);
}

TEST_F(PhyGravity, TheGravityCallbackAddsToWhatIsAlreadyApplied) {
    NewtonBody* box = addBox(world, {0, 0, 0}, {1, 1, 1}, 2);
    const dFloat wind[3] = {6, 0, 0};
    NewtonBodySetForce(box, wind);
    PHY_GETGRAVITYFORCE(box, 0.01f, 0);
    Vec force;
    NewtonBodyGetForce(box, &force.x);
    EXPECT_FLOAT_EQ(force.x, 6);
    EXPECT_FLOAT_EQ(force.y, 2 * -9.81f);
}

TEST_F(PhyGravity, ALaunchReplacesTheVelocityAndSweepsTheBody) {
    NewtonBody* ball = addBox(world, {0, 0, 0}, {1, 1, 1}, 2);
    PHY_ADDVELOCITY(ball, GLVECTOR(10, 0, 0));
    PHY_ADDIMPULSE(ball, GLVECTOR(0, 5, 1));
    EXPECT_NEAR(positionOf(ball).x, 0.12f, 1e-5f);  // one 0.012 s step of the old velocity
    EXPECT_NEAR(velocityOf(ball).x, 0, 1e-5f);
    EXPECT_NEAR(velocityOf(ball).y, 5 - 0.08f * 9.81f, 1e-4f);
    EXPECT_NEAR(velocityOf(ball).z, 1, 1e-5f);
    EXPECT_EQ(NewtonBodyGetContinuousCollisionMode(ball), 1);
}

TEST_F(PhyGravity, AFastLaunchedBallDoesNotPassThroughAThinWall) {
    PHY_SETGRAVITYFORCE(0, 0, 0);
    addBox(world, {10, 0, 0}, {0.1f, 10, 10}, 0);
    NewtonCollision* shape = NewtonCreateSphere(world, 0.3f, 0.3f, 0.3f, 0, nullptr);
    NewtonBody* ball = NewtonCreateBody(world, shape, identityAt({0, 0, 0}).data());
    NewtonBodySetMassMatrix(ball, 1, 0.04f, 0.04f, 0.04f);
    PHY_ADDIMPULSE(ball, GLVECTOR(300, 0, 0));
    simulate(world, 0.5f);
    EXPECT_LT(positionOf(ball).x, 10);
}

// One-shot explosions: a body 9 units from the blast (d² = 81 < 100) on either
// side, and one 11 units away (d² = 121).
class PhyExplosionTest : public PhysicsTest {
protected:
    NewtonBody* boxAt(float x) { return addBox(world, {x, 0, 0}, {1, 1, 1}, 3); }
};

TEST_F(PhyExplosionTest, BodiesInsideTheRadiusArePushedAwayOnEitherSide) {
    NewtonBody* right = boxAt(9);
    NewtonBody* left = boxAt(-9);
    NewtonBody* far = boxAt(11);
    for (NewtonBody* body : {right, left, far}) PHY_ADDEXPLOSION(world, body, GLVECTOR(0, 0, 0), 2, 100);
    const float push = 2 * 2 * (100 - 81) / 100.0f;  // strength² · f, f = 0.19
    EXPECT_NEAR(velocityOf(right).x, push, 1e-4f);
    EXPECT_NEAR(velocityOf(left).x, -push, 1e-4f);
    EXPECT_NEAR(velocityOf(right).y, 0, 1e-5f);
    EXPECT_FLOAT_EQ(length(velocityOf(far)), 0);
}

TEST_F(PhyExplosionTest, NoPushAtTheSameXOrFromInsideTheBody) {
    NewtonBody* above = addBox(world, {0, 5, 0}, {1, 1, 1}, 3);
    NewtonBody* around = boxAt(3);
    PHY_ADDEXPLOSION(world, above, GLVECTOR(0, 0, 0), 5, 100);
    PHY_ADDEXPLOSION(world, around, GLVECTOR(3.2f, 0, 0), 5, 100);
    EXPECT_FLOAT_EQ(length(velocityOf(above)), 0);
    EXPECT_FLOAT_EQ(length(velocityOf(around)), 0);
}

TEST_F(PhyExplosionTest, TheBlastFieldPushesBodiesInsideItsSphereAway) {
    PHY_SETGRAVITYFORCE(0, 0, 0);
    NewtonBody* inside = boxAt(3);
    NewtonBody* rim = boxAt(5);
    NewtonBody* outside = boxAt(-8);
    for (NewtonBody* body : {inside, rim, outside}) PHY_ADDREALEXPLOSION(body, GLVECTOR(0, 0, 0), 1, 5, 0, true);
    EXPECT_EQ(NewtonBodyGetForceAndTorqueCallback(inside), PHY_GETREALEXPLOSION);
    NewtonUpdate(world, 1.0f / 60.0f);
    // Mode 0: the force 200·F with F = dir·(m·√9.81·strength)/100.
    const float force = 200 * 3 * 3.132091952673165f * 1 / 100 * 3;
    EXPECT_NEAR(velocityOf(inside).x, force / 3 / 60, 1e-3f);
    EXPECT_FLOAT_EQ(length(velocityOf(rim)), 0);  // on the rim: gravity only
    EXPECT_FLOAT_EQ(length(velocityOf(outside)), 0);

    EXPLOACTIVE = false;
    const Vec before = velocityOf(inside);
    NewtonUpdate(world, 1.0f / 60.0f);
    EXPECT_NEAR(velocityOf(inside).x, before.x, 1e-5f);
}

TEST_F(PhyExplosionTest, EveryBlastModeActsAndModesAboveFiveActAsFive) {
    PHY_SETGRAVITYFORCE(0, 0, 0);
    for (int mode : {0, 1, 2, 3, 4, 5, 7, -1}) {
        NewtonBody* body = boxAt(2);
        PHY_ADDREALEXPLOSION(body, GLVECTOR(0, 0, 0), 1, 5, mode, true);
        EXPECT_EQ(EXPLOMODE, mode > 5 ? 5 : mode);
        NewtonUpdate(world, 1.0f / 60.0f);
        if (mode < 0) {
            EXPECT_FLOAT_EQ(length(velocityOf(body)), 0);
        } else {
            EXPECT_GT(velocityOf(body).x, 0.1f) << "mode " << mode;
        }
        EXPECT_EQ(length(omegaOf(body)) > 0, mode >= 3) << "mode " << mode;
        NewtonDestroyBody(world, body);
    }
}

TEST(PhyVehicleForces, GravityActsOnlyAlongTheAxesItHas) {
    const TGLVector pull = PUTGRAVITY(GLVECTOR(3, 4, 5), GLVECTOR(0, -1, 0), 2);
    EXPECT_EQ(pull.X, 0);
    EXPECT_EQ(pull.Z, 0);
    EXPECT_NEAR(pull.Y, (-9.81f - 4) / (9.56748048f * 2), 1e-5f);
    EXPECT_FLOAT_EQ(PUTFRICTION(0.5f, 10, 4), -20);
}

}  // namespace
