// Worlds: free fall, the step clamp and sub-steps, the world box, resting and
// waking, and destroying a world with everything in it.
#include <map>
#include <set>

#include "KEVA_Physics/engine/KEVA_NewtonExt.h"
#include "PhysicsTestSupport.h"

namespace {

using EngineWorld = PhysicsTest;

TEST_F(EngineWorld, BoxFallsHalfGTSquaredInOneSecond) {
    NewtonBody* box = addBox(world, {0, 50, 0}, {1, 1, 1}, 2);
    simulate(world, 1.0f, 0.01f);
    EXPECT_NEAR(50 - positionOf(box).y, 4.905f, 0.1f);
    EXPECT_NEAR(velocityOf(box).y, -9.81f, 0.15f);
}

TEST_F(EngineWorld, WithoutGravityABodyStaysWhereItIs) {
    PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_NO_GRAVITY), 0);
    NewtonBody* box = addBox(world, {1, 2, 3}, {1, 1, 1}, 2);
    simulate(world, 2.0f);
    EXPECT_FLOAT_EQ(positionOf(box).x, 1);
    EXPECT_FLOAT_EQ(positionOf(box).y, 2);
    EXPECT_FLOAT_EQ(positionOf(box).z, 3);
}

TEST_F(EngineWorld, BodiesOfAnyMassFallTogether) {
    NewtonBody* light = addBox(world, {0, 50, 0}, {1, 1, 1}, 1);
    NewtonBody* heavy = addBox(world, {5, 50, 0}, {1, 1, 1}, 500);
    simulate(world, 1.5f);
    EXPECT_NEAR(positionOf(light).y, positionOf(heavy).y, 1e-4f);
}

// Two worlds with the same box, stepped differently, must end in the same state.
struct TwinWorlds {
    NewtonWorld* a = NewtonCreate(nullptr, nullptr);
    NewtonWorld* b = NewtonCreate(nullptr, nullptr);
    NewtonBody* boxA = addBox(a, {0, 20, 0}, {1, 2, 1}, 3);
    NewtonBody* boxB = addBox(b, {0, 20, 0}, {1, 2, 1}, 3);
    TwinWorlds() {
        const Vec spin{0.5f, 1, 0};
        NewtonBodySetOmega(boxA, &spin.x);
        NewtonBodySetOmega(boxB, &spin.x);
    }
    ~TwinWorlds() {
        NewtonDestroy(a);
        NewtonDestroy(b);
    }
    void expectSameState() const {
        const TGLBaseMatrix ma = matrixOf(boxA);
        const TGLBaseMatrix mb = matrixOf(boxB);
        for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(ma[i], mb[i]) << "element " << i;
        EXPECT_FLOAT_EQ(velocityOf(boxA).y, velocityOf(boxB).y);
    }
};

TEST_F(EngineWorld, HugeStepsAdvanceLikeOneSixtiethOfASecond) {
    TwinWorlds twins;
    for (int i = 0; i < 30; ++i) {
        NewtonUpdate(twins.a, 12000);
        NewtonUpdate(twins.b, 1.0f / 60.0f);
    }
    twins.expectSameState();
    EXPECT_NEAR(velocityOf(twins.boxA).y, -9.81f * 0.5f, 0.01f);  // 30 steps of 1/60 s
}

TEST_F(EngineWorld, TinyAndInvalidStepsAdvanceOneThousandthOfASecond) {
    TwinWorlds twins;
    NewtonUpdate(twins.a, 0);
    NewtonUpdate(twins.a, -5);
    NewtonUpdate(twins.a, std::nanf(""));
    for (int i = 0; i < 3; ++i) NewtonUpdate(twins.b, 0.001f);
    twins.expectSameState();
}

TEST_F(EngineWorld, AHighMinimumFrameRateSplitsTheStepIntoEqualSubSteps) {
    TwinWorlds twins;
    NewtonSetMinimumFrameRate(twins.a, 120);
    NewtonSetMinimumFrameRate(twins.b, 120);
    for (int i = 0; i < 20; ++i) {
        NewtonUpdate(twins.a, 1.0f / 60.0f);
        NewtonUpdate(twins.b, 1.0f / 120.0f);
        NewtonUpdate(twins.b, 1.0f / 120.0f);
    }
    twins.expectSameState();
}

TEST_F(EngineWorld, EachDynamicBodysCallbackRunsOncePerUpdate) {
    static int calls;
    calls = 0;
    NewtonBody* box = addBox(world, {0, 0, 0}, {1, 1, 1}, 1);
    addBox(world, {5, 0, 0}, {1, 1, 1}, 0);  // static: no callback runs
    NewtonBodySetForceAndTorqueCallback(box, [](const NewtonBody*, dFloat, int) { ++calls; });
    NewtonSetMinimumFrameRate(world, 1000);
    NewtonUpdate(world, 1.0f / 60.0f);
    NewtonUpdate(world, 12000);
    EXPECT_EQ(calls, 2);
}

