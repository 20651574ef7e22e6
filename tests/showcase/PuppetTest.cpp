// The human puppet: what it is built of, and that its joints hold and its
// limbs stay within their limits when it falls onto a floor or hangs by its hands.
#include "physics/JointProbe.h"
#include "physics/PhysicsTestSupport.h"

#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"
#include "showcase/HumanRagDoll.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr float kStep = 0.012f;  // the puppet scenes' step

class Puppet : public ::testing::Test {
protected:
    void SetUp() override {
        PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
        world = PHY_INITWORLD(60);
        PHY_SETWORLDSIZE(world, -800, -800, -800, 800, 800, 800);
    }
    void TearDown() override {
        NewtonDestroy(world);
        PHY_SETGRAVITYFORCE(0, 0, 0);
    }
    // A static floor 60 wide whose middle is at the origin, turned by `tilt` degrees.
    void addFloor(const TGLVector& tilt) { floor.SETBOX(world, GLVECTOR(0, -0.75f, 0), tilt, GLVECTOR(30, 1, 30), 0); }
    // The scenes' upright T-posed puppet with default colours, its basin at `at`.
    void build(const TGLVector& at) {
        const TGLVector none = GLVECTOR(0, 0, 0);
        puppet.SETCOLORS(none, none, none, none);
        puppet.SETRAGDOLL(world, at, GLVECTOR(1, 1, 1), GLVECTOR(0, 270, -90), 1);
    }
    const NewtonBody* body(int id) const { return puppet.BONE[static_cast<std::size_t>(id)]->BODY; }

    NewtonWorld* world = nullptr;
    PHY_Box floor;
    PHY_humanRagDoll puppet;
};

// One bone's link to its parent: the joint's pivot carried by both, and the
// bone's rest direction in its parent's frame.
struct Link {
    const PHY_RagDollBone* parent;
    const PHY_RagDollBone* child;
    Pivot pivot;
    Vec restDirection;

    Link(const PHY_RagDollBone& p, const PHY_RagDollBone& c)
        : parent(&p), child(&c), pivot(p.BODY, c.BODY, worldPoint(c.BODY, {-c.SIZE.X / 2, 0, 0})),
          restDirection{c.MATRIX[0], c.MATRIX[1], c.MATRIX[2]} {}

    // Degrees between the bone's direction now, seen from its parent, and its rest direction.
    float bend() const {
        const TGLBaseMatrix p = matrixOf(parent->BODY);
        const TGLBaseMatrix c = matrixOf(child->BODY);
        const Vec along{c[0], c[1], c[2]};
        const Vec seen{dot(along, {p[0], p[1], p[2]}), dot(along, {p[4], p[5], p[6]}), dot(along, {p[8], p[9], p[10]})};
        const float cosine = std::clamp(dot(seen, restDirection), -1.0f, 1.0f);
        return std::acos(cosine) * 180 / KESTROVA_PI;
    }
};

std::vector<Link> linksOf(const PHY_humanRagDoll& puppet) {
    std::vector<Link> links;
    for (const auto& bone : puppet.BONE)
        for (const PHY_RagDollBone* child : bone->CHILD) links.emplace_back(*bone, *child);
    return links;
}

