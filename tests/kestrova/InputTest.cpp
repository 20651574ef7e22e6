// Key table, mouse buttons and the orbit camera driven by drags.
#include "kestrova/Input.h"
#include "kestrova/OGLWindow.h"

#include <gtest/gtest.h>

namespace {

class MouseState : public ::testing::Test {
protected:
    void SetUp() override {
        GLWNDPROC(1, WM_LBUTTONUP, 0, 0);
        GLWNDPROC(1, WM_RBUTTONUP, 0, 0);
        XROT = YROT = DEPTH = 0;
        MSPEED = 2;
    }
    static void move(int x, int y) { GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
};

TEST_F(MouseState, LeftDragTurnsOneDegreePerPixelAtSpeedTwo) {
    GLWNDPROC(1, WM_LBUTTONDOWN, 0, MAKELPARAM(100, 200));
    EXPECT_EQ(SETMX, 100);
    EXPECT_EQ(SETMY, 200);
    move(110, 200);
    EXPECT_FLOAT_EQ(YROT, 10);
    EXPECT_FLOAT_EQ(XROT, 0);
    move(110, 195);
    EXPECT_FLOAT_EQ(XROT, -5);
    // The press position stays put while dragging, for click tests.
    EXPECT_EQ(SETMX, 100);
    GLWNDPROC(1, WM_LBUTTONUP, 0, MAKELPARAM(110, 195));
    EXPECT_EQ(SETMX, 0);
    EXPECT_EQ(SETMY, 0);
    EXPECT_FALSE(LEFTMOUSEDOWN2);
}

TEST_F(MouseState, RightDragUpwardsMovesTheSceneAway) {
    GLWNDPROC(1, WM_RBUTTONDOWN, 0, MAKELPARAM(300, 300));
    move(300, 290);
    EXPECT_FLOAT_EQ(DEPTH, 2);
    GLWNDPROC(1, WM_RBUTTONUP, 0, MAKELPARAM(300, 290));
    move(300, 250);
    EXPECT_FLOAT_EQ(DEPTH, 2);
}

TEST_F(MouseState, SuspendedRotationKeepsThePhysicalButton) {
    GLWNDPROC(1, WM_LBUTTONDOWN, 0, MAKELPARAM(50, 50));
    LEFTMOUSEDOWN = false;  // the application uses the button itself
    move(80, 50);
    EXPECT_FLOAT_EQ(YROT, 0);
    EXPECT_TRUE(LEFTMOUSEDOWN2);
    EXPECT_EQ(SETOMX, 80);
}

TEST_F(MouseState, MoveWithoutButtonsOnlyTracksThePointer) {
    move(640, 480);
    EXPECT_EQ(SETOMX, 640);
    EXPECT_EQ(SETOMY, 480);
    EXPECT_FLOAT_EQ(XROT, 0);
    EXPECT_FLOAT_EQ(YROT, 0);
    EXPECT_FLOAT_EQ(DEPTH, 0);
}

TEST(KeyTable, CharacterFormDoesNoCaseConversion) {
    GLWNDPROC(1, WM_KEYDOWN, 97, 0);  // numeric keypad 1
    EXPECT_TRUE(SETGLKEY('a'));
    EXPECT_FALSE(SETGLKEY('A'));
    GLWNDPROC(1, WM_KEYUP, 97, 0);
    EXPECT_FALSE(SETGLKEY('a'));
    EXPECT_FALSE(SETGLKEY(501));  // outside the table: never held
    EXPECT_FALSE(SETGLKEY(-1));
}

}  // namespace
