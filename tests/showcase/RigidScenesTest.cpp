// The rigid-body scenes 203 to 207: what their initialisers build, their
// keys, the rebuilds of the only-grown arrays, and how their bodies behave.
#include "physics/PhysicsTestSupport.h"
#include "showcase/SceneTestSupport.h"

#include "showcase/MenuCommands.h"
#include "showcase/RigidScenes.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

using RigidScenes = SceneTest;

// How many different values a coordinate of the bodies takes (rows, columns).
template <typename Boxes>
std::size_t distinctLevels(const Boxes& boxes, std::size_t first, int axis) {
    std::set<long> levels;
    for (std::size_t i = first; i < boxes.size(); ++i) {
        const Vec p = positionOf(boxes[i].NEWBODY);
        const float value = axis == 0 ? p.x : axis == 1 ? p.y : p.z;
        levels.insert(std::lround(value * 100));
    }
    return levels.size();
}

// The bodies of the last build of scene 205 or 206: the first array after its
// floor, then the last `perBuild` records of the only-grown one.
std::vector<PHY_Box> newestSet(const std::vector<PHY_Box>& rebuilt, const std::vector<PHY_Box>& grown,
                               std::size_t perBuild) {
    std::vector<PHY_Box> boxes(rebuilt.begin() + 1, rebuilt.end());
    boxes.insert(boxes.end(), grown.end() - static_cast<long>(perBuild), grown.end());
    return boxes;
}

std::size_t shownCount(const std::vector<PHY_Box>& boxes) {
    return static_cast<std::size_t>(
        std::count_if(boxes.begin(), boxes.end(), [](const PHY_Box& b) { return b.DELLIST; }));
}

// How a pile settles: the furthest any body of it rises above the height it
// comes to rest at, from 0.5 s (it has dropped onto the floor) to 1.5 s, and the
// furthest any body moves in the two seconds after that.
struct Settling {
    float bounce = 0;
    float creep = 0;
};

Settling settle(const NewtonWorld* world, const std::vector<const NewtonBody*>& bodies) {
    std::vector<float> highest(bodies.size(), -1e9f);
    for (int step = 0; step < 90; ++step) {
        NewtonUpdate(world, 1.0f / 60);
        if (step < 30) continue;
        for (std::size_t i = 0; i < bodies.size(); ++i) highest[i] = std::max(highest[i], positionOf(bodies[i]).y);
    }
    Settling result;
    std::vector<Vec> landed;
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        landed.push_back(positionOf(bodies[i]));
        result.bounce = std::max(result.bounce, highest[i] - landed[i].y);
    }
    simulate(world, 2);
    for (std::size_t i = 0; i < bodies.size(); ++i)
        result.creep = std::max(result.creep, length(positionOf(bodies[i]) - landed[i]));
    return result;
}

template <typename Boxes>
std::vector<const NewtonBody*> dynamicBodies(const Boxes& boxes) {
    std::vector<const NewtonBody*> bodies;
    for (const auto& box : boxes)
        if (massOf(box.NEWBODY) > 0) bodies.push_back(box.NEWBODY);
    return bodies;
}

// Two linked rings (centre-line radius 2, tube 0.3) are at most 2 x (2 - 0.3) apart.
constexpr float LONGEST_LINK = 3.4f;

float longestLink() {
    float longest = 0;
    for (int i = 0; i < 10; ++i)
        longest = std::max(longest, length(positionOf(NEWTORUS10[i].COMPOUND.NEWBODY) -
                                           positionOf(NEWTORUS10[i + 1].COMPOUND.NEWBODY)));
    return longest;
}

TEST_F(RigidScenes, ImpactBuildsFloorPadElevenRowWallAndCylinder) {
    INITIMPACT();
    ASSERT_EQ(NEWBOX3.size(), 2u + 66u);
    ASSERT_EQ(NEWCYLINDER3.size(), 1u);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD3), 69);
    EXPECT_EQ(distinctLevels(NEWBOX3, 2, 1), 11u);
    EXPECT_EQ(massOf(NEWBOX3[0].NEWBODY), 0);
    EXPECT_EQ(massOf(NEWBOX3[1].NEWBODY), 0);
    EXPECT_EQ(massOf(NEWBOX3[2].NEWBODY), 5);
    EXPECT_EQ(massOf(NEWCYLINDER3[0].NEWBODY), 25);
}

