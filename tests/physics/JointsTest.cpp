// The layer's joints join the right bodies at the right points, take their
// limits in degrees, and hold the joint scene's bridge and rod chain together.
#include "physics/JointProbe.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyJoints.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using Joints = PhysicsTest;

constexpr float kStep = 1.0f / 60.0f;

// Over some seconds: the largest gap any of the pivots opened, whether every
// watched body stayed finite, and the lowest any of them came.
struct Watch {
    float worstGap = 0;
    bool finiteThroughout = true;
    float lowest = 1e9f;
};

Watch watch(const NewtonWorld* world, const std::vector<Pivot>& pivots, const std::vector<NewtonBody*>& bodies,
            float seconds) {
    Watch seen;
    for (int step = 0; step < std::lround(seconds / kStep); ++step) {
        NewtonUpdate(world, 12000);  // the scenes' step: the engine keeps it to 1/60 s
        for (const Pivot& pivot : pivots) seen.worstGap = std::max(seen.worstGap, pivot.gap());
        for (const NewtonBody* body : bodies) {
            const Vec at = positionOf(body);
            seen.finiteThroughout &= finite(at);
            seen.lowest = std::min(seen.lowest, at.y);
        }
    }
    return seen;
}

float swingDegrees(const Vec& pivot, const Vec& bob) {
    const Vec arm = bob - pivot;
    return std::acos(std::clamp(-arm.y / length(arm), -1.0f, 1.0f)) * 180 / 3.14159265f;
}

struct SpringLink {
    int num;
    Vec pivot;  // where a chain from the origin down y with links 2 long puts it
};

class SpringPivot : public Joints, public ::testing::WithParamInterface<SpringLink> {};

TEST_P(SpringPivot, TheChildSwingsFreelyRoundTheFarEndOfItsLink) {
    const SpringLink link = GetParam();
    PHY_Sphere bob;
    bob.SETSPHERE(world, GLVECTOR(link.pivot.x, link.pivot.y - 2, link.pivot.z), GLVECTOR(0, 0, 0),
                  GLVECTOR(0.3, 0.3, 0.3), 12, 1);
    PHY_ADDJOINTSPRING(world, nullptr, bob.NEWBODY, GLVECTOR(0, 0, 0), GLVECTOR(0, -1, 0), 2, link.num);
    const Vec kick{5, 0, 0};
    NewtonBodySetVelocity(bob.NEWBODY, &kick.x);

    float worstArm = 0;
    float widestSwing = 0;
    for (int step = 0; step < 120; ++step) {
        NewtonUpdate(world, kStep);
        const Vec at = positionOf(bob.NEWBODY);
        worstArm = std::max(worstArm, std::fabs(length(at - link.pivot) - 2));
        widestSwing = std::max(widestSwing, swingDegrees(link.pivot, at));
    }
    EXPECT_LT(worstArm, 0.05f);
    // A kick of 5 units/s lifts a free pendulum 2 long about 68 degrees.
    EXPECT_GT(widestSwing, 55);
}

INSTANTIATE_TEST_SUITE_P(Links, SpringPivot,
                         ::testing::Values(SpringLink{0, {0, -1, 0}}, SpringLink{3, {0, -7, 0}}));

TEST_F(Joints, ABallConeLimitIsGivenInDegrees) {
    PHY_Box bob;
    bob.SETBOX(world, GLVECTOR(0, -2, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.3, 0.3, 0.3), 2);
    const NewtonJoint* joint =
        PHY_ADDJOINTBALL(world, nullptr, bob.NEWBODY, GLVECTOR(0, 0, 0), GLVECTOR(0, -1, 0), 20);
    ASSERT_NE(joint, nullptr);
    const Vec kick{5, 0, 0};
    NewtonBodySetVelocity(bob.NEWBODY, &kick.x);
    float widestSwing = 0;
    for (int step = 0; step < 120; ++step) {
        NewtonUpdate(world, kStep);
        widestSwing = std::max(widestSwing, swingDegrees({0, 0, 0}, positionOf(bob.NEWBODY)));
    }
    EXPECT_GT(widestSwing, 15);
    EXPECT_LT(widestSwing, 24);
}

