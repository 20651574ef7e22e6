// The sphere launcher and the click-charged explosion that scenes share.
#include "support/OffscreenGL.h"

#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyPick.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "kestrova/Lights.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"
#include "showcase/PickExplosion.h"
#include "showcase/SceneFramework.h"
#include "showcase/SphereLauncher.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

class SceneObjects : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        OPENGL_INIT(1000, 0, 0, 0, 0);
        glLoadIdentity();
        glTranslatef(0, 0, -30);
        world = PHY_INITWORLD(60);
        PHY_SETWORLDSIZE(world, -800, -800, -800, 800, 800, 800);
        PHY_SETGRAVITYFORCE(0, 0, 0);
        GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(400, 300));
    }
    void TearDown() override {
        GLWNDPROC(1, WM_LBUTTONUP, 0, 0);
        GLWNDPROC(1, WM_KEYUP, 'R', 0);
        NewtonDestroy(world);
    }
    NewtonWorld* world = nullptr;
};

TEST_F(SceneObjects, LauncherShootsOnceOnTheThirdHeldFrame) {
    PHY_Bullet launcher;
    std::vector<std::size_t> counts;
    for (int frame = 1; frame <= 8; ++frame) {
        launcher.CREATEBULLET(world, 15, 4.5f, 0.6f, 1.5f, 25, true);
        counts.push_back(launcher.SPHERE.size());
    }
    EXPECT_EQ(counts, (std::vector<std::size_t>{0, 0, 1, 1, 1, 1, 1, 1}));
    launcher.CREATEBULLET(world, 15, 4.5f, 0.6f, 1.5f, 25, false);
    for (int frame = 1; frame <= 3; ++frame) launcher.CREATEBULLET(world, 15, 4.5f, 0.6f, 1.5f, 25, true);
    EXPECT_EQ(launcher.SPHERE.size(), 2u);
    // The sphere flies into the screen, away from the viewer.
    NewtonUpdate(world, 1.0f / 60);
    dFloat velocity[3];
    NewtonBodyGetVelocity(launcher.SPHERE[0].NEWBODY, velocity);
    EXPECT_LT(velocity[2], 0);
}

TEST_F(SceneObjects, BurstShootsEveryThirdFrameWithStepTwo) {
    PHY_Bullet launcher;
    std::vector<int> shots;
    for (int frame = 1; frame <= 9; ++frame) {
        const auto before = launcher.SPHERE.size();
        launcher.CREATEBULLETRAFFIC(world, 2, 15, 4.5f, 1, 1, 80, true);
        if (launcher.SPHERE.size() > before) shots.push_back(frame);
    }
    EXPECT_EQ(shots, (std::vector<int>{2, 5, 8}));
}

TEST_F(SceneObjects, RHidesTheSpheresAndKeepsTheArrayLength) {
    PHY_Bullet launcher;
    for (int frame = 1; frame <= 3; ++frame) launcher.CREATEBULLET(world, 15, 4.5f, 0.6f, 1.5f, 25, true);
    ASSERT_EQ(launcher.SPHERE.size(), 1u);
    EXPECT_TRUE(launcher.SPHERE[0].DELLIST);
    GLWNDPROC(1, WM_KEYDOWN, 'R', 0);
    launcher.CREATEBULLET(world, 15, 4.5f, 0.6f, 1.5f, 25, false);
    EXPECT_EQ(launcher.SPHERE.size(), 1u);
    EXPECT_FALSE(launcher.SPHERE[0].DELLIST);
}

TEST_F(SceneObjects, SpheresOfAnAbandonedWorldAreHidden) {
    PHY_Bullet launcher;
    for (int frame = 1; frame <= 3; ++frame) launcher.CREATEBULLET(world, 15, 4.5f, 0.6f, 1.5f, 25, true);
    NewtonWorld* rebuilt = PHY_INITWORLD(60);
    launcher.CREATEBULLET(rebuilt, 15, 4.5f, 0.6f, 1.5f, 25, false);
    EXPECT_FALSE(launcher.SPHERE[0].DELLIST);
    NewtonDestroy(rebuilt);
}