TEST_F(RigidScenes, BulletWallHas190BoxesIn19Rows) {
    INITIMPACTBULLET();
    ASSERT_EQ(NEWBOX4.size(), 1u + 190u);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD4), 191);
    EXPECT_EQ(distinctLevels(NEWBOX4, 1, 1), 19u);
    EXPECT_EQ(massOf(NEWBOX4[190].NEWBODY), 2.5f);
}

TEST_F(RigidScenes, DominoTilesStandInTwelveRowsOf25AndPostsInATenByTenGrid) {
    struct Grid {
        void (*init)();
        const std::vector<PHY_Box>& rebuilt;
        const std::vector<PHY_Box>& grown;
        std::size_t perBuild, alongX, alongZ;
        NewtonWorld* const& world;
    };
    for (const Grid& grid : {Grid{INITDOMINO, NEWBOX5, NEWBOX5A, 150, 25, 12, NEWWORLD5},
                             Grid{INITSTICKBOX, NEWBOX6, NEWBOX6A, 50, 10, 10, NEWWORLD6}}) {
        grid.init();
        ASSERT_EQ(grid.rebuilt.size(), 1 + grid.perBuild);
        ASSERT_GE(grid.grown.size(), grid.perBuild);
        const std::vector<PHY_Box> bodies = newestSet(grid.rebuilt, grid.grown, grid.perBuild);
        EXPECT_EQ(distinctLevels(bodies, 0, 0), grid.alongX);
        EXPECT_EQ(distinctLevels(bodies, 0, 2), grid.alongZ);
        EXPECT_EQ(static_cast<std::size_t>(NewtonWorldGetBodyCount(grid.world)), 1 + 2 * grid.perBuild);
    }
}

TEST_F(RigidScenes, ChainHangsElevenRingsFromAStaticOne) {
    INITCHAIN();
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD10), 12);
    EXPECT_EQ(massOf(NEWTORUS10[0].COMPOUND.NEWBODY), 0);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(massOf(NEWTORUS10[i].COMPOUND.NEWBODY), 10) << "ring " << i;
    simulate(NEWWORLD10, 3);
    EXPECT_LT(longestLink(), LONGEST_LINK + 0.05f) << "the rings stay linked";
    EXPECT_GT(positionOf(NEWTORUS10[10].COMPOUND.NEWBODY).y, 37 - 10 * LONGEST_LINK - 0.1f) << "the chain hangs";
    EXPECT_EQ(positionOf(NEWTORUS10[0].COMPOUND.NEWBODY).y, 37) << "the top ring is static";
}

// Both ways of rebuilding (menu and R) append a new set and hide every older one,
// whose bodies went with the destroyed world.
TEST_F(RigidScenes, RebuildsAppendTilesAndPostsAndShowOnlyTheNewest) {
    struct Case {
        std::int32_t code;
        void (*view)();
        std::vector<PHY_Box>& extra;
        std::size_t perBuild;
    };
    for (const Case& scene : {Case{205, VIEWDOMINO, NEWBOX5A, 150}, Case{206, VIEWSTICKBOX, NEWBOX6A, 50}}) {
        const std::size_t before = scene.extra.size();
        OPENGL_ADDCOMMAND(1, WM_COMMAND, scene.code, 0);
        EXPECT_EQ(scene.extra.size(), before + scene.perBuild) << scene.code;
        press('R');
        scene.view();
        scene.view();
        release('R');
        scene.view();
        EXPECT_EQ(scene.extra.size(), before + 3 * scene.perBuild) << scene.code;
        EXPECT_EQ(shownCount(scene.extra), scene.perBuild) << scene.code;
        EXPECT_TRUE(std::all_of(scene.extra.end() - static_cast<long>(scene.perBuild), scene.extra.end(),
                                [](const PHY_Box& b) { return b.DELLIST; }))
            << scene.code;
    }
}

