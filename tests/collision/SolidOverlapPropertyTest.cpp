// Random boxes, quads and cylinders against point sampling: one surface is
// sampled densely and each point is placed inside or outside the other solid.
// Points clearly on both sides mean the surfaces cross; all clearly on one
// side mean they do not (a solid wholly inside another is not reported).
#include "ReferenceGeometry.h"

#include "KEVA_Collision/SolidTests.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace collision;
using reference::Vec;

namespace {

// The sanitizer build, some thirty times slower, checks a tenth of the cases.
#ifdef __SANITIZE_ADDRESS__
constexpr int CASES = 1000;
#else
constexpr int CASES = 10000;
#endif

// The unit's angle tolerance lets a crossing count up to 1.25 % of a
// triangle's edge outside it: closer calls than this are not made.
constexpr double MARGIN_SHARE = 0.015;

struct Placed {
    Vec pos, rot;
    TGLVector POS() const { return reference::glvector(pos); }
    TGLVector ROT() const { return reference::glvector(rot); }
};

// Positions and turns as floats, so that the reference sees what the unit sees.
Placed randomPlacement(std::mt19937& random, double spread) {
    Placed p{reference::uniformVec(random, -spread, spread), reference::uniformVec(random, -180, 180)};
    p.pos = reference::vec(p.POS());
    p.rot = reference::vec(p.ROT());
    return p;
}

double asFloat(double v) { return static_cast<float>(v); }

struct Box {
    Placed place;
    Vec low, high;
    double longestEdge() const {  // the faces' diagonals
        const Vec d = high - low;
        return std::max({std::hypot(d.x, d.y), std::hypot(d.y, d.z), std::hypot(d.x, d.z)});
    }
    reference::ConvexSolid solid() const { return reference::box(place.pos, place.rot, low, high); }
    std::vector<reference::Triangle> surface() const { return reference::boxSurface(place.pos, place.rot, low, high); }
};

Box randomBox(std::mt19937& random, double spread, double scale) {
    Box b{randomPlacement(random, spread), {}, {}};
    for (double Vec::*axis : {&Vec::x, &Vec::y, &Vec::z}) {
        b.low.*axis = asFloat(scale * reference::uniform(random, -1, 0));
        b.high.*axis = asFloat(b.low.*axis + scale * reference::uniform(random, 0.4, 2));
    }
    return b;
}

struct Cylinder {
    Placed place;
    int numpoints;
    double r, h;
    double longestEdge() const { return std::max(r, std::hypot(h, 2 * r * std::sin(M_PI / numpoints))); }
    reference::ConvexSolid solid() const { return reference::prism(place.pos, place.rot, numpoints, r, h); }
    std::vector<reference::Triangle> surface() const {
        return reference::prismSurface(place.pos, place.rot, numpoints, r, h);
    }
};

Cylinder randomCylinder(std::mt19937& random, double spread, double scale) {
    return Cylinder{randomPlacement(random, spread), std::uniform_int_distribution<int>(3, 10)(random),
                    asFloat(scale * reference::uniform(random, 0.3, 1.5)),
                    asFloat(scale * reference::uniform(random, 0.3, 2.5))};
}

struct QuadShape {
    Placed place;
    Vec a, b, c, d;
    double longestEdge() const {
        return std::max({reference::length(b - a), reference::length(c - a), reference::length(c - b),
                         reference::length(d - b), reference::length(d - c)});
    }
    std::vector<reference::Triangle> surface() const {
        const auto placed = [this](const Vec& p) { return reference::place(place.pos, place.rot, p); };
        return {{placed(a), placed(b), placed(c)}, {placed(c), placed(b), placed(d)}};
    }
    TGLVector A() const { return reference::glvector(a); }
    TGLVector B() const { return reference::glvector(b); }
    TGLVector C() const { return reference::glvector(c); }
    TGLVector D() const { return reference::glvector(d); }
};

// A roughly square, slightly bent quad about 1 to 3 across times `scale`.
QuadShape randomQuad(std::mt19937& random, double spread, double scale) {
    QuadShape q{randomPlacement(random, spread), {}, {}, {}, {}};
    const double size = scale * reference::uniform(random, 0.5, 1.5);
    const auto corner = [&](double x, double y) {
        return reference::vec(
            reference::glvector(Vec{x * size, y * size, 0} + scale * reference::uniformVec(random, -0.3, 0.3)));
    };
    q.a = corner(-1, -1);
    q.b = corner(1, -1);
    q.c = corner(-1, 1);
    q.d = corner(1, 1);
    return q;
}

// One random pair: the sampled surface, the other solid, the longest triangle
// edge of both, and what the unit answers.
struct Pair {
    std::vector<reference::Triangle> surface;
    reference::ConvexSolid other;
    double longestEdge;
    std::function<bool()> answer;
};

void checkPairs(const char* name, std::uint32_t seed, const std::function<Pair(std::mt19937&)>& make) {
    std::mt19937 random(seed);
    int crossed = 0, apart = 0, inside = 0, skipped = 0;
    for (int i = 0; i < CASES; ++i) {
        const Pair pair = make(random);
        const double margin = MARGIN_SHARE * pair.longestEdge;
        const reference::Verdict verdict = reference::classify(pair.surface, pair.other, margin, margin);
        if (verdict == reference::Verdict::TooClose) {
            ++skipped;
            continue;
        }
        const bool expected = verdict == reference::Verdict::Cross;
        crossed += expected;
        apart += verdict == reference::Verdict::Apart;
        inside += verdict == reference::Verdict::Inside;
        ASSERT_EQ(pair.answer(), expected) << name << " case " << i;
    }
    std::printf("%s: %d crossing, %d apart, %d wholly inside; %d of %d skipped as too close to call (%.1f %%)\n", name,
                crossed, apart, inside, skipped, CASES, 100.0 * skipped / CASES);
    EXPECT_LT(skipped, CASES / 5);
    EXPECT_GT(crossed, CASES / 5);
    EXPECT_GT(apart, CASES / 10);
    EXPECT_GT(inside, CASES / 100);
}

}  // namespace