// The scenes draw their floor after the bodies standing on it. A tile sunk
// into the floor with its top level with the floor's top meets it at the same
// depth: it must show as it did over a floor drawn first.
TEST_F(SceneObjects, FloorDrawnLastLeavesTheBodiesOnItAsAFloorDrawnFirst) {
    PHY_Box floor, tile;
    floor.SETBOX(world, GLVECTOR(0, -0.5f, 0), GLVECTOR(0, 0, 0), GLVECTOR(10, 0.5f, 10), 0);
    tile.SETBOX(world, GLVECTOR(1, -0.25f, 0), GLVECTOR(0, 0, 0), GLVECTOR(3, 0.25f, 2), 0);
    SETGLREFRACTIVE();  // back faces culled, as the program starts
    glRotatef(40, 1, 0, 0);
    glRotatef(30, 0, 1, 0);
    SETGLLIGHT(GL_LIGHT0, 0, 10, 5, 1);
    const auto picture = [] {
        std::vector<std::uint8_t> rgba(800 * 600 * 4);
        glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    };

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SCENEMATERIAL(192, 192, 192);
    floor.DRAW();
    SCENEMATERIAL(250, 60, 60);
    tile.DRAW();
    const std::vector<std::uint8_t> floorFirst = picture();

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SCENEMATERIAL(250, 60, 60);
    tile.DRAW();
    DRAWFLOOR(floor);
    const std::vector<std::uint8_t> floorLast = picture();

    int red = 0;
    for (std::size_t p = 0; p < floorLast.size(); p += 4) red += floorLast[p] > floorLast[p + 1] + 30;
    EXPECT_GT(red, 2000) << "the tile shows";
    EXPECT_TRUE(floorLast == floorFirst);
}

class PickExplosion : public SceneObjects {
protected:
    void SetUp() override {
        SceneObjects::SetUp();
        target.SETBOX(world, GLVECTOR(0, 0, 0), GLVECTOR(0, 0, 0), GLVECTOR(2, 2, 2), 5);
        PICKEXPSTEP = 0;
        PICKEDBODY = nullptr;
        MOUSEPICKMODE = false;
    }
    // Holds the left button at (x, y) for `frames` frames; returns the charge before the release.
    float hold(int x, int y, int frames) {
        GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        GLWNDPROC(1, WM_LBUTTONDOWN, 0, MAKELPARAM(x, y));
        for (int frame = 0; frame < frames; ++frame) PHY_MOUSEPICKEXPLOSION(world, SETOMX, SETOMY, SETMX, SETMY, 10, 40);
        const float charge = PICKEXPSTEP;
        GLWNDPROC(1, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        return charge;
    }
    // The frame of the release, then one step so the push shows in the velocity.
    float speedAfterRelease() {
        PHY_MOUSEPICKEXPLOSION(world, SETOMX, SETOMY, SETMX, SETMY, 10, 40);
        NewtonUpdate(world, 1.0f / 60);
        dFloat v[3];
        NewtonBodyGetVelocity(target.NEWBODY, v);
        return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    }
    PHY_Box target;
};

TEST_F(PickExplosion, ChargeCountsHeldFramesUpToTwiceTheStrength) {
    EXPECT_FLOAT_EQ(hold(430, 290, 5), 4);  // the release frame adds the 5th
    EXPECT_GT(speedAfterRelease(), 0);
    EXPECT_EQ(PICKEXPSTEP, 0);
    EXPECT_EQ(PICKEDBODY, nullptr);
    EXPECT_FLOAT_EQ(hold(400, 300, 50), 20);
}

TEST_F(PickExplosion, ReleaseOffEveryBodyDoesNothing) {
    hold(20, 20, 10);
    EXPECT_EQ(PICKEDBODY, nullptr);
    EXPECT_FLOAT_EQ(speedAfterRelease(), 0);
}

}  // namespace