TEST_F(RigidScenes, HeldKeyPushesTheCylinderOnEveryFrame) {
    INITIMPACT();
    const NewtonBody* cylinder = NEWCYLINDER3[0].NEWBODY;
    press('4');
    for (int frame = 1; frame <= 5; ++frame) {
        VIEWIMPACT();
        EXPECT_FLOAT_EQ(velocityOf(cylinder).x, 40) << "frame " << frame;
    }
    release('4');
    press('1');
    VIEWIMPACT();
    release('1');
    EXPECT_FLOAT_EQ(velocityOf(cylinder).x, 10);
}

// The walls are built a little above the floor (204's lowest row a little in
// it) with their rows 0.0025 apart: they land without bouncing and then stand
// still until hit, as the tiles and posts do.
TEST_F(RigidScenes, WallsTilesAndPostsLandAndStandStill) {
    constexpr float STILL = 0.05f;
    INITIMPACT();
    const Settling impact = settle(NEWWORLD3, dynamicBodies(NEWBOX3));
    INITIMPACTBULLET();
    const Settling bullet = settle(NEWWORLD4, dynamicBodies(NEWBOX4));
    INITDOMINO();
    const Settling domino = settle(NEWWORLD5, dynamicBodies(newestSet(NEWBOX5, NEWBOX5A, 150)));
    INITSTICKBOX();
    const Settling posts = settle(NEWWORLD6, dynamicBodies(newestSet(NEWBOX6, NEWBOX6A, 50)));
    for (const auto& [name, pile] : {std::pair{"impact wall", impact}, std::pair{"bullet wall", bullet},
                                     std::pair{"domino tiles", domino}, std::pair{"posts", posts}}) {
        EXPECT_LT(pile.bounce, STILL) << name << " bounced while landing";
        EXPECT_LT(pile.creep, STILL) << name << " crept after landing";
    }
}

TEST_F(RigidScenes, ShotAtTheFirstTileTopplesTheWholeRow) {
    INITDOMINO();
    simulate(NEWWORLD5, 0.5f);
    // Row r = 1 of NEWBOX5: tiles 1 to 25 along x; push the first one over.
    const NewtonBody* first = NEWBOX5[1].NEWBODY;
    const NewtonBody* last = NEWBOX5[25].NEWBODY;
    const Vec lastStart = positionOf(last);
    PHY_Sphere ball;
    ball.SETSPHERE(NEWWORLD5, GLVECTOR(-22, 3, positionOf(first).z), GLVECTOR(0, 0, 0), GLVECTOR(0.5f, 0.5f, 0.5f), 18,
                   5);
    PHY_ADDIMPULSE(ball.NEWBODY, GLVECTOR(15, 0, 0));
    simulate(NEWWORLD5, 8);
    EXPECT_LT(positionOf(last).y, lastStart.y - 0.8f) << "the last tile of the row fell";
    const NewtonBody* besideLast = NEWBOX5A[NEWBOX5A.size() - 150 + 24].NEWBODY;
    EXPECT_NEAR(positionOf(besideLast).y, lastStart.y, 0.05f) << "the row beside it stands";
}

TEST_F(RigidScenes, ChainStaysLinkedWhenShot) {
    // A small heavy sphere from the middle of the window, on the third frame "2" is held.
    SELECTDEMO = 207;
    INITCHAIN();
    GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(400, 250));
    float longest = 0, fastest = 0;
    for (int f = 1; f <= 100; ++f) {
        if (f == 10) press('2');
        if (f == 14) release('2');
        frame();
        longest = std::max(longest, longestLink());
        for (int i = 1; i <= 10; ++i) fastest = std::max(fastest, length(velocityOf(NEWTORUS10[i].COMPOUND.NEWBODY)));
    }
    EXPECT_GT(fastest, 10) << "the shot hit the chain";
    EXPECT_LT(longest, LONGEST_LINK + 0.05f) << "no ring passed through another";
}

}  // namespace
