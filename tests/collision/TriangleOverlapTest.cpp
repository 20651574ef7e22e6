// Spheres, points in triangles and crossing triangles: the cases a reader of
// the unit would check first, then random cases against exact computations.
#include "ReferenceGeometry.h"

#include "KEVA_Collision/TriangleTests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace collision;

namespace {

bool crossing(const TGLVector& a1, const TGLVector& b1, const TGLVector& c1, const TGLVector& a2, const TGLVector& b2,
              const TGLVector& c2) {
    return TRIANGLEINTRIANGLE(ORIGIN, ORIGIN, a1, b1, c1, ORIGIN, ORIGIN, a2, b2, c2);
}

// The largest angle of a triangle, in degrees.
double largestAngle(const reference::Triangle& t) {
    double largest = 0;
    for (int i = 0; i < 3; ++i) {
        const reference::Vec u = t[(i + 1) % 3] - t[i], v = t[(i + 2) % 3] - t[i];
        largest = std::max(largest, std::acos(reference::dot(u, v) / (reference::length(u) * reference::length(v))));
    }
    return largest * 180 / M_PI;
}

double longestEdge(const reference::Triangle& t) {
    return std::max({reference::length(t[1] - t[0]), reference::length(t[2] - t[1]), reference::length(t[0] - t[2])});
}

// Distance from a point in the triangle's plane to the triangle, and whether it is inside.
double distanceToTriangle(const reference::Vec& p, const reference::Triangle& t, bool& inside) {
    const reference::Vec n = reference::cross(t[1] - t[0], t[2] - t[0]);
    inside = true;
    double nearest = INFINITY;
    for (int i = 0; i < 3; ++i) {
        const reference::Vec& a = t[i];
        const reference::Vec& b = t[(i + 1) % 3];
        if (reference::dot(reference::cross(b - a, p - a), n) < 0) inside = false;
        nearest = std::min(nearest, reference::distanceToSegment(p, a, b));
    }
    return nearest;
}

void reportSkipped(const char* what, int skipped, int cases) {
    std::printf("%s: %d of %d cases skipped as too close to call (%.1f %%)\n", what, skipped, cases,
                100.0 * skipped / cases);
    EXPECT_LT(skipped, cases / 5);
}

}  // namespace

TEST(SphereOverlap, TouchingSpheresCountSeparatedOnesDoNot) {
    EXPECT_TRUE(SPHEREINSIDESPHERE2(TGLVector{0, 0, 0}, TGLVector{2, 0, 0}, 1, 1));
    EXPECT_TRUE(SPHEREINSIDESPHERE2(TGLVector{1, 1, 1}, TGLVector{1, 1, 1}, 0, 0));
    EXPECT_FALSE(SPHEREINSIDESPHERE2(TGLVector{0, 0, 0}, TGLVector{0, 2.01f, 0}, 1, 1));
}

TEST(PointInTriangle, CentroidIsInsideACornerOnlyWhereTheTriangleIsStraight) {
    const TGLVector a{0, 0, 0}, b{4, 0, 0}, c{0, 3, 0};
    EXPECT_TRUE(POINTINTRIANGLE(TGLVector{4 / 3.0f, 1, 0}, a, b, c, 0));
    EXPECT_EQ(PIT.B.X, 4);  // the triangle tested is kept
    EXPECT_FALSE(POINTINTRIANGLE(a, a, b, c, 0));
    EXPECT_FALSE(POINTINTRIANGLE(b, a, b, c, 0));
    // The angle at b is within 0.1 radian of a straight angle.
    const TGLVector flat{8, 0.1f, 0};
    EXPECT_TRUE(POINTINTRIANGLE(b, a, b, flat, 0));
    // A wider tolerance lets points just outside count.
    EXPECT_FALSE(POINTINTRIANGLE(TGLVector{-0.3f, 1, 0}, a, b, c, 0));
    EXPECT_TRUE(POINTINTRIANGLE(TGLVector{-0.3f, 1, 0}, a, b, c, 1));
}

TEST(PointInTriangle, AgreesWithBarycentricCoordinates) {
    std::mt19937 random(6);
    constexpr int CASES = 10000;
    int skipped = 0;
    for (int i = 0; i < CASES; ++i) {
        reference::Triangle t;
        do {
            for (reference::Vec& corner : t) corner = reference::uniformVec(random, -10, 10);
        } while (largestAngle(t) > 160);
        TGLVector corners[3];
        for (int k = 0; k < 3; ++k) {
            corners[k] = reference::glvector(t[k]);
            t[k] = reference::vec(corners[k]);
        }
        const double w1 = reference::uniform(random, -0.3, 1.3), w2 = reference::uniform(random, -0.3, 1.3);
        const reference::Vec p = t[0] + w1 * (t[1] - t[0]) + w2 * (t[2] - t[0]);
        bool inside = false;
        const double distance = distanceToTriangle(p, t, inside);
        const double longest = longestEdge(t);
        if (inside ? distance < 1e-4 * longest : distance <= 0.02 * longest) {
            ++skipped;
            continue;
        }
        const TGLVector point = reference::glvector(p);
        ASSERT_EQ(POINTINTRIANGLE(point, corners[0], corners[1], corners[2], 0), inside) << "case " << i;
    }
    reportSkipped("point in triangle", skipped, CASES);
}

