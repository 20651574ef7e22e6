// Quads, boxes, cones and cylinders: surfaces that cross are reported, solids
// apart or wholly inside one another are not, and odd inputs answer quietly.
#include "ReferenceGeometry.h"

#include "KEVA_Collision/SolidTests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace collision;

namespace {

// A square quad of side 2 * half in the local plane z = 0, in strip order.
struct Square {
    TGLVector a, b, c, d;
};
Square square(float half) {
    return {TGLVector{-half, -half, 0}, TGLVector{half, -half, 0}, TGLVector{-half, half, 0}, TGLVector{half, half, 0}};
}

bool squareInCube(const TGLVector& pos, const TGLVector& rot, float half) {
    const Square s = square(half);
    return QUADINCUBE(pos, rot, s.a, s.b, s.c, s.d, ORIGIN, ORIGIN, -2, -2, -2, 2, 2, 2);
}

bool squareInCone(const TGLVector& pos, const TGLVector& rot, float half, int numpoints) {
    const Square s = square(half);
    return QUADINMORPHCONE(pos, rot, s.a, s.b, s.c, s.d, ORIGIN, ORIGIN, numpoints, 1, 2, 3);
}

// Every test that involves a cone or a cylinder, with its two solids placed at pos1 and pos2.
bool anyRoundTestReports(const TGLVector& pos1, const TGLVector& pos2, int numpoints) {
    const Square s = square(1);
    const TGLVector r{10, 20, 30};
    return QUADINMORPHCONE(pos1, r, s.a, s.b, s.c, s.d, pos2, r, numpoints, 1, 2, 3) ||
           QUADINCYLINDER(pos1, r, s.a, s.b, s.c, s.d, pos2, r, numpoints, 2, 3) ||
           CUBEINMORPHCONE(pos1, r, -1, -1, -1, 1, 1, 1, pos2, r, numpoints, 1, 2, 3) ||
           CUBEINCYLINDER(pos1, r, -1, -1, -1, 1, 1, 1, pos2, r, numpoints, 2, 3) ||
           MORPHCONEINMORPHCONE(pos1, r, numpoints, 1, 2, 3, pos2, r, numpoints, 2, 1, 3) ||
           MORPHCONEINCYLINDER(pos1, r, numpoints, 1, 2, 3, pos2, r, numpoints, 2, 3) ||
           CYLINDERINCYLINDER(pos1, r, numpoints, 2, 3, pos2, r, numpoints, 2, 3);
}

// Every test, the same way.
bool anyTestReports(const TGLVector& pos1, const TGLVector& pos2, int numpoints) {
    const Square s = square(1);
    const TGLVector r{10, 20, 30};
    return TRIANGLEINQUAD(pos1, r, s.a, s.b, s.c, pos2, r, s.a, s.b, s.c, s.d) ||
           QUADINQUAD(pos1, r, s.a, s.b, s.c, s.d, pos2, r, s.a, s.b, s.c, s.d) ||
           QUADINCUBE(pos1, r, s.a, s.b, s.c, s.d, pos2, r, -1, -1, -1, 1, 1, 1) ||
           anyRoundTestReports(pos1, pos2, numpoints);
}

}  // namespace

TEST(QuadOverlap, AQuadInsideACubeIsNotReportedOnePiercingAFaceIs) {
    EXPECT_FALSE(squareInCube(ORIGIN, ORIGIN, 1));
    EXPECT_TRUE(squareInCube(TGLVector{0, 0, 2}, TGLVector{0, 90, 0}, 1));
    EXPECT_TRUE(squareInCube(ORIGIN, TGLVector{10, 0, 0}, 3));
    EXPECT_FALSE(squareInCube(TGLVector{0, 0, 5}, TGLVector{0, 90, 0}, 1));
}

TEST(QuadOverlap, QuadsInOnePlaneAreNotReportedTiltedAgainstEachOtherTheyAre) {
    const Square s = square(1);
    const TGLVector shifted{1, 1, 0};
    EXPECT_FALSE(QUADINQUAD(ORIGIN, ORIGIN, s.a, s.b, s.c, s.d, shifted, ORIGIN, s.a, s.b, s.c, s.d));
    EXPECT_TRUE(QUADINQUAD(ORIGIN, ORIGIN, s.a, s.b, s.c, s.d, shifted, TGLVector{30, 0, 0}, s.a, s.b, s.c, s.d));
    EXPECT_TRUE(TRIANGLEINQUAD(ORIGIN, ORIGIN, s.a, s.b, s.c, TGLVector{-0.5f, -0.5f, 0}, TGLVector{0, 60, 0}, s.a, s.b,
                               s.c, s.d));
}

