// Hair: how a chain is laid out and joined, and how it hangs, holds a load and
// settles in the hair scene.
#include "physics/HairScene.h"
#include "physics/JointProbe.h"

#include "KEVA_Physics/PhyHair.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "kestrova/Matrix.h"

#include <algorithm>
#include <vector>

namespace {

using Hair = PhysicsTest;

Vec alongHair(const PHY_Hair& hair, float pieces) {
    return vec(hair.POS) + vec(hair.DIR) * (hair.LENGTH_ * pieces);
}

// Where the root meets its parent and where each piece meets the next.
std::vector<Pivot> hairPivots(const PHY_Hair& hair, const NewtonBody* parent) {
    std::vector<Pivot> pivots = {Pivot(parent, hair.HAIR.front().NEWBODY, vec(hair.POS))};
    for (std::size_t j = 0; j + 1 < hair.HAIR.size(); ++j) {
        pivots.emplace_back(hair.HAIR[j].NEWBODY, hair.HAIR[j + 1].NEWBODY,
                            alongHair(hair, static_cast<float>(j) + 0.5f));
    }
    return pivots;
}

float widestGap(const std::vector<Pivot>& pivots) {
    float widest = 0;
    for (const Pivot& pivot : pivots) widest = std::max(widest, pivot.gap());
    return widest;
}

// Kicks `body`, then the widest any pivot opens over three seconds of scene steps.
float widestGapAfterKick(const NewtonWorld* world, const std::vector<Pivot>& pivots, const NewtonBody* body,
                         const Vec& kick) {
    NewtonBodySetVelocity(body, &kick.x);
    float widest = 0;
    for (int frame = 0; frame < 180; ++frame) {
        NewtonUpdate(world, 12000);
        widest = std::max(widest, widestGap(pivots));
    }
    return widest;
}

TEST_F(Hair, OneOrTwoPiecesMakeAHairWithoutJoints) {
    PHY_Hair one;
    PHY_Hair two;
    one.SETHAIR(world, GLVECTOR(0, 10, 0), GLVECTOR(0, -1, 0), 0.45f, 14, 5, 0);
    two.SETHAIR(world, GLVECTOR(3, 10, 0), GLVECTOR(0, -1, 0), 0.45f, 14, 5, 1);
    ASSERT_EQ(one.HAIR.size(), 1u);
    EXPECT_FLOAT_EQ(one.HAIR[0].H, 14);
    ASSERT_EQ(two.HAIR.size(), 2u);
    EXPECT_FLOAT_EQ(two.HAIR[1].H, 7);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 0);

    one.ATTACHHAIR(nullptr);
    simulate(world, 0.5f);
    EXPECT_TRUE(finite(positionOf(two.HAIR[1].NEWBODY)));
}

struct Layout {
    TGLVector dir;
    TGLVector rotation;  // how a piece is turned from the engine's x-axis cylinder
};

class HairLayout : public Hair, public ::testing::WithParamInterface<Layout> {};

TEST_P(HairLayout, PiecesLieEndToEndAlongTheChain) {
    const Layout layout = GetParam();
    PHY_Hair hair;
    hair.SETHAIR(world, GLVECTOR(1, 2, 3), layout.dir, 0.45f, 11, 5, 10);
    ASSERT_EQ(hair.HAIR.size(), 11u);
    const TGLBaseMatrix turned = MATRIXEULERRAD(layout.rotation);
    for (std::size_t i = 0; i < hair.HAIR.size(); ++i) {
        const PHY_HairPice& piece = hair.HAIR[i];
        EXPECT_FLOAT_EQ(piece.H, 1);
        EXPECT_FLOAT_EQ(piece.RADIUS, 0.045f);
        EXPECT_EQ(piece.QUALITY, 3);
        const TGLBaseMatrix m = matrixOf(piece.NEWBODY);
        EXPECT_LT(length(positionOf(piece.NEWBODY) - alongHair(hair, static_cast<float>(i))), 1e-4f);
        for (int e : {0, 1, 2, 4, 5, 6, 8, 9, 10}) EXPECT_NEAR(m[e], turned[e], 1e-5f) << "element " << e;
        // The piece's own axis runs along the chain.
        EXPECT_NEAR(std::fabs(dot({m[0], m[1], m[2]}, vec(layout.dir))), 1, 1e-5f);
    }
}

INSTANTIATE_TEST_SUITE_P(MainAxes, HairLayout,
                         ::testing::Values(Layout{GLVECTOR(1, 0, 0), GLVECTOR(0, 0, 0)},
                                           Layout{GLVECTOR(0, -1, 0), GLVECTOR(0, 0, 90)},
                                           Layout{GLVECTOR(0, 0, 1), GLVECTOR(0, 90, 0)}));

TEST_F(Hair, PiecesAreHeavyToTurn) {
    PHY_Hair hair;
    hair.SETHAIR(world, GLVECTOR(0, 0, 0), GLVECTOR(1, 0, 0), 0.45f, 14, 5, 3);
    float mass = 0;
    Vec inertia;
    NewtonBodyGetMassMatrix(hair.HAIR[2].NEWBODY, &mass, &inertia.x, &inertia.y, &inertia.z);
    EXPECT_FLOAT_EQ(mass, 5);
    // The spring-damper acceleration for step 0.25, stiffness 0.5, displacement
    // 2.1, damping 0.35 and speed 2.5 is -2.2375 / 1.11875 = -2.
    EXPECT_NEAR(inertia.x, 2, 1e-5f);
    EXPECT_NEAR(inertia.y, 2, 1e-5f);
    EXPECT_NEAR(inertia.z, 2, 1e-5f);
}