TEST_F(EngineWorld, ABodyLeavingTheWorldBoxStops) {
    const dFloat low[3] = {-10, -10, -10};
    const dFloat high[3] = {10, 10, 10};
    NewtonSetWorldSize(world, low, high);
    NewtonBody* box = addBox(world, {0, 0, 0}, {1, 1, 1}, 1);
    simulate(world, 3.0f);
    const float stoppedAt = positionOf(box).y;
    EXPECT_LT(stoppedAt, -10);
    EXPECT_GT(stoppedAt, -12);
    simulate(world, 1.0f);
    EXPECT_FLOAT_EQ(positionOf(box).y, stoppedAt);
    EXPECT_FLOAT_EQ(velocityOf(box).y, 0);

    const TGLBaseMatrix back = identityAt({0, 5, 0});  // moved back inside, it falls again
    NewtonBodySetMatrix(box, back.data());
    simulate(world, 0.5f);
    EXPECT_LT(positionOf(box).y, 4);
}

TEST_F(EngineWorld, AStackOfBoxesStandsStillAndFallsAsleep) {
    addBox(world, {0, -0.5f, 0}, {20, 1, 20}, 0);
    NewtonBody* boxes[6];
    for (int i = 0; i < 6; ++i) boxes[i] = addBox(world, {0, 0.5f + i * 1.0f, 0}, {1, 1, 1}, 5);
    simulate(world, 6.0f, 0.012f);
    for (int i = 0; i < 6; ++i) {
        const Vec p = positionOf(boxes[i]);
        EXPECT_NEAR(p.x, 0, 0.02f);
        EXPECT_NEAR(p.y, 0.5f + i, 0.05f);
        EXPECT_NEAR(p.z, 0, 0.02f);
        EXPECT_EQ(NewtonBodyGetSleepState(boxes[i]), 1);
    }
}

// Scenes of a thousand bricks and more, some added while the world runs:
// the bodies that come past the room the world first made still collide and
// are found, and those that were resting before keep resting.
TEST_F(EngineWorld, BodiesAddedPastAThousandCollideLikeTheFirstOnes) {
    addBox(world, {0, -0.5f, 0}, {100, 1, 100}, 0);
    NewtonBody* early = addBox(world, {0, 0.5f, 0}, {1, 1, 1}, 1);
    const auto addPosts = [this](float z) {
        for (int i = 0; i < 600; ++i) addBox(world, {-60.0f + 0.2f * i, -20, z}, {0.1f, 0.1f, 0.1f}, 0);
    };
    addPosts(0);
    simulate(world, 0.5f);
    addPosts(5);
    NewtonBody* late = addBox(world, {10, 3, 0}, {1, 1, 1}, 1);
    simulate(world, 1.5f);
    EXPECT_NEAR(positionOf(early).y, 0.5f, 0.02f);
    EXPECT_NEAR(positionOf(late).y, 0.5f, 0.02f);
    std::set<const NewtonBody*> found;
    const dFloat low[3] = {9.9f, 0.9f, -0.1f};
    const dFloat high[3] = {10.1f, 1.1f, 0.1f};
    NewtonWorldForEachBodyInAABBDo(
        world, low, high, [](const NewtonBody* body, void* user) { static_cast<std::set<const NewtonBody*>*>(user)->insert(body); },
        &found);
    EXPECT_EQ(found, (std::set<const NewtonBody*>{late}));
}

TEST_F(EngineWorld, DominoesToppleOneAfterAnother) {
    addBox(world, {0, -0.25f, 0}, {100, 0.5f, 100}, 0);
    NewtonBody* tiles[12];
    for (int k = 0; k < 12; ++k) tiles[k] = addBox(world, {2.15f * k, 2, 0}, {0.4f, 4, 3}, 10);
    simulate(world, 2.0f);
    const Vec push{8, 0, 0};
    const Vec top{0, 4, 0};
    NewtonBodyAddImpulse(tiles[0], &push.x, &top.x);
    int fallenBefore = 0;
    for (int second = 1; second <= 8; ++second) {
        simulate(world, 1.0f);
        int fallen = 0;
        while (fallen < 12 && matrixOf(tiles[fallen])[5] < 0.8f) ++fallen;  // the tile's y axis has tipped
        for (int k = fallen; k < 12; ++k) EXPECT_GT(matrixOf(tiles[k])[5], 0.8f) << "tile " << k << " fell out of turn";
        EXPECT_GE(fallen, fallenBefore);
        fallenBefore = fallen;
    }
    EXPECT_EQ(fallenBefore, 12);
}

