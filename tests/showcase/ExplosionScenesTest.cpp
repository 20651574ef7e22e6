// The explosion and destruction scenes 208 to 211: what they build, what
// their blasts move and what they leave alone, the rebuilds of the click
// explosion's only-grown arrays and the removal of rings from the chain.
#include "physics/PhysicsTestSupport.h"
#include "showcase/SceneTestSupport.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyExplosion.h"
#include "showcase/ExplosionScenes.h"
#include "showcase/MenuCommands.h"

#include <algorithm>
#include <set>

namespace {

class ExplosionScenes : public SceneTest {
protected:
    void TearDown() override {
        EXPLOACTIVE = false;
        SceneTest::TearDown();
    }
};

template <typename Bodies>
std::size_t distinctHeights(const Bodies& bodies, std::size_t first, std::size_t last) {
    std::set<long> heights;
    for (std::size_t i = first; i <= last; ++i) heights.insert(std::lround(positionOf(bodies[i].NEWBODY).y * 100));
    return heights.size();
}

template <typename Bodies>
std::size_t shownCount(const Bodies& bodies) {
    return static_cast<std::size_t>(
        std::count_if(bodies.begin(), bodies.end(), [](const auto& body) { return body.DELLIST; }));
}

float speedOf(const NewtonBody* body) { return length(velocityOf(body)); }

TEST_F(ExplosionScenes, ScenesBuildTheirBodies) {
    INITPICKEXPLOSION();
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD7), 618);
    EXPECT_EQ(distinctHeights(NEWBOX7, 1, 506), 11u) << "the pyramid has eleven layers";
    INITEXPLOSION();
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD8), 983);
    EXPECT_EQ(distinctHeights(NEWBOX8, 565, 982), 22u) << "the tower has 22 courses";
    INITMULTIEXPLOSION();
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD9), 1004);
    EXPECT_EQ(distinctHeights(NEWBOX9, 731, 1003), 6u) << "the pyramids have six layers";
    INITDESTROY();
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD11), 12);
}

// Both ways of rebuilding (menu and R) append a new wall and stack of
// cylinders and hide every older one, whose bodies went with the destroyed world.
TEST_F(ExplosionScenes, ClickBoomRebuildsShowOnlyTheNewestWallAndCylinders) {
    const std::size_t boxes = NEWBOX7A.size(), cylinders = NEWCYLINDER7.size();
    OPENGL_ADDCOMMAND(1, WM_COMMAND, 208, 0);
    press('R');
    VIEWPICKEXPLOSION();
    VIEWPICKEXPLOSION();
    release('R');
    VIEWPICKEXPLOSION();
    EXPECT_EQ(NEWBOX7A.size(), boxes + 3 * 66);
    EXPECT_EQ(NEWCYLINDER7.size(), cylinders + 3 * 45);
    EXPECT_EQ(shownCount(NEWBOX7A), 66u);
    EXPECT_EQ(shownCount(NEWCYLINDER7), 45u);
    EXPECT_TRUE(NEWBOX7A.back().DELLIST && NEWCYLINDER7.back().DELLIST);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD7), 618);
}

// Key "1" pushes the low middle of the back wall out of the courtyard and
// does not reach the tower; key "4" keeps its blast on only while it is held.
TEST_F(ExplosionScenes, CourtyardBlastsReachTheWallsAndSpareTheTower) {
    INITEXPLOSION();
    simulate(NEWWORLD8, 3, 0.012f);
    const PHY_Box* lowBackBrick = nullptr;  // of the lowest odd course, the first past x = -8
    for (std::size_t i = 1; i < 565 && !lowBackBrick; ++i) {
        const Vec p = positionOf(NEWBOX8[i].NEWBODY);
        if (p.z < -11 && p.y < 2 && p.y > 1.5f && p.x > -8) lowBackBrick = &NEWBOX8[i];
    }
    ASSERT_NE(lowBackBrick, nullptr);

    press('1');
    VIEWEXPLOSION();
    release('1');
    EXPECT_LT(velocityOf(lowBackBrick->NEWBODY).z, -1) << "thrown out of the courtyard";
    float fastestInTower = 0;
    for (std::size_t i = 565; i < NEWBOX8.size(); ++i)
        fastestInTower = std::max(fastestInTower, speedOf(NEWBOX8[i].NEWBODY));
    EXPECT_LT(fastestInTower, 0.05f) << "the tower stays at rest";

    press('4');
    VIEWEXPLOSION();
    EXPECT_TRUE(EXPLOACTIVE);
    release('4');
    VIEWEXPLOSION();
    EXPECT_FALSE(EXPLOACTIVE) << "off on the frame after release";
}