TEST(SolidOverlap, CrossingSurfacesAreReportedASolidWhollyInsideAnotherIsNot) {
    // A wheel-sized cylinder lying across an upright post, then inside a wide drum.
    const TGLVector lying{0, 0, 90};
    EXPECT_TRUE(CYLINDERINCYLINDER(TGLVector{1, 2, 0}, lying, 8, 1, 2, ORIGIN, ORIGIN, 6, 1.5f, 5));
    EXPECT_FALSE(CYLINDERINCYLINDER(TGLVector{1, 2, 0}, lying, 8, 0.5f, 2, TGLVector{0, -1, 0}, ORIGIN, 12, 5, 6));
    EXPECT_TRUE(MORPHCONEINCYLINDER(ORIGIN, TGLVector{90, 0, 0}, 10, 0.5f, 1, 6, TGLVector{0, -1, 2}, ORIGIN, 8, 2, 2));
    EXPECT_FALSE(MORPHCONEINMORPHCONE(TGLVector{0, 1, 0}, ORIGIN, 10, 0.2f, 0.5f, 1, ORIGIN, ORIGIN, 12, 3, 4, 4));
    EXPECT_TRUE(CUBEINMORPHCONE(TGLVector{0, 3, 0}, ORIGIN, -1, -1, -1, 1, 1, 1, ORIGIN, ORIGIN, 12, 1, 2, 3));
    // A box resting its face on a cylinder's side.
    EXPECT_TRUE(CUBEINCYLINDER(TGLVector{0, 1, 1.9f}, ORIGIN, -1, 0, 0, 1, 1, 1, ORIGIN, ORIGIN, 8, 2, 3));
}

TEST(SolidOverlap, SolidsFarApartAreNeverReportedWhateverTheirSegments) {
    for (int numpoints : {1, 2, 3, 8, 20}) {
        EXPECT_FALSE(anyTestReports(ORIGIN, TGLVector{100, 0, 0}, numpoints)) << numpoints;
        EXPECT_FALSE(anyTestReports(TGLVector{0, -50, 7}, TGLVector{0, 50, 7}, numpoints)) << numpoints;
    }
    EXPECT_TRUE(anyTestReports(ORIGIN, TGLVector{0.5f, 0.5f, 0.5f}, 8));
}

TEST(SolidOverlap, ConesOfNoSegmentsHaveNoSidesAndAnySegmentCountWorks) {
    // Cutting through the cone's slanted side from its axis outwards.
    const TGLVector across{0, 1.5f, 0}, upright{90, 0, 0};
    for (int numpoints : {-1, 0}) {
        EXPECT_FALSE(squareInCone(across, upright, 3, numpoints)) << numpoints;
        EXPECT_FALSE(anyRoundTestReports(ORIGIN, TGLVector{0.5f, 0.5f, 0.5f}, numpoints)) << numpoints;
    }
    for (int numpoints : {3, 99, 100, 150}) {
        EXPECT_TRUE(squareInCone(across, upright, 3, numpoints)) << numpoints;
        EXPECT_FALSE(squareInCone(across, upright, 0.5f, numpoints)) << numpoints;
    }
    // One segment: the side is a seam line and a sliver, nothing with area.
    EXPECT_FALSE(squareInCone(TGLVector{0, 1.5f, 0}, ORIGIN, 0.5f, 1));
}

TEST(SolidOverlap, NotANumberHugeAndZeroInputsAnswerQuietly) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = std::numeric_limits<float>::max();
    EXPECT_FALSE(anyTestReports(TGLVector{nan, 0, 0}, ORIGIN, 8));
    EXPECT_FALSE(CYLINDERINCYLINDER(ORIGIN, TGLVector{nan, 0, 0}, 8, 2, 3, ORIGIN, ORIGIN, 8, 2, 3));
    EXPECT_FALSE(QUADINCUBE(ORIGIN, ORIGIN, TGLVector{nan, nan, nan}, ORIGIN, ORIGIN, ORIGIN, ORIGIN, ORIGIN, -1, -1,
                            -1, 1, 1, 1));
    EXPECT_FALSE(anyTestReports(TGLVector{huge, huge, huge}, TGLVector{-huge, 0, huge}, 8));
    // Whatever they answer, huge sizes and turns must not fault.
    CYLINDERINCYLINDER(ORIGIN, TGLVector{1e30f, -1e30f, 1e30f}, 8, huge, huge, ORIGIN, ORIGIN, 8, 2, 3);
    CUBEINCYLINDER(ORIGIN, ORIGIN, -huge, -huge, -huge, huge, huge, huge, ORIGIN, ORIGIN, 8, 2, 3);
    // Zero-sized solids have no area to cross.
    EXPECT_FALSE(CYLINDERINCYLINDER(ORIGIN, ORIGIN, 8, 0, 0, ORIGIN, ORIGIN, 8, 0, 0));
    EXPECT_FALSE(QUADINCUBE(ORIGIN, ORIGIN, ORIGIN, ORIGIN, ORIGIN, ORIGIN, ORIGIN, ORIGIN, 0, 0, 0, 0, 0, 0));
}