TEST_F(Hair, AHangingHairHoldsALoadTiedToItsTip) {
    PHY_Box hook;
    PHY_Sphere load;
    PHY_Hair hair;
    hook.SETBOX(world, GLVECTOR(0, 10, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 0);
    hair.SETHAIR(world, GLVECTOR(0, 10, 0), GLVECTOR(0, -1, 0), 0.45f, 11, 1, 10);
    // Inner neighbours are held twice, the first and last pair once.
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 18);
    hair.ATTACHHAIR(hook.NEWBODY);
    load.SETSPHERE(world, GLVECTOR(0, -1, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 12, 5);
    hair.ATTACHTOHAIR(load.NEWBODY, true);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 20);

    std::vector<Pivot> pivots = hairPivots(hair, hook.NEWBODY);
    pivots.emplace_back(hair.HAIR.back().NEWBODY, load.NEWBODY, alongHair(hair, 10.5f));
    EXPECT_LT(widestGapAfterKick(world, pivots, load.NEWBODY, {4, 0, 2}), 0.1f);
    EXPECT_LT(positionOf(load.NEWBODY).y, 4);
}

TEST_F(Hair, AHookHingedToARopeStaysAtItsEnd) {
    // The cargo crane's rope and hook under a fixed trolley.
    PHY_Box trolley;
    PHY_Box hook;
    PHY_Hair rope;
    trolley.SETBOX(world, GLVECTOR(0, 22.15, 0), GLVECTOR(0, 0, 0), GLVECTOR(1, 0.5, 1), 0);
    rope.SETHAIR(world, GLVECTOR(0, 21.25, 0), GLVECTOR(0, -1, 0), 0.7f, 16, 0.4f, 16);
    rope.ATTACHHAIR(trolley.NEWBODY);
    hook.SETBOX(world, GLVECTOR(0, 5.25, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 18);
    rope.ATTACHTOHAIR(hook.NEWBODY, false);

    std::vector<Pivot> pivots = hairPivots(rope, trolley.NEWBODY);
    // Hinged about the rope's own line, the hook keeps both its top and its
    // centre where the last piece carries them.
    const NewtonBody* last = rope.HAIR.back().NEWBODY;
    pivots.emplace_back(last, hook.NEWBODY, alongHair(rope, 16.5f));
    pivots.emplace_back(last, hook.NEWBODY, Vec{0, 5.25f, 0});
    EXPECT_LT(widestGapAfterKick(world, pivots, hook.NEWBODY, {3, 0, 0}), 0.15f);
}

TEST_F(Hair, SettingAHairUpAgainStartsOverInTheNewWorld) {
    PHY_Hair hair;
    hair.SETHAIR(world, GLVECTOR(0, 10, 0), GLVECTOR(0, -1, 0), 0.45f, 14, 5, 10);
    NewtonWorld* rebuilt = NewtonCreate(nullptr, nullptr);
    hair.SETHAIR(rebuilt, GLVECTOR(0, 10, 0), GLVECTOR(0, -1, 0), 0.45f, 14, 5, 10);
    ASSERT_EQ(hair.HAIR.size(), 11u);
    for (const PHY_HairPice& piece : hair.HAIR) EXPECT_EQ(NewtonBodyGetWorld(piece.NEWBODY), rebuilt);
    EXPECT_EQ(NewtonWorldGetConstraintCount(rebuilt), 18);
    NewtonDestroy(rebuilt);
}

// Kinetic and potential energy of every piece of the scene's hairs.
double hairEnergy(const HairScene& scene) {
    double energy = 0;
    for (const PHY_Hair& hair : scene.hairs) {
        for (const PHY_HairPice& piece : hair.HAIR) {
            float mass = 0;
            Vec inertia;
            NewtonBodyGetMassMatrix(piece.NEWBODY, &mass, &inertia.x, &inertia.y, &inertia.z);
            const Vec v = velocityOf(piece.NEWBODY);
            const Vec w = omegaOf(piece.NEWBODY);
            // A piece is as hard to turn about every axis.
            const double height = positionOf(piece.NEWBODY).y;
            energy += mass * (dot(v, v) / 2 - PHY_EARTH_GRAVITY * height) + inertia.x * dot(w, w) / 2;
        }
    }
    return energy;
}

TEST_F(Hair, TheHairSceneFallsFromTheHeadInOnePieceAndLosesItsSwing) {
    const HairScene scene;
    std::vector<Pivot> pivots;
    for (const PHY_Hair& hair : scene.hairs) {
        for (const Pivot& pivot : hairPivots(hair, scene.head.NEWBODY)) pivots.push_back(pivot);
    }
    const double start = hairEnergy(scene);
    double highest = start;
    float worstGap = 0;
    bool together = true;
    for (int frame = 0; frame < 300; ++frame) {
        scene.run(1);
        highest = std::max(highest, hairEnergy(scene));
        worstGap = std::max(worstGap, widestGap(pivots));
        for (const PHY_Hair& hair : scene.hairs) {
            for (const PHY_HairPice& piece : hair.HAIR) {
                // No piece gets farther from the head's centre than a whole hair reaches.
                together &= length(positionOf(piece.NEWBODY) - Vec{0, 15, 0}) < 19;
            }
        }
    }
    EXPECT_TRUE(together) << "a piece flew off (or went NaN)";
    EXPECT_LT(worstGap, 0.1f);
    EXPECT_LT(highest, start * 1.01) << "the joints pumped energy into the hair";
    EXPECT_LT(hairEnergy(scene), start * 0.9) << "the swing dies down";
}

}  // namespace
