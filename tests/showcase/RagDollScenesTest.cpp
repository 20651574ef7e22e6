// The puppet scenes: what "Pupazzo" and "Pupazzi" build, that a shot and a
// rebuild leave only the newest puppets, and that the falling puppets stay sound.
#include "physics/PhysicsTestSupport.h"
#include "support/OffscreenGL.h"

#include "kestrova/Input.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "showcase/GravityLevels.h"
#include "showcase/MenuCommands.h"
#include "showcase/RagDollScenes.h"
#include "showcase/Shell.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

class RagDollScenes : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        OPENGL_INIT(1000, 0, 0, 0, 0);
        glTranslatef(0, 0, -30);
        SETGRAVITY = 8;  // "TERRA"
        PHY_SETGRAVITYFORCE(0, static_cast<float>(PHY_EARTH_GRAVITY), 0);
        GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(400, 300));
    }
    void TearDown() override {
        for (int key = 0; key < 501; ++key) SETKEY[key] = 0;
        SELECTDEMO = 0;
    }
    static void hold(char key, void (*view)(), int frames) {
        GLWNDPROC(1, WM_KEYDOWN, key, 0);
        for (int frame = 0; frame < frames; ++frame) view();
        GLWNDPROC(1, WM_KEYUP, key, 0);
    }
};

void forEachBody(const NewtonWorld* world, const std::function<void(const NewtonBody*)>& visit) {
    for (NewtonBody* body = NewtonWorldGetFirstBody(world); body; body = NewtonWorldGetNextBody(world, body))
        visit(body);
}

// Every puppet bone of the scene belongs to `world`, and so many puppets there are.
void expectPuppetsOf(const std::vector<PHY_humanRagDoll>& puppets, const NewtonWorld* world) {
    EXPECT_EQ(puppets.size(), 5u);
    for (const PHY_humanRagDoll& puppet : puppets)
        for (const auto& bone : puppet.BONE) EXPECT_EQ(NewtonBodyGetWorld(bone->BODY), world) << bone->NAME;
}

TEST_F(RagDollScenes, PupazzoDropsFivePuppetsAmongPostsAndARebuildReplacesThemAll) {
    OPENGL_ADDCOMMAND(1, WM_COMMAND, 600, 0);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDD1), 1 + 21 + 5 * 16);
    EXPECT_EQ(NewtonWorldGetConstraintCount(NEWWORLDD1), 5 * 15);
    ASSERT_EQ(CUSTOMCYLINDERD1.size(), 21u);
    for (const PHY_CustomFaceCylinder& post : CUSTOMCYLINDERD1) {
        EXPECT_EQ(massOf(post.CONVEXHULL.NEWBODY), 0);
        const TGLBaseMatrix m = matrixOf(post.CONVEXHULL.NEWBODY);
        EXPECT_NEAR(m[9], -1, 1e-5f) << "posts stand upright";
    }
    expectPuppetsOf(RAGDOLLD1, NEWWORLDD1);
    for (const PHY_humanRagDoll& puppet : RAGDOLLD1) {
        const Vec basin = positionOf(puppet.BASINBONE->BODY);
        EXPECT_GT(basin.y, 18);
        EXPECT_LT(basin.y, 38);
        EXPECT_GT(positionOf(puppet.HEADBONE->BODY).y, basin.y) << "puppets start upright";
    }

    hold('A', VIEWRAGDOLL, 3);
    ASSERT_EQ(BULLETD1[0].SPHERE.size(), 1u);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDD1), 103);
    // The new world may well take the old one's freed address: what shows
    // the rebuild is that the shot sphere went with the old world.
    hold('R', VIEWRAGDOLL, 2);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDD1), 102);
    EXPECT_EQ(CUSTOMCYLINDERD1.size(), 21u) << "the old posts went with their world";
    for (const PHY_CustomFaceCylinder& post : CUSTOMCYLINDERD1)
        EXPECT_EQ(NewtonBodyGetWorld(post.CONVEXHULL.NEWBODY), NEWWORLDD1);
    expectPuppetsOf(RAGDOLLD1, NEWWORLDD1);
    EXPECT_FALSE(BULLETD1[0].SPHERE[0].DELLIST);
    VIEWRAGDOLL();
}

TEST_F(RagDollScenes, PupazziHangsFivePuppetsByTheirHandsAndARebuildReplacesThem) {
    OPENGL_ADDCOMMAND(1, WM_COMMAND, 601, 0);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDD2), 1 + 5 * 16);
    EXPECT_EQ(NewtonWorldGetConstraintCount(NEWWORLDD2), 5 * (15 + 2));
    expectPuppetsOf(RAGDOLLD2, NEWWORLDD2);

    hold('A', VIEWRAGDOLL2, 3);
    ASSERT_EQ(BULLETD2[0].SPHERE.size(), 1u);
    hold('R', VIEWRAGDOLL2, 2);
    EXPECT_EQ(NewtonWorldGetBodyCount(NEWWORLDD2), 81);
    expectPuppetsOf(RAGDOLLD2, NEWWORLDD2);
    EXPECT_FALSE(BULLETD2[0].SPHERE[0].DELLIST);
    VIEWRAGDOLL2();
}

// 600 frames of the tilted floor: nothing goes wild, and what stays on the
// floor stays above it.
TEST_F(RagDollScenes, PupazzoPuppetsTumbleDownTheFloorWithoutExploding) {
    INITRAGDOLL();
    // The floor's frame: its faces lie 1 unit above and below its centre, its
    // edges 30 units out along its own x and z.
    const TGLBaseMatrix floor = matrixOf(NEWBOXD1[0].NEWBODY);
    const Vec side{floor[0], floor[1], floor[2]}, up{floor[4], floor[5], floor[6]}, depth{floor[8], floor[9], floor[10]};
    const Vec centre = positionOf(NEWBOXD1[0].NEWBODY);
    const auto overFloor = [&](const Vec& p) {
        const Vec offset = p - centre;
        return std::abs(dot(offset, side)) < 28 && std::abs(dot(offset, depth)) < 28;
    };
    // Puppets that slide off the lower edge fall past the floor and may end up
    // under it, among the posts that reach below: only a body that stayed over
    // the floor from above its top face to below its bottom face went through it.
    std::map<const NewtonBody*, bool> aboveAndOverSince;
    float fastest = 0;
    int sankThrough = 0;
    for (int step = 0; step < 600; ++step) {
        NewtonUpdate(NEWWORLDD1, 0.012f);
        forEachBody(NEWWORLDD1, [&](const NewtonBody* body) {
            fastest = std::max(fastest, length(velocityOf(body)));
            if (massOf(body) == 0) return;  // the floor and the posts
            const Vec p = positionOf(body);
            const float height = dot(p - centre, up);
            bool& above = aboveAndOverSince[body];
            if (!overFloor(p)) above = false;
            else if (height > 1) above = true;
            else if (height < -1.5f && above) {
                ++sankThrough;
                above = false;
            }
        });
    }
    EXPECT_LT(fastest, 40) << "falling from 38 units reaches 27 units a second";
    EXPECT_EQ(sankThrough, 0) << "bodies went through the floor";
    forEachBody(NEWWORLDD1, [&](const NewtonBody* body) {
        EXPECT_TRUE(finite(positionOf(body)) && finite(velocityOf(body)));
    });
}

}  // namespace