TEST(SolidOverlapSampled, QuadAgainstCube) {
    checkPairs("quad in cube", 1, [](std::mt19937& random) {
        const QuadShape q = randomQuad(random, 1.5, reference::uniform(random, 0.2, 1));
        const Box b = randomBox(random, 0.5, reference::uniform(random, 1, 2.5));
        return Pair{q.surface(), b.solid(), std::max(q.longestEdge(), b.longestEdge()), [q, b] {
                        return QUADINCUBE(q.place.POS(), q.place.ROT(), q.A(), q.B(), q.C(), q.D(), b.place.POS(),
                                          b.place.ROT(), b.low.x, b.low.y, b.low.z, b.high.x, b.high.y, b.high.z);
                    }};
    });
}

TEST(SolidOverlapSampled, QuadAgainstCylinder) {
    checkPairs("quad in cylinder", 2, [](std::mt19937& random) {
        const QuadShape q = randomQuad(random, 1.5, reference::uniform(random, 0.2, 1));
        const Cylinder c = randomCylinder(random, 0.5, reference::uniform(random, 1, 2.5));
        return Pair{q.surface(), c.solid(), std::max(q.longestEdge(), c.longestEdge()), [q, c] {
                        return QUADINCYLINDER(q.place.POS(), q.place.ROT(), q.A(), q.B(), q.C(), q.D(), c.place.POS(),
                                              c.place.ROT(), c.numpoints, c.r, c.h);
                    }};
    });
}

TEST(SolidOverlapSampled, CubeAgainstCylinder) {
    checkPairs("cube in cylinder", 3, [](std::mt19937& random) {
        const Box b = randomBox(random, 1.5, reference::uniform(random, 0.2, 1));
        const Cylinder c = randomCylinder(random, 0.5, reference::uniform(random, 1, 2.5));
        return Pair{b.surface(), c.solid(), std::max(b.longestEdge(), c.longestEdge()), [b, c] {
                        return CUBEINCYLINDER(b.place.POS(), b.place.ROT(), b.low.x, b.low.y, b.low.z, b.high.x,
                                              b.high.y, b.high.z, c.place.POS(), c.place.ROT(), c.numpoints, c.r, c.h);
                    }};
    });
}

TEST(SolidOverlapSampled, CylinderAgainstCylinder) {
    checkPairs("cylinder in cylinder", 4, [](std::mt19937& random) {
        const Cylinder c1 = randomCylinder(random, 1.5, reference::uniform(random, 0.2, 1));
        const Cylinder c2 = randomCylinder(random, 0.5, reference::uniform(random, 1, 2.5));
        return Pair{c1.surface(), c2.solid(), std::max(c1.longestEdge(), c2.longestEdge()), [c1, c2] {
                        return CYLINDERINCYLINDER(c1.place.POS(), c1.place.ROT(), c1.numpoints, c1.r, c1.h,
                                                  c2.place.POS(), c2.place.ROT(), c2.numpoints, c2.r, c2.h);
                    }};
    });
}
