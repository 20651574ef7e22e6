// Ray casts and box queries report the bodies they meet.
#include <vector>

#include "PhysicsTestSupport.h"

namespace {

using EngineQuery = PhysicsTest;

// Keeps the nearest dynamic hit, like the scenes' mouse picking.
struct Pick {
    const NewtonBody* body = nullptr;
    float fraction = 1.1f;
    int reports = 0;
    int prefilterCalls = 0;
    Vec normal;
};

dFloat keepNearest(const NewtonBody* body, const dFloat* normal, int, void* user, dFloat fraction) {
    auto& pick = *static_cast<Pick*>(user);
    ++pick.reports;
    if (fraction < pick.fraction) {
        pick.fraction = fraction;
        pick.body = body;
        pick.normal = {normal[0], normal[1], normal[2]};
    }
    return fraction;
}

// Reports every hit without clipping the ray.
dFloat keepAll(const NewtonBody* body, const dFloat* normal, int id, void* user, dFloat fraction) {
    keepNearest(body, normal, id, user, fraction);
    return 1;
}

unsigned dynamicOnly(const NewtonBody* body, const NewtonCollision*, void* user) {
    ++static_cast<Pick*>(user)->prefilterCalls;
    dFloat mass = 0;
    NewtonBodyGetMassMatrix(body, &mass, nullptr, nullptr, nullptr);
    return mass > 0 ? 1 : 0;
}

void castDown(const NewtonWorld* world, Pick& pick, NewtonWorldRayFilterCallback filter,
              NewtonWorldRayPrefilterCallback prefilter) {
    const dFloat from[3] = {0, 20, 0};
    const dFloat to[3] = {0, -20, 0};
    NewtonWorldRayCast(world, from, to, filter, &pick, prefilter);
}

TEST_F(EngineQuery, TheNearerOfTwoBodiesIsPickedWhateverTheOrderOfReports) {
    for (bool nearFirst : {true, false}) {
        NewtonWorld* scene = NewtonCreate(nullptr, nullptr);
        NewtonBody* first = addBox(scene, {0, nearFirst ? 10.0f : 2.0f, 0}, {2, 2, 2}, 1);
        NewtonBody* second = addBox(scene, {0, nearFirst ? 2.0f : 10.0f, 0}, {2, 2, 2}, 1);
        NewtonBody* nearer = nearFirst ? first : second;
        for (NewtonWorldRayFilterCallback filter : {keepNearest, keepAll}) {
            Pick pick;
            castDown(scene, pick, filter, nullptr);
            EXPECT_EQ(pick.body, nearer);
            EXPECT_NEAR(pick.fraction, (20 - 11) / 40.0f, 1e-3f);
            EXPECT_NEAR(pick.normal.y, 1, 1e-3f);
            if (filter == keepAll) {
                EXPECT_EQ(pick.reports, 2);
            }
        }
        NewtonDestroy(scene);
    }
}

TEST_F(EngineQuery, ThePrefilterSkipsStaticBodies) {
    addBox(world, {0, 5, 0}, {4, 1, 4}, 0);  // a static plank above the body
    NewtonBody* below = addBox(world, {0, -5, 0}, {1, 1, 1}, 1);
    Pick pick;
    castDown(world, pick, keepNearest, dynamicOnly);
    EXPECT_EQ(pick.body, below);
    EXPECT_EQ(pick.reports, 1);
    EXPECT_EQ(pick.prefilterCalls, 2);
}

TEST_F(EngineQuery, AFilterAnsweringZeroStopsTheCast) {
    addBox(world, {0, 5, 0}, {1, 1, 1}, 1);
    addBox(world, {0, -5, 0}, {1, 1, 1}, 1);
    Pick pick;
    castDown(world, pick, [](const NewtonBody* body, const dFloat* n, int id, void* user, dFloat f) -> dFloat {
        keepNearest(body, n, id, user, f);
        return 0;
    }, nullptr);
    EXPECT_EQ(pick.reports, 1);
}

TEST_F(EngineQuery, ARayOfNoLengthOrThroughNothingReportsNothing) {
    addBox(world, {0, 0, 0}, {2, 2, 2}, 1);
    Pick pick;
    const dFloat inside[3] = {0, 0, 0};
    NewtonWorldRayCast(world, inside, inside, keepNearest, &pick, dynamicOnly);
    const dFloat side[3] = {5, 20, 0};
    const dFloat sideEnd[3] = {5, -20, 0};
    NewtonWorldRayCast(world, side, sideEnd, keepNearest, &pick, nullptr);
    EXPECT_EQ(pick.reports, 0);
    EXPECT_EQ(pick.body, nullptr);
    EXPECT_FLOAT_EQ(pick.fraction, 1.1f);
}

TEST_F(EngineQuery, TheBoxQueryVisitsTheBodiesWhoseBoundsMeetTheBox) {
    NewtonBody* inside = addBox(world, {0, 0, 0}, {1, 1, 1}, 1);
    NewtonBody* straddling = addBox(world, {10, 0, 0}, {1, 1, 1}, 0);
    addBox(world, {30, 0, 0}, {1, 1, 1}, 1);
    std::vector<const NewtonBody*> found;
    const dFloat high[3] = {10, 10, 10};  // corners given either way round
    const dFloat low[3] = {-10, -10, -10};
    NewtonWorldForEachBodyInAABBDo(
        world, high, low,
        [](const NewtonBody* body, void* user) { static_cast<std::vector<const NewtonBody*>*>(user)->push_back(body); },
        &found);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE((found[0] == inside && found[1] == straddling) || (found[1] == inside && found[0] == straddling));
}

}  // namespace