// Key "1" blows every box of the three pyramids at once; key "3" sets off the
// blast behind the middle pyramid only, and it spins the boxes it throws.
TEST_F(ExplosionScenes, MultipleBlastsMoveEveryPyramidAndAChosenOneOnlyItself) {
    constexpr std::size_t firstPyramidBox = 731;
    INITMULTIEXPLOSION();
    press('1');
    VIEWMULTIEXPLOSION();
    release('1');
    float slowest = 1e9f;
    for (std::size_t i = firstPyramidBox; i < NEWBOX9.size(); ++i)
        slowest = std::min(slowest, speedOf(NEWBOX9[i].NEWBODY));
    EXPECT_GT(slowest, 1);

    INITMULTIEXPLOSION();
    simulate(NEWWORLD9, 2, 0.012f);
    press('3');
    VIEWMULTIEXPLOSION();
    release('3');
    for (int f = 0; f < 5; ++f) VIEWMULTIEXPLOSION();
    float fastestAside = 0, slowestMiddle = 1e9f, spin = 0;
    for (std::size_t i = firstPyramidBox; i < NEWBOX9.size(); ++i) {
        const NewtonBody* box = NEWBOX9[i].NEWBODY;
        if (std::fabs(positionOf(box).x) > 10) {
            fastestAside = std::max(fastestAside, speedOf(box));
        } else {
            slowestMiddle = std::min(slowestMiddle, speedOf(box));
            spin += length(omegaOf(box)) / 91;
        }
    }
    EXPECT_GT(slowestMiddle, 1);
    EXPECT_GT(spin, 3) << "spinning on average";
    EXPECT_LT(fastestAside, 0.5f) << "the other pyramids stand";
}

TEST_F(ExplosionScenes, RemovingARingDropsTheRingsBelowItAndKeepsItGone) {
    INITDESTROY();
    PHY_ADDVELOCITY(NEWTORUS11[3].COMPOUND.NEWBODY, GLVECTOR(2, 0, 0));  // a swinging chain
    simulate(NEWWORLD11, 1);
    std::vector<TGLBaseMatrix> placed;
    std::vector<Vec> moving;
    for (int i = 0; i <= 3; ++i) {
        placed.push_back(matrixOf(NEWTORUS11[i].COMPOUND.NEWBODY));
        moving.push_back(velocityOf(NEWTORUS11[i].COMPOUND.NEWBODY));
    }

    DESTROYBODY11(NEWWORLD11, 4);
    EXPECT_FALSE(NEWTORUS11[4].DELLIST);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD11), 11);
    for (int i = 0; i <= 3; ++i) {
        const TGLBaseMatrix now = matrixOf(NEWTORUS11[i].COMPOUND.NEWBODY);
        for (int k = 0; k < 16; ++k) EXPECT_NEAR(now[k], placed[i][k], 1e-5f) << "ring " << i;
        EXPECT_EQ(length(velocityOf(NEWTORUS11[i].COMPOUND.NEWBODY) - moving[i]), 0) << "ring " << i;
    }
    simulate(NEWWORLD11, 2);
    EXPECT_GT(positionOf(NEWTORUS11[3].COMPOUND.NEWBODY).y, 25) << "rings 0 to 3 keep hanging";
    EXPECT_LT(positionOf(NEWTORUS11[10].COMPOUND.NEWBODY).y, 5) << "rings 5 to 10 fell";

    DESTROYBODY11(NEWWORLD11, 6);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD11), 10);
    EXPECT_FALSE(NEWTORUS11[4].DELLIST) << "ring 4 stays gone";
    EXPECT_FALSE(NEWTORUS11[6].DELLIST);

    const NewtonWorld* world = NEWWORLD11;
    DESTROYBODY11(NEWWORLD11, -1);
    DESTROYBODY11(NEWWORLD11, 11);
    EXPECT_EQ(NEWWORLD11, world) << "no rebuild";
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD11), 10);

    press('R');
    VIEWDESTROY();
    release('R');
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLD11), 12) << "R brings every ring back";
    EXPECT_TRUE(NEWTORUS11[4].DELLIST);
}

}  // namespace