TEST_F(Joints, ASliderFollowsItsDirectionThroughItsPivot) {
    // A slanted rail from the fixed world: the block slides down along (1, -1, 0).
    PHY_Box block;
    block.SETBOX(world, GLVECTOR(0, 5, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 3);
    ASSERT_NE(PHY_ADDJOINTSLIDER(world, nullptr, block.NEWBODY, GLVECTOR(0, 5, 0), GLVECTOR(1, -1, 0)), nullptr);
    simulate(world, 1);
    const Vec at = positionOf(block.NEWBODY);
    EXPECT_LT(at.y, 3);
    EXPECT_NEAR(at.x, 5 - at.y, 0.02f);
    EXPECT_NEAR(at.z, 0, 0.02f);
}

TEST_F(Joints, TheHingedBridgeOfTheJointSceneHangsBetweenItsPadsInOnePiece) {
    std::vector<PHY_Box> boxes(6);
    for (int i = 1; i <= 6; ++i) {
        const bool pad = i == 1 || i == 6;
        const float x = i == 1 ? -12 : i == 6 ? 8.5f : (i - 1) * 4.1f - 12;
        boxes[i - 1].SETBOX(world, GLVECTOR(x, 12, 0), GLVECTOR(0, 0, 0), GLVECTOR(2, 0.25, 2), pad ? 0 : 25);
        if (!pad) PHY_SETRNDORIENTBODY(boxes[i - 1].NEWBODY, 20, 0, 0);
    }
    std::vector<Pivot> pivots;
    std::vector<NewtonBody*> bodies;
    for (const PHY_Box& box : boxes) bodies.push_back(box.NEWBODY);
    for (int i = 0; i < 5; ++i) {
        const float x = -9.9f + 4 * i;
        PHY_ADDJOINTHINGE(world, boxes[i].NEWBODY, boxes[i + 1].NEWBODY, GLVECTOR(x, 12, 0), GLVECTOR(1, 0, 1));
        pivots.emplace_back(boxes[i].NEWBODY, boxes[i + 1].NEWBODY, Vec{x, 12, 0});
    }
    const Watch seen = watch(world, pivots, bodies, 4);
    EXPECT_TRUE(seen.finiteThroughout);
    EXPECT_LT(seen.worstGap, 0.1f);
    EXPECT_GT(seen.lowest, 10) << "the bridge fell";
}

TEST_F(Joints, TheBallJointedRodChainOfTheJointSceneSwingsDownInOnePiece) {
    PHY_Box top;
    PHY_Box end;
    top.SETBOX(world, GLVECTOR(-13, 13, 5), GLVECTOR(0, 0, 0), GLVECTOR(1, 1, 1), 0);
    std::vector<PHY_Cylinder> rods(7);
    for (int k = 0; k < 7; ++k) {
        rods[k].SETCYLINDER(world, GLVECTOR(-2, 0, 0), GLVECTOR(0, 0, 0), 0.25f, 2, 20, 15);
        PHY_SETBODYPOSITION(rods[k].NEWBODY, GLVECTOR(2 * k - 12, 12, 5));
    }
    end.SETBOX(world, GLVECTOR(1, 11, 5), GLVECTOR(0, 0, 0), GLVECTOR(1, 1, 1), 20);

    std::vector<const NewtonBody*> chain = {top.NEWBODY};
    for (const PHY_Cylinder& rod : rods) chain.push_back(rod.NEWBODY);
    chain.push_back(end.NEWBODY);
    std::vector<Pivot> pivots;
    for (std::size_t k = 1; k < chain.size(); ++k) {
        const float x = 2.0f * static_cast<float>(k) - 15;
        PHY_ADDJOINTBALL(world, chain[k - 1], chain[k], GLVECTOR(x, 12, 5), GLVECTOR(0, 1, 0), 0);
        pivots.emplace_back(chain[k - 1], chain[k], Vec{x, 12, 5});
    }
    const Watch seen = watch(world, pivots, {end.NEWBODY}, 4);
    EXPECT_TRUE(seen.finiteThroughout);
    EXPECT_LT(seen.worstGap, 0.1f);
    EXPECT_LT(seen.lowest, 0) << "the chain swung down from its top box";
}

}  // namespace