TEST_F(Puppet, IsSixteenBonesOfEqualMassStandingInATPose) {
    addFloor(GLVECTOR(0, 0, 0));
    const TGLVector shirt = GLVECTOR(0.2, 0.3, 0.4);
    puppet.SETCOLORS(GLVECTOR(1, 0, 1), shirt, GLVECTOR(0, 0, 0), GLVECTOR(0, 0, 0));
    puppet.SETRAGDOLL(world, GLVECTOR(0, 20, 0), GLVECTOR(1, 1, 1), GLVECTOR(0, 270, -90), 1);

    EXPECT_EQ(NewtonWorldGetBodyCount(world), 1 + 16);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 15);
    ASSERT_EQ(puppet.BONE.size(), 16u);
    std::set<const NewtonBody*> bodies;
    for (std::int32_t id = 0; id < 16; ++id) {
        TGLVector where;
        const NewtonBody* found = PHY_RAGDOLLGETBONEMATRIX(puppet.RAGDOLL, where, id);
        EXPECT_EQ(found, body(id)) << "bone " << id;
        bodies.insert(found);
        dFloat mass = 0, ix = 0, iy = 0, iz = 0;
        NewtonBodyGetMassMatrix(found, &mass, &ix, &iy, &iz);
        EXPECT_FLOAT_EQ(mass, 37.5f) << "bone " << id;
        EXPECT_NEAR(ix, 38.273277f, 1e-4f) << "bone " << id;
        EXPECT_EQ(length(velocityOf(found)), 0) << "puppets start at rest";
    }
    EXPECT_EQ(bodies.size(), 16u);

    const Vec head = positionOf(puppet.HEADBONE->BODY), basin = positionOf(puppet.BASINBONE->BODY);
    const Vec rightHand = positionOf(puppet.RHANDBONE->BODY), leftHand = positionOf(puppet.LHANDBONE->BODY);
    EXPECT_EQ(basin.y, 20);
    EXPECT_GT(head.y, basin.y + 2);
    EXPECT_LT(positionOf(puppet.RFOOTBONE->BODY).y, basin.y - 2);
    EXPECT_LT(positionOf(puppet.LFOOTBONE->BODY).y, basin.y - 2);
    EXPECT_NEAR(rightHand.y, leftHand.y, 1e-4f) << "the arms stretch out level";
    EXPECT_GT(length(rightHand - leftHand), 6);

    // One component at 0 is not a colour: the skin gets its default; the
    // colour is copied into the bones.
    EXPECT_EQ(puppet.SKINCOLOR.Y, 0.8f);
    EXPECT_EQ(puppet.HEADBONE->COLOR.Y, 0.8f);
    EXPECT_EQ(puppet.CHESTBONE->COLOR.Z, shirt.Z);
    for (const TGLVector& c : {puppet.PANTCOLOR, puppet.FOOTCOLOR})
        for (float component : {c.X, c.Y, c.Z}) EXPECT_TRUE(component > -0.25f && component < 0.5f);
}

// Dropped from 20 units up onto a flat floor (false) or one tilted like
// Pupazzo's (true). Every joint is limited to a 60° cone; the landing, at 19
// units a second, pushes a limb up to 10° past it for a few steps.
class PuppetFall : public Puppet, public ::testing::WithParamInterface<bool> {};

TEST_P(PuppetFall, ItsJointsHoldAndLimbsStayWithinTheirLimits) {
    const bool tilted = GetParam();
    addFloor(tilted ? GLVECTOR(30, 0, 30) : GLVECTOR(0, 0, 0));
    build(GLVECTOR(1, 20, -2));
    const std::vector<Link> links = linksOf(puppet);
    ASSERT_EQ(links.size(), 15u);
    float widestGap = 0, widestBend = 0;
    for (int step = 0; step < 5 / kStep; ++step) {
        NewtonUpdate(world, kStep);
        for (const Link& link : links) {
            widestGap = std::max(widestGap, link.pivot.gap());
            widestBend = std::max(widestBend, link.bend());
        }
    }
    EXPECT_LT(widestGap, 0.05f);
    EXPECT_LT(widestBend, 72);
    for (const Link& link : links) EXPECT_LT(link.bend(), 61) << link.child->NAME;
    // A puppet that lands on its feet crouches and topples over; on the flat
    // floor it then comes to rest.
    if (!tilted)
        for (int step = 0; step < 7 / kStep; ++step) NewtonUpdate(world, kStep);
    for (const auto& bone : puppet.BONE) {
        EXPECT_TRUE(finite(positionOf(bone->BODY)) && finite(velocityOf(bone->BODY))) << bone->NAME;
        if (tilted) continue;
        EXPECT_LT(length(velocityOf(bone->BODY)), 0.5f) << bone->NAME << " still moves on the flat floor";
        EXPECT_GT(positionOf(bone->BODY).y, 0.25f) << bone->NAME << " sank into the floor";
    }
}

INSTANTIATE_TEST_SUITE_P(OntoAFlatOrTiltedFloor, PuppetFall, ::testing::Bool());

TEST_F(Puppet, HangingByBothHandsItStaysOnItsPins) {
    build(GLVECTOR(0, 18, 0));
    const TGLVector below = GLVECTOR(0, -0.6f, 0);
    puppet.ATTACHBONEATBODY(world, nullptr, below, 9);
    puppet.ATTACHBONEATBODY(world, nullptr, below, 6);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 17);
    puppet.ATTACHBONEATBODY(world, nullptr, below, 37);
    EXPECT_EQ(NewtonWorldGetConstraintCount(world), 17) << "an unknown bone makes no joint";

    const Pivot pins[] = {{nullptr, body(6), positionOf(body(6)) + vec(below)},
                          {nullptr, body(9), positionOf(body(9)) + vec(below)}};
    for (int step = 0; step < 5 / kStep; ++step) NewtonUpdate(world, kStep);
    for (const Pivot& pin : pins) EXPECT_LT(pin.gap(), 0.1f);
    EXPECT_LT(positionOf(puppet.BASINBONE->BODY).y, positionOf(body(6)).y - 2) << "the body hangs below the hands";
}

}  // namespace
