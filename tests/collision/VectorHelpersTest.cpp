// The collision unit's turns, against matrices built here.
#include "ReferenceGeometry.h"

#include "KEVA_Collision/CollisionVector.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace collision;

namespace {

void expectNear(const TGLVector& v, float x, float y, float z) {
    EXPECT_NEAR(v.X, x, 1e-6f);
    EXPECT_NEAR(v.Y, y, 1e-6f);
    EXPECT_NEAR(v.Z, z, 1e-6f);
}

}  // namespace

TEST(VectorTurns, QuarterTurnsAboutEachAxisNoTurnAtAllAndTheUnitOfNothing) {
    expectNear(VECROT(TGLVector{1, 0, 0}, 0, 90, 0), 0, 0, 1);
    expectNear(VECROT(TGLVector{1, 0, 0}, 0, 0, 90), 0, 1, 0);
    expectNear(VECROT(TGLVector{0, 1, 0}, 90, 0, 0), 0, 0, 1);
    const TGLVector v{1.5f, -2.25f, 3.125f};
    const TGLVector same = VECROT(v, 0, 0, 0);
    EXPECT_EQ(same.X, v.X);
    EXPECT_EQ(same.Y, v.Y);
    EXPECT_EQ(same.Z, v.Z);
    expectNear(GETVECUNIT(TGLVector{0, 0, 0}), 0, 0, 0);
}

TEST(VectorTurns, MatchTheProductOfTheThreeAxisMatricesAndKeepLengths) {
    std::mt19937 random(18);
    constexpr int CASES = 10000;
    for (int i = 0; i < CASES; ++i) {
        const reference::Vec v = reference::uniformVec(random, -100, 100);
        const reference::Vec angles = reference::uniformVec(random, -720, 720);
        const TGLVector rotation = reference::glvector(angles);
        const TGLVector turned = VECROT(reference::glvector(v), rotation);
        // The reference takes the angles as the unit received them (floats).
        const reference::Vec expected =
            reference::turnOf(reference::vec(rotation)) * reference::vec(reference::glvector(v));
        const double tolerance = 1e-5 * reference::length(v);
        ASSERT_NEAR(turned.X, expected.x, tolerance) << "case " << i;
        ASSERT_NEAR(turned.Y, expected.y, tolerance) << "case " << i;
        ASSERT_NEAR(turned.Z, expected.z, tolerance) << "case " << i;
        ASSERT_NEAR(VECLENGHT(turned), reference::length(v), tolerance) << "case " << i;
        // Turning many points with one precomputed turn gives the very same floats.
        const TGLVector again = TURN(TURNOF(rotation), reference::glvector(v));
        ASSERT_EQ(again.X, turned.X);
        ASSERT_EQ(again.Y, turned.Y);
        ASSERT_EQ(again.Z, turned.Z);
    }
    std::printf("turns: %d cases, none skipped\n", CASES);
}
