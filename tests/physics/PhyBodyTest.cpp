// Layer body operations: placing, turning, state transfer, nudges, bounds and
// the drawing transform.
#include <GL/gl.h>

#include <set>

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyRandom.h"
#include "PhysicsTestSupport.h"
#include "support/OffscreenGL.h"

namespace {

using PhyBody = PhysicsTest;

TEST_F(PhyBody, SettingMassAndPositionKeepsTheOrientation) {
    NewtonBody* body = addBox(world, {0, 0, 0}, {1, 1, 1}, 0);
    PHY_SETBODYANGLE(body, GLVECTOR(0, 0, 90));
    PHY_SETBODYPROP(body, GLVECTOR(3, 4, 5), GLVECTOR(1, 2, 3), 6);
    const TGLBaseMatrix m = matrixOf(body);
    EXPECT_NEAR(m[1], 1, 1e-5f);  // x axis turned onto y
    EXPECT_NEAR(m[12], 3, 1e-5f);
    EXPECT_NEAR(m[14], 5, 1e-5f);
    dFloat mass = 0;
    Vec inertia;
    NewtonBodyGetMassMatrix(body, &mass, &inertia.x, &inertia.y, &inertia.z);
    EXPECT_FLOAT_EQ(mass, 6);
    EXPECT_FLOAT_EQ(inertia.z, 3);
}

TEST_F(PhyBody, TurningABodyKeepsItsPositionAndZeroAnglesRestoreTheIdentity) {
    NewtonBody* body = addBox(world, {7, 8, 9}, {1, 1, 1}, 1);
    PHY_SETBODYANGLE(body, GLVECTOR(30, 45, 60));
    EXPECT_NEAR(positionOf(body).x, 7, 1e-5f);
    EXPECT_NEAR(positionOf(body).z, 9, 1e-5f);
    EXPECT_LT(matrixOf(body)[0], 0.9f);
    PHY_SETBODYANGLE(body, GLVECTOR(0, 0, 0));
    const TGLBaseMatrix expected = identityAt({7, 8, 9});
    const TGLBaseMatrix m = matrixOf(body);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-6f) << "element " << i;
}

TEST_F(PhyBody, TheWholeStateMovesFromOneBodyToAnother) {
    NewtonBody* source = addBox(world, {0, 10, 0}, {1, 2, 1}, 4);
    PHY_SETBODYANGLE(source, GLVECTOR(10, 20, 30));
    PHY_ADDVELOCITY(source, GLVECTOR(1, 2, 3));
    PHY_ADDOMEGA(source, GLVECTOR(0.5f, 0, -0.5f));
    simulate(world, 0.2f);

    NewtonWorld* other = NewtonCreate(nullptr, nullptr);
    NewtonBody* copy = addBox(other, {0, 0, 0}, {1, 2, 1}, 0);
    NewtonBodySetForceAndTorqueCallback(copy, PHY_GETGRAVITYFORCE);
    TGLBaseMatrix mat{};
    TGLVector omega, velocity, force, torque, inertia;
    float mass = 0;
    PHY_GETALLBODYPROPERTIES(source, mat, omega, velocity, force, torque, inertia, mass);
    EXPECT_FLOAT_EQ(mass, 4);
    EXPECT_NEAR(force.Y, -4 * 9.81f, 1e-3f);
    PHY_SETALLBODYPROPERTIES(copy, mat, omega, velocity, force, torque, inertia, mass);
    for (int i = 0; i < 30; ++i) {
        NewtonUpdate(world, 1.0f / 60.0f);
        NewtonUpdate(other, 1.0f / 60.0f);
    }
    const TGLBaseMatrix a = matrixOf(source);
    const TGLBaseMatrix b = matrixOf(copy);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(a[i], b[i], 1e-4f) << "element " << i;
    NewtonDestroy(other);
}

TEST_F(PhyBody, StoppingTheTravelKeepsTheSpin) {
    NewtonBody* body = addBox(world, {0, 0, 0}, {1, 1, 1}, 1);
    PHY_ADDVELOCITY(body, GLVECTOR(1, 2, 3));
    PHY_ADDVELOCITY(body, GLVECTOR(1, 0, 0));
    PHY_ADDOMEGA(body, GLVECTOR(0, 4, 0));
    EXPECT_FLOAT_EQ(velocityOf(body).x, 2);
    PHY_STOPVELOCITY(body);
    EXPECT_FLOAT_EQ(length(velocityOf(body)), 0);
    EXPECT_FLOAT_EQ(omegaOf(body).y, 4);
}

TEST_F(PhyBody, RandomSpinsOf22LieBetweenMinus10And11) {
    NewtonBody* body = addBox(world, {0, 0, 0}, {1, 1, 1}, 1);
    RANDOMSEED(7);
    std::set<float> seen;
    for (int i = 0; i < 2000; ++i) {
        PHY_SETRNDORIENTBODY(body, 22, 22, 22);
        const Vec w = omegaOf(body);
        for (float spin : {w.x, w.y, w.z}) {
            EXPECT_GE(spin, -10);
            EXPECT_LE(spin, 11);
            EXPECT_EQ(spin, std::floor(spin));
            seen.insert(spin);
        }
    }
    EXPECT_EQ(seen.size(), 22u);
    PHY_SETRNDORIENTBODY(body, 3, 0, -4);  // an odd count gives halves, none gives 0
    const Vec w = omegaOf(body);
    EXPECT_EQ(w.x - std::floor(w.x), 0.5f);
    EXPECT_FLOAT_EQ(w.y, 0);
    EXPECT_FLOAT_EQ(w.z, -2);
}

TEST_F(PhyBody, TheBoundingBoxComesFromTwoSupportPoints) {
    TGLVector low;
    TGLVector high;
    PHY_GETBOUNDINGBOX(NewtonCreateBox(world, 2, 4, 6, 0, nullptr), low, high);
    EXPECT_NEAR(high.X, 1, 1e-4f);
    EXPECT_NEAR(high.Y, 2, 1e-4f);
    EXPECT_NEAR(low.Z, -3, 1e-4f);
    PHY_GETBOUNDINGBOX(NewtonCreateSphere(world, 3, 3, 3, 0, nullptr), low, high);
    EXPECT_NEAR(high.X, 3 / std::sqrt(3.0f), 1e-3f);  // on the diagonal: smaller than the sphere
    EXPECT_NEAR(low.Y, -3 / std::sqrt(3.0f), 1e-3f);
}

class PhyBodyDrawing : public OffscreenGL {};

TEST_F(PhyBodyDrawing, DrawingHappensInsideTheBodysMatrix) {
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
    NewtonBody* body = addBox(world, {1, 2, 3}, {1, 1, 1}, 1);
    PHY_SETBODYANGLE(body, GLVECTOR(0, 90, 0));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -10);
    PHY_GETBODYPOROPBEGIN(body);
    GLfloat inside[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, inside);
    PHY_GETBODYPOROPEND();
    GLfloat after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    const TGLBaseMatrix m = matrixOf(body);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(inside[i], m[i] + (i == 14 ? -10 : 0), 1e-5f) << "element " << i;
    EXPECT_FLOAT_EQ(after[14], -10);
    EXPECT_FLOAT_EQ(after[12], 0);
    NewtonDestroy(world);
}

}  // namespace