// A box resting on a floor, asleep.
NewtonBody* sleepingBox(NewtonWorld* world) {
    addBox(world, {0, -0.5f, 0}, {20, 1, 20}, 0);
    NewtonBody* box = addBox(world, {0, 0.5f, 0}, {1, 1, 1}, 5);
    simulate(world, 5.0f);
    EXPECT_EQ(NewtonBodyGetSleepState(box), 1);
    return box;
}

TEST_F(EngineWorld, ARestingBodyWakesWhenGravityChanges) {
    NewtonBody* box = sleepingBox(world);
    PHY_SETGRAVITYFORCE(0, 9.81f, 0);
    simulate(world, 0.5f);
    EXPECT_GT(positionOf(box).y, 1.5f);
}

TEST_F(EngineWorld, ARestingBodyWakesWhenGravityGrowsByLessThanOnePercent) {
    PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_SATURN_GRAVITY), 0);
    NewtonBody* box = sleepingBox(world);
    PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_URANUS_GRAVITY), 0);
    NewtonUpdate(world, 0.012f);
    EXPECT_EQ(NewtonBodyGetSleepState(box), 0);
}

// Gravity plus a force that grows by a thousandth of the weight each update,
// or that wobbles by a ten-thousandth of it in force and torque.
struct Wobbling {
    static inline int updates = 0;
    static inline bool growing = false;

    static void callback(const NewtonBody* body, dFloat timestep, int thread) {
        PHY_GETGRAVITYFORCE(body, timestep, thread);
        const float weight = 5 * 9.81f;
        const float sign = (++updates % 3 == 0) ? 1.0f : -1.0f;
        const Vec extra = growing ? Vec{0, -weight * 1e-3f * updates, 0} : Vec{sign, 0.5f, -sign} * (weight * 1e-4f);
        const Vec twist = Vec{-sign, sign, 0.3f} * 1e-5f;
        NewtonBodyAddForce(body, &extra.x);
        NewtonBodyAddTorque(body, &twist.x);
    }
};

TEST_F(EngineWorld, ARestingBodyWhoseForceBarelyWobblesFallsAsleep) {
    Wobbling::growing = false;
    NewtonBody* box = sleepingBox(world);
    NewtonBodySetForceAndTorqueCallback(box, Wobbling::callback);
    simulate(world, 5.0f);
    EXPECT_EQ(NewtonBodyGetSleepState(box), 1);
}

TEST_F(EngineWorld, ASleepingBodyWakesWhenItsForceGrowsSlowlyButSteadily) {
    Wobbling::growing = true;
    Wobbling::updates = 0;
    NewtonBody* box = sleepingBox(world);
    NewtonBodySetForceAndTorqueCallback(box, Wobbling::callback);
    int asleep = 0;
    while (Wobbling::updates < 100 && NewtonBodyGetSleepState(box) == 1) {
        NewtonUpdate(world, 0.012f);
        ++asleep;
    }
    EXPECT_LT(asleep, 10);
}

// Counts the blocks a world takes from its memory callbacks.
std::map<void*, int> liveBlocks;
bool wrongSizeFreed = false;

void* countedAlloc(int size) {
    void* block = std::malloc(static_cast<std::size_t>(size));
    liveBlocks[block] = size;
    return block;
}

void countedFree(void* block, int size) {
    const auto found = liveBlocks.find(block);
    if (found == liveBlocks.end() || found->second != size) wrongSizeFreed = true;
    if (found != liveBlocks.end()) liveBlocks.erase(found);
    std::free(block);
}

