#include "kestrova/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

void expectRotationEquals(const TGLBaseMatrix& a, const TGLBaseMatrix& b) {
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row) EXPECT_NEAR(a[col * 4 + row], b[col * 4 + row], 1e-6f);
}

}  // namespace

TEST(Matrix, ZeroAnglesGiveIdentityRotationAndKeepTheTranslation) {
    TGLBaseMatrix base = MATRIXLOADIDENTITY();
    MATRIXSETTRANSFORM(GLVECTOR(4, 5, 6), base);
    base[3] = 7;  // untouched elements are copied, whatever they hold
    const TGLBaseMatrix m = MATRIXEULERRAD(GLVECTOR(0, 0, 0), base);
    expectRotationEquals(m, MATRIXLOADIDENTITY());
    EXPECT_EQ(m[12], 4);
    EXPECT_EQ(m[13], 5);
    EXPECT_EQ(m[14], 6);
    EXPECT_EQ(m[15], 1);
    EXPECT_EQ(m[3], 7);
}

TEST(Matrix, ZeroPitchStoresPositiveZero) {
    const TGLBaseMatrix m = MATRIXEULERDEG(GLVECTOR(0.3, 0.0, 1.2));
    EXPECT_EQ(m[2], 0.0f);
    EXPECT_FALSE(std::signbit(m[2]));
}

TEST(Matrix, EulerDegTakesRadiansAndEulerRadTakesDegrees) {
    expectRotationEquals(MATRIXEULERDEG(GLVECTOR(0.1, 0.7, -1.3)),
                         MATRIXEULERRAD(GLVECTOR(0.1 * 180 / std::numbers::pi, 0.7 * 180 / std::numbers::pi, -1.3 * 180 / std::numbers::pi)));
}

TEST(Matrix, YawOfNinetyDegreesTurnsXIntoY) {
    const TGLBaseMatrix m = MATRIXEULERRAD(GLVECTOR(0, 0, 90));
    EXPECT_NEAR(m[0], 0, 1e-6f);
    EXPECT_NEAR(m[1], 1, 1e-6f);
    const TGLVector y = MATRIXVECROT(GLVECTOR(1, 0, 0), m);
    EXPECT_NEAR(y.X, 0, 1e-6f);
    EXPECT_NEAR(y.Y, 1, 1e-6f);
    EXPECT_NEAR(y.Z, 0, 1e-6f);
}

TEST(Matrix, RollPitchYawOrder) {
    // Roll first, then pitch, then yaw: z turned 90 degrees about x lands on -y,
    // then yaw 90 about z takes -y to +x.
    const TGLVector v = MATRIXVECROT(GLVECTOR(0, 0, 1), MATRIXEULERRAD(GLVECTOR(90, 0, 90)));
    EXPECT_NEAR(v.X, 1, 1e-6f);
    EXPECT_NEAR(v.Y, 0, 1e-6f);
    EXPECT_NEAR(v.Z, 0, 1e-6f);
}

TEST(Matrix, SetRotationIsTheTransposeAndKeepsTheRest) {
    const TGLVector angles = GLVECTOR(20, -35, 60);
    const TGLBaseMatrix euler = MATRIXEULERRAD(angles);
    TGLBaseMatrix m = MATRIXLOADIDENTITY();
    MATRIXSETTRANSFORM(GLVECTOR(1, 2, 3), m);
    MATRIXSETROTATION(angles, m);
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row) EXPECT_NEAR(m[row * 4 + col], euler[col * 4 + row], 1e-6f);
    EXPECT_EQ(m[12], 1);
    EXPECT_EQ(m[13], 2);
    EXPECT_EQ(m[14], 3);
    EXPECT_EQ(m[15], 1);
}

TEST(Matrix, VecRot2UsesTheIncomingVectorForAllThreeComponents) {
    const TGLBaseMatrix m = MATRIXEULERRAD(GLVECTOR(10, 20, 30));
    TGLVector v = GLVECTOR(1, 2, 3);
    const TGLVector expected = MATRIXVECROT(v, m);
    const TGLVector returned = MATRIXVECROT2(v, m);
    EXPECT_FLOAT_EQ(v.X, expected.X);
    EXPECT_FLOAT_EQ(v.Y, expected.Y);
    EXPECT_FLOAT_EQ(v.Z, expected.Z);
    EXPECT_FLOAT_EQ(returned.Z, expected.Z);
}

TEST(Matrix, VecRotIgnoresTheTranslation) {
    TGLBaseMatrix m = MATRIXLOADIDENTITY();
    MATRIXSETTRANSFORM(GLVECTOR(9, 9, 9), m);
    const TGLVector v = MATRIXVECROT(GLVECTOR(1, 2, 3), m);
    EXPECT_EQ(v.X, 1);
    EXPECT_EQ(v.Y, 2);
    EXPECT_EQ(v.Z, 3);
}

TEST(Matrix, YawMatrixIsAFullRotationAboutY) {
    const TGLBaseMatrix m = MATRIXYAW(static_cast<float>(std::numbers::pi / 2));
    const TGLBaseMatrix expected = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-6f) << i;
}
