// Grabbing a body with the mouse in the bullets scene: the held box follows the
// pointer at its own depth and bounded speed while the wall stays, falls when
// let go, and a rebuild or another scene lets go of it safely.
#include "physics/PhysicsTestSupport.h"
#include "showcase/SceneTestSupport.h"

#include "showcase/MenuCommands.h"
#include "showcase/RigidScenes.h"

#include <GL/glu.h>

#include <algorithm>
#include <vector>

namespace {

class BodyGrab : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        OPENGL_ADDCOMMAND(1, WM_COMMAND, 204, 0);
        frames(60);  // the wall settles
    }
    void TearDown() override {
        GLWNDPROC(1, WM_MBUTTONUP, 0, 0);
        GLWNDPROC(1, WM_LBUTTONUP, 0, 0);
        frame();
        SceneTest::TearDown();
    }

    // The box on top of the wall, which rests on the two below it only.
    static const NewtonBody* topBox() {
        const auto top = std::max_element(NEWBOX4.begin() + 1, NEWBOX4.end(), [](const PHY_Box& a, const PHY_Box& b) {
            return positionOf(a.NEWBODY).y < positionOf(b.NEWBODY).y;
        });
        return top->NEWBODY;
    }

    // Window pixel of a world point under the frame's camera.
    static void pixelOf(const Vec& p, int& px, int& py) {
        GLdouble model[16], projection[16], wx, wy, wz;
        GLint viewport[4];
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, -10, -80);
        glRotatef(15, 1, 0, 0);
        SETGLMOUSEMOVE(GL_M0, 2);
        glRotatef(45, 0, 1, 0);
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        gluProject(p.x, p.y, p.z, model, projection, viewport, &wx, &wy, &wz);
        glLoadIdentity();
        px = static_cast<int>(wx);
        py = viewport[3] - static_cast<int>(wy);
    }

    static void moveTo(int x, int y) { GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

    // Every box of the wall but `except`, where it stands now.
    static std::vector<Vec> wallBut(const NewtonBody* except) {
        std::vector<Vec> where;
        for (std::size_t i = 1; i < NEWBOX4.size(); ++i)
            if (NEWBOX4[i].NEWBODY != except) where.push_back(positionOf(NEWBOX4[i].NEWBODY));
        return where;
    }
};

TEST_F(BodyGrab, TheHeldBoxAloneFollowsThePointerAtBoundedSpeedAndFallsWhenLetGo) {
    const NewtonBody* box = topBox();
    const Vec start = positionOf(box);
    const std::vector<Vec> wall = wallBut(box);
    int px = 0, py = 0;
    pixelOf(start, px, py);
    moveTo(px, py);
    GLWNDPROC(1, WM_MBUTTONDOWN, 0, MAKELPARAM(px, py));
    frame();
    // A yank of the pointer up off the wall and far to the right, then a rest.
    moveTo(px + 300, py - 60);
    float fastest = 0;
    for (int i = 0; i < 120; ++i) {
        frame();
        fastest = std::max(fastest, length(velocityOf(box)));
    }
    const Vec held = positionOf(box);
    int hx = 0, hy = 0;
    pixelOf(held, hx, hy);
    EXPECT_NEAR(hx, px + 300, 15);
    EXPECT_NEAR(hy, py - 60, 15);
    // The pointer jumped 300 pixels in one frame: the held point moves at most
    // 40 units a second, the box swings a little about it.
    EXPECT_LT(fastest, 50);
    const std::vector<Vec> after = wallBut(box);
    float moved = 0;
    for (std::size_t i = 0; i < wall.size(); ++i) moved = std::max(moved, length(after[i] - wall[i]));
    EXPECT_LT(moved, 0.1f);

    GLWNDPROC(1, WM_MBUTTONUP, 0, MAKELPARAM(px + 300, py - 60));
    frames(60);
    EXPECT_LT(velocityOf(box).y, -3);  // falling freely, whatever swing it was let go in
    EXPECT_EQ(NewtonWorldGetConstraintCount(NEWWORLD4), 0);
}

TEST_F(BodyGrab, CtrlWithTheLeftButtonGrabsWithoutClickingOrTurningTheView) {
    const NewtonBody* box = topBox();
    const Vec start = positionOf(box);
    const float tilt = XROT, turn = YROT;
    int px = 0, py = 0;
    pixelOf(start, px, py);
    moveTo(px, py);
    GLWNDPROC(1, WM_LBUTTONDOWN, MK_CONTROL, MAKELPARAM(px, py));
    frame();
    moveTo(px + 150, py - 50);
    frames(60);
    EXPECT_FALSE(LEFTMOUSEDOWN2);  // what the scenes' clicks read
    EXPECT_EQ(SETMX, 0);
    EXPECT_EQ(XROT, tilt);
    EXPECT_EQ(YROT, turn);
    int hx = 0, hy = 0;
    pixelOf(positionOf(box), hx, hy);
    EXPECT_NEAR(hx, px + 150, 15);
    EXPECT_NEAR(hy, py - 50, 15);
    EXPECT_GT(positionOf(box).y, start.y);
    GLWNDPROC(1, WM_LBUTTONUP, 0, MAKELPARAM(px + 150, py - 50));
    frame();
    EXPECT_EQ(NewtonWorldGetConstraintCount(NEWWORLD4), 0);

    // The plain left button still turns the view.
    GLWNDPROC(1, WM_LBUTTONDOWN, 0, MAKELPARAM(px, py));
    moveTo(px + 10, py);
    EXPECT_TRUE(LEFTMOUSEDOWN2);
    EXPECT_EQ(YROT, turn + 10);
}

TEST_F(BodyGrab, ARebuildOrAnotherSceneLetsTheHeldBodyGo) {
    int px = 0, py = 0;
    pixelOf(positionOf(topBox()), px, py);
    moveTo(px, py);
    GLWNDPROC(1, WM_MBUTTONDOWN, 0, MAKELPARAM(px, py));
    frame();
    ASSERT_EQ(NewtonWorldGetConstraintCount(NEWWORLD4), 1);
    press('R');  // the held box's world is destroyed
    frames(2);
    release('R');
    frames(2);
    EXPECT_EQ(NewtonWorldGetConstraintCount(NEWWORLD4), 0);  // still held, but nothing is taken without a new press

    GLWNDPROC(1, WM_MBUTTONUP, 0, MAKELPARAM(px, py));
    frame();
    GLWNDPROC(1, WM_MBUTTONDOWN, 0, MAKELPARAM(px, py));
    frame();
    ASSERT_EQ(NewtonWorldGetConstraintCount(NEWWORLD4), 1);
    NewtonWorld* const heldIn = NEWWORLD4;
    OPENGL_ADDCOMMAND(1, WM_COMMAND, 205, 0);
    frame();
    EXPECT_EQ(NewtonWorldGetConstraintCount(heldIn), 0);
    OPENGL_ADDCOMMAND(1, WM_COMMAND, 204, 0);  // destroys the world the box was held in
    frames(2);
}

}  // namespace