TEST(TriangleCrossing, CoplanarOverlapIsNotReportedChainLinksAre) {
    const TGLVector a{0, 0, 0}, b{4, 0, 0}, c{0, 4, 0};
    EXPECT_FALSE(crossing(a, b, c, TGLVector{1, 1, 0}, TGLVector{5, 1, 0}, TGLVector{1, 5, 0}));
    // Two links of a chain: each pierces the other.
    EXPECT_TRUE(crossing(a, b, c, TGLVector{1, 1, -2}, TGLVector{1, 1, 2}, TGLVector{-3, 1, 0}));
    // An edge that ends exactly on the other plane still crosses it.
    EXPECT_TRUE(crossing(a, b, c, TGLVector{1, 1, -2}, TGLVector{1, 1, 0}, TGLVector{2, 2, -2}));
    // Placed: the second triangle moved away stops touching, turned back it touches again.
    const TGLVector far{0, 0, 10};
    EXPECT_FALSE(TRIANGLEINTRIANGLE(ORIGIN, ORIGIN, a, b, c, far, ORIGIN, TGLVector{1, 1, -2}, TGLVector{1, 1, 2},
                                    TGLVector{-3, 1, 0}));
    EXPECT_TRUE(TRIANGLEINTRIANGLE(ORIGIN, ORIGIN, a, b, c, TGLVector{0, 0, 3}, TGLVector{0, 180, 0},
                                   TGLVector{-1, 1, 1}, TGLVector{-1, 1, 5}, TGLVector{3, 1, 3}));
}

TEST(TriangleCrossing, SmallTrianglesTouchLikeLargeOnesAndDegenerateOnesNever) {
    const float leg = 0.03f;
    EXPECT_TRUE(crossing(ORIGIN, TGLVector{leg, 0, 0}, TGLVector{0, leg, 0}, TGLVector{0.01f, 0.01f, -leg / 2},
                         TGLVector{0.01f, 0.01f, leg / 2}, TGLVector{-leg, 0.01f, 0}));
    // A triangle squeezed to a point or a line crosses nothing, and divides by nothing.
    const TGLVector p{1, 1, 0};
    EXPECT_FALSE(crossing(p, p, p, TGLVector{1, 1, -1}, TGLVector{1, 1, 1}, TGLVector{0, 1, 0}));
    EXPECT_FALSE(LINEPLANEINTERSECTIONPOINT(p, p, ORIGIN, TGLVector{0, 0, 1}));
    EXPECT_FALSE(LINEPLANEINTERSECTIONPOINT(ORIGIN, TGLVector{0, 0, 1}, p, TGLVector{0, 0, 0}));
}

TEST(TriangleCrossing, AgreesWithExactSegmentTriangleCrossings) {
    std::mt19937 random(23);
    constexpr int CASES = 10000;
    int skipped = 0, crossed = 0;
    for (int i = 0; i < CASES; ++i) {
        TGLVector local[2][3], pos[2], rot[2];
        reference::Triangle world[2];
        for (int s = 0; s < 2; ++s) {
            pos[s] = reference::glvector(reference::uniformVec(random, -0.25, 0.25));
            rot[s] = reference::glvector(reference::uniformVec(random, -180, 180));
            for (int k = 0; k < 3; ++k) {
                local[s][k] = reference::glvector(reference::uniformVec(random, -1, 1));
                world[s][k] =
                    reference::place(reference::vec(pos[s]), reference::vec(rot[s]), reference::vec(local[s][k]));
            }
        }
        bool expected = false, tooClose = false;
        for (int s = 0; s < 2; ++s)
            for (int k = 0; k < 3; ++k) {
                const reference::Crossing c =
                    reference::crossingOf(world[1 - s][k], world[1 - s][(k + 1) % 3], world[s]);
                if (!c.meetsPlane || c.parameter < -1e-3 || c.parameter > 1 + 1e-3) continue;
                const bool onEnds = c.parameter < 1e-3 || c.parameter > 1 - 1e-3;
                const bool nearTriangle = c.inside || c.edgeShare < 0.015;
                // Near the triangle's edges the unit's angle tolerance decides; near
                // its plane the parallel test; near the segment's ends rounding.
                if (nearTriangle && (onEnds || c.cosine < 0.002 || c.edgeShare < (c.inside ? 1e-4 : 0.015)))
                    tooClose = true;
                expected = expected || (c.inside && c.parameter >= 0 && c.parameter <= 1);
            }
        if (tooClose) {
            ++skipped;
            continue;
        }
        crossed += expected;
        ASSERT_EQ(TRIANGLEINTRIANGLE(pos[0], rot[0], local[0][0], local[0][1], local[0][2], pos[1], rot[1], local[1][0],
                                     local[1][1], local[1][2]),
                  expected)
            << "case " << i;
    }
    reportSkipped("triangle against triangle", skipped, CASES);
    std::printf("triangle against triangle: %d of the cases called cross\n", crossed);
    EXPECT_GT(crossed, CASES / 5);
}
