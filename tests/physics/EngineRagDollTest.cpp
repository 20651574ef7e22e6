// Ragdolls: bones placed relative to their parents, joined where they begin,
// falling onto a floor in one piece.
#include <algorithm>
#include <vector>

#include "KEVA_Physics/engine/KEVA_NewtonExt.h"
#include "PhysicsTestSupport.h"

namespace {

using EngineRagDoll = PhysicsTest;

// A puppet along x: a trunk of two capsules, a head, and an arm on each side.
struct Puppet {
    NewtonRagDoll* ragdoll = nullptr;
    std::vector<NewtonRagDollBone*> bones;

    NewtonRagDollBone* add(const NewtonWorld* world, NewtonRagDollBone* parent, const TGLBaseMatrix& local,
                           float length, int id) {
        NewtonCollision* shape = NewtonCreateCapsule(world, 0.3f, length, 0, nullptr);
        const dFloat size[3] = {length, 0.6f, 0.6f};
        NewtonRagDollBone* bone = NewtonRagDollAddBone(ragdoll, parent, nullptr, 10, local.data(), shape, size);
        NewtonReleaseCollision(world, shape);
        NewtonRagDollBoneSetID(bone, id);
        if (parent) {
            const dFloat along[3] = {local[0], local[1], local[2]};  // the bone's rest direction
            const dFloat side[3] = {0, 0, 1};
            NewtonRagDollBoneSetLimits(bone, along, -kPi / 3, kPi / 3, -kPi, side, 0, 0);
        }
        bones.push_back(bone);
        return bone;
    }

    explicit Puppet(const NewtonWorld* world, const Vec& at) {
        ragdoll = NewtonCreateRagDoll(world);
        NewtonRagDollBegin(ragdoll);
        NewtonRagDollSetForceAndTorqueCallback(ragdoll, PHY_GETGRAVITYFORCE);
        NewtonRagDollBone* basin = add(world, nullptr, identityAt(at), 1.2f, 0);
        NewtonRagDollBone* chest = add(world, basin, identityAt({1.2f, 0, 0}), 1.5f, 1);
        add(world, chest, identityAt({1.3f, 0, 0}), 0.8f, 2);
        const TGLBaseMatrix armRight = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 1.0f, 0, 0.5f, 1};
        const TGLBaseMatrix armLeft = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1.0f, 0, -0.5f, 1};
        add(world, chest, armRight, 1.2f, 3);
        add(world, chest, armLeft, 1.2f, 4);
        NewtonRagDollEnd(ragdoll);
    }
};

TEST_F(EngineRagDoll, BonesArePlacedRelativeToTheirParentsAndFoundById) {
    Puppet puppet(world, {0, 10, 0});
    ASSERT_EQ(puppet.bones.size(), 5u);
    EXPECT_NEAR(positionOf(NewtonRagDollBoneGetBody(puppet.bones[1])).x, 1.2f, 1e-4f);
    EXPECT_NEAR(positionOf(NewtonRagDollBoneGetBody(puppet.bones[2])).x, 2.5f, 1e-4f);
    const Vec arm = positionOf(NewtonRagDollBoneGetBody(puppet.bones[3]));
    EXPECT_NEAR(arm.x, 2.2f, 1e-4f);
    EXPECT_NEAR(arm.z, 0.5f, 1e-4f);
    EXPECT_EQ(NewtonRagDollFindBone(puppet.ragdoll, 3), puppet.bones[3]);
    EXPECT_EQ(NewtonRagDollFindBone(puppet.ragdoll, 99), nullptr);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 4);
    // Outside begin … end no bone is added.
    NewtonCollision* shape = NewtonCreateSphere(world, 1, 1, 1, 0, nullptr);
    EXPECT_EQ(NewtonRagDollAddBone(puppet.ragdoll, nullptr, nullptr, 1, identityAt({}).data(), shape, nullptr),
              nullptr);
}

TEST_F(EngineRagDoll, APuppetFallsOntoTheFloorInOnePieceAndComesToRest) {
    addBox(world, {0, -0.5f, 0}, {40, 1, 40}, 0);
    Puppet puppet(world, {-1, 6, 0});
    // Where each bone meets its parent: half its length behind its origin.
    const float lengths[] = {1.2f, 1.5f, 0.8f, 1.2f, 1.2f};
    const int parents[] = {-1, 0, 1, 1, 1};
    float widestGap = 0;
    float fastest = 0;
    for (int step = 0; step < 400; ++step) {
        NewtonUpdate(world, 1.0f / 60.0f);
        for (int i = 1; i < 5; ++i) {
            const NewtonBody* child = NewtonRagDollBoneGetBody(puppet.bones[i]);
            const NewtonBody* parent = NewtonRagDollBoneGetBody(puppet.bones[parents[i]]);
            const Vec joint = worldPoint(child, {-lengths[i] / 2, 0, 0});
            // The same point in the parent's frame at rest.
            const Vec inParent = i == 1 ? Vec{0.45f, 0, 0} : i == 2 ? Vec{0.9f, 0, 0} : Vec{1.0f, 0, i == 3 ? -0.1f : 0.1f};
            widestGap = std::max(widestGap, length(joint - worldPoint(parent, inParent)));
            fastest = std::max(fastest, length(velocityOf(child)));
        }
    }
    EXPECT_LT(widestGap, 0.05f);
    EXPECT_LT(fastest, 15);  // nothing was flung away
    for (NewtonRagDollBone* bone : puppet.bones) {
        const NewtonBody* body = NewtonRagDollBoneGetBody(bone);
        EXPECT_TRUE(finite(positionOf(body)));
        EXPECT_GT(positionOf(body).y, 0.2f);
        EXPECT_LT(positionOf(body).y, 1.0f);
        EXPECT_LT(length(velocityOf(body)), 0.1f);
    }
}

TEST_F(EngineRagDoll, DestroyingARagdollRemovesItsBodiesAndJoints) {
    Puppet puppet(world, {0, 5, 0});
    addBox(world, {0, -1, 0}, {1, 1, 1}, 0);
    simulate(world, 0.2f);
    NewtonDestroyRagDoll(world, puppet.ragdoll);
    EXPECT_EQ(NewtonWorldGetBodyCount(world), 1);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 0);
}

}  // namespace