TEST(EngineWorldMemory, DestroyingAWorldFreesAllItMadeEvenUnreleasedShapes) {
    liveBlocks.clear();
    wrongSizeFreed = false;
    for (int round = 0; round < 20; ++round) {
        NewtonWorld* world = NewtonCreate(countedAlloc, countedFree);
        NewtonBody* floor = addBox(world, {0, -1, 0}, {10, 1, 10}, 0);
        NewtonBody* a = addBox(world, {0, 1, 0}, {1, 1, 1}, 1);
        NewtonBody* b = addBox(world, {0, 3, 0}, {1, 1, 1}, 1);
        const dFloat pivot[3] = {0, 2, 0};
        NewtonConstraintCreateBall(world, pivot, b, a);
        NewtonConstraintCreateBall(world, pivot, a, floor);
        NewtonCreateSphere(world, 1, 1, 1, 0, nullptr);  // never released
        NewtonCollision* part = NewtonCreateCone(world, 1, 2, 0, nullptr);
        NewtonCollision* parts[] = {part, part};
        NewtonCreateCompoundCollision(world, 2, parts, 0);
        NewtonCollision* tree = NewtonCreateTreeCollision(world, 0);
        NewtonTreeCollisionBeginBuild(tree);
        const dFloat face[] = {0, 0, 0, 1, 0, 0, 1, 0, 1};
        NewtonTreeCollisionAddFace(tree, 3, face, 12, 1);
        NewtonTreeCollisionEndBuild(tree, 1);
        NewtonCreateBody(world, tree, nullptr);
        NewtonRagDoll* ragdoll = NewtonCreateRagDoll(world);
        NewtonRagDollBegin(ragdoll);
        NewtonCollision* boneShape = NewtonCreateCapsule(world, 0.2f, 1, 0, nullptr);
        const TGLBaseMatrix rest = identityAt({0, 5, 0});
        const dFloat size[3] = {1, 0.4f, 0.4f};
        NewtonRagDollBone* root = NewtonRagDollAddBone(ragdoll, nullptr, nullptr, 1, rest.data(), boneShape, size);
        NewtonRagDollAddBone(ragdoll, root, nullptr, 1, identityAt({1, 0, 0}).data(), boneShape, size);
        NewtonRagDollEnd(ragdoll);
        simulate(world, 0.2f);
        ASSERT_FALSE(liveBlocks.empty());
        NewtonDestroy(world);
        EXPECT_TRUE(liveBlocks.empty()) << liveBlocks.size() << " blocks left after round " << round;
    }
    EXPECT_FALSE(wrongSizeFreed);
}

std::set<const NewtonBody*> walkBodies(const NewtonWorld* world) {
    std::set<const NewtonBody*> seen;
    for (NewtonBody* body = NewtonWorldGetFirstBody(world); body; body = NewtonWorldGetNextBody(world, body))
        EXPECT_TRUE(seen.insert(body).second) << "a body visited twice";
    return seen;
}

TEST(EngineWorldMemory, ABodyAndItsJointsGoTogether) {
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
    NewtonBody* a = addBox(world, {0, 0, 0}, {1, 1, 1}, 1);
    NewtonBody* b = addBox(world, {2, 0, 0}, {1, 1, 1}, 1);
    const dFloat pivot[3] = {1, 0, 0};
    const dFloat pin[3] = {0, 0, 1};
    NewtonConstraintCreateHinge(world, pivot, pin, b, a);
    NewtonConstraintCreateBall(world, pivot, a, nullptr);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 2);
    EXPECT_EQ(NewtonWorldGetBodyCount(world), 2);
    EXPECT_EQ(walkBodies(world), (std::set<const NewtonBody*>{a, b}));
    NewtonDestroyBody(world, a);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 0);
    EXPECT_EQ(NewtonWorldGetBodyCount(world), 1);
    EXPECT_EQ(walkBodies(world), (std::set<const NewtonBody*>{b}));
    simulate(world, 0.1f);
    NewtonDestroy(world);
}

TEST(EngineWorldMemory, BodiesDestroyedByACallbackGoWhenTheUpdateEnds) {
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
    for (int i = 0; i < 5; ++i) {
        NewtonBody* box = addBox(world, {2.0f * i, 0, 0}, {1, 1, 1}, 1);
        NewtonBodySetForceAndTorqueCallback(box, [](const NewtonBody* body, dFloat, int) {
            NewtonDestroyBody(NewtonBodyGetWorld(body), body);
            NewtonDestroyBody(NewtonBodyGetWorld(body), body);  // twice does no harm
        });
    }
    const dFloat pivot[3] = {1, 0, 0};
    NewtonConstraintCreateBall(world, pivot, addBox(world, {0, 5, 0}, {1, 1, 1}, 1), nullptr);
    NewtonUpdate(world, 1.0f / 60.0f);
    EXPECT_EQ(NewtonWorldGetBodyCount(world), 1);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 1);
    NewtonDestroy(world);
}

TEST(EngineWorldMemory, NullHandlesAreIgnored) {
    const dFloat v[3] = {1, 2, 3};
    dFloat out[16] = {};
    NewtonUpdate(nullptr, 0.1f);
    NewtonBodySetVelocity(nullptr, v);
    NewtonBodyGetMatrix(nullptr, out);
    EXPECT_FLOAT_EQ(out[0], 1);
    EXPECT_EQ(NewtonCreateBody(nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(NewtonCreateBox(nullptr, 1, 1, 1, 0, nullptr), nullptr);
    EXPECT_EQ(NewtonRagDollBoneGetBody(NewtonRagDollFindBone(nullptr, 3)), nullptr);
    NewtonDestroy(nullptr);
}

}  // namespace
