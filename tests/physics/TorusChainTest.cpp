// Tori made of convex segments collide as rings: linked rings stay linked.
#include "physics/BodyTestSupport.h"

#include "KEVA_Physics/PhyPointBodies.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr float RING_RADIUS = 2;
constexpr float TUBE_RADIUS = 0.3f;

// Whether the centre circles of two rings are linked: the circle of b crosses
// the disc of a an odd number of times.
bool linked(const NewtonBody* a, const NewtonBody* b) {
    const Vec centre = worldPoint(a, {});
    const Vec axis = worldPoint(a, {0, 0, 1}) - centre;
    auto height = [&](const Vec& p) { return dot(p - centre, axis); };
    constexpr int SAMPLES = 720;
    int crossings = 0;
    Vec previous = worldPoint(b, {RING_RADIUS, 0, 0});
    for (int k = 1; k <= SAMPLES; ++k) {
        const float t = 2 * std::numbers::pi_v<float> * k / SAMPLES;
        const Vec current = worldPoint(b, {RING_RADIUS * std::cos(t), RING_RADIUS * std::sin(t), 0});
        const float h0 = height(previous), h1 = height(current);
        if ((h0 < 0) != (h1 < 0)) {
            const Vec hit = previous + (current - previous) * (h0 / (h0 - h1));
            if (length(hit - centre) < RING_RADIUS) ++crossings;
        }
        previous = current;
    }
    return crossings % 2 == 1;
}

}  // namespace

class TorusChain : public BodyScene {};

TEST_F(TorusChain, TwoLinkedToriDroppedOnTheFloorStayLinked) {
    std::array<PHY_CUSTOMFACETORUS, 2> rings;
    rings[0].SETCUSTOMFACETORUS(world, GLVECTOR(0, 7, 0), GLVECTOR(0, 0, 0), TUBE_RADIUS, RING_RADIUS, 20, 10);
    rings[1].SETCUSTOMFACETORUS(world, GLVECTOR(0, 4, 0), GLVECTOR(0, 90, 0), TUBE_RADIUS, RING_RADIUS, 20, 10);
    const NewtonBody* a = rings[0].COMPOUND.NEWBODY;
    const NewtonBody* b = rings[1].COMPOUND.NEWBODY;
    ASSERT_TRUE(linked(a, b));
    for (int second = 1; second <= 5; ++second) {
        simulate(world, 1);
        ASSERT_TRUE(linked(a, b)) << "after " << second << " s";
    }
    for (const NewtonBody* ring : {a, b}) {
        EXPECT_GT(lowestPoint(ring), -0.1f) << "no ring sank into the floor";
        EXPECT_LT(length(velocityOf(ring)), 0.2f) << "the rings have settled";
    }
}

TEST_F(TorusChain, AChainHangsFromAStaticRing) {
    // As the chain scene builds it: rings 3 apart, each turned a quarter from the one above.
    std::array<PHY_CUSTOMFACETORUS, 4> rings;
    for (int i = 0; i < 4; ++i)
        rings[i].SETCUSTOMFACETORUS(world, GLVECTOR(0, 15 - 3 * i, 0), GLVECTOR(0, 90 * i, 0), TUBE_RADIUS, RING_RADIUS,
                                    20, i == 0 ? 0 : 10);
    simulate(world, 4);
    for (int i = 1; i < 4; ++i)
        EXPECT_TRUE(linked(rings[i - 1].COMPOUND.NEWBODY, rings[i].COMPOUND.NEWBODY)) << "rings " << i - 1 << ", " << i;
    EXPECT_GT(positionOf(rings[3].COMPOUND.NEWBODY).y, 3) << "the last ring still hangs";
}
