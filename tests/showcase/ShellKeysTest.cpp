// The shell keys of the frame and their repeat-counter rule.
#include "support/OffscreenGL.h"

#include "kestrova/Input.h"
#include "kestrova/OGLWindow.h"
#include "showcase/Frame.h"
#include "showcase/Shell.h"
#include "showcase/VehicleState.h"

#include <vector>

namespace {

class ShellKeys : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        for (auto& counter : TIMER) counter = 0;
        for (auto& key : SETKEY) key = 0;
        SELECTDEMO = 0;
        ENABLEDEBUG = false;
        ENABLEGRAVITY = true;
        ENABLECAMERAPLAYER = false;
    }
    static void press(int key) { GLWNDPROC(1, WM_KEYDOWN, key, 0); }
    static void release(int key) { GLWNDPROC(1, WM_KEYUP, key, 0); }
};

TEST(RepeatCounter, FiresOnThirdFrameThenEveryTenAndResetsOnRelease) {
    std::int32_t counter = 0;
    std::vector<int> fired;
    for (int frame = 1; frame <= 25; ++frame)
        if (REPEATCOUNTER(counter, true)) fired.push_back(frame);
    EXPECT_EQ(fired, (std::vector<int>{3, 13, 23}));
    REPEATCOUNTER(counter, false);
    EXPECT_EQ(counter, 0);
}

TEST_F(ShellKeys, HeldDTogglesDebugOnFrames3And13And23) {
    press('D');
    std::vector<int> toggles;
    bool previous = ENABLEDEBUG;
    for (int frame = 1; frame <= 25; ++frame) {
        OPENGL_DRAW();
        if (ENABLEDEBUG != previous) toggles.push_back(frame);
        previous = ENABLEDEBUG;
    }
    release('D');
    EXPECT_EQ(toggles, (std::vector<int>{3, 13, 23}));
}

TEST_F(ShellKeys, ShortTapDoesNothing) {
    press('D');
    OPENGL_DRAW();
    OPENGL_DRAW();
    release('D');
    OPENGL_DRAW();
    press('D');
    OPENGL_DRAW();
    OPENGL_DRAW();
    release('D');
    EXPECT_FALSE(ENABLEDEBUG);
}

TEST_F(ShellKeys, QReturnsToTheStartScreen) {
    SELECTDEMO = 203;
    press('Q');
    OPENGL_DRAW();
    release('Q');
    EXPECT_EQ(SELECTDEMO, 0);
}

TEST_F(ShellKeys, CameraAndGravityKeysOnlyInTheVehicleScene) {
    SELECTDEMO = 201;
    press('C');
    press('G');
    for (int frame = 0; frame < 5; ++frame) OPENGL_DRAW();
    EXPECT_FALSE(ENABLECAMERAPLAYER);
    EXPECT_TRUE(ENABLEGRAVITY);
    EXPECT_EQ(TIMER[3], 0);

    SELECTDEMO = 808;
    for (auto& counter : TIMER) counter = 0;
    for (int frame = 0; frame < 3; ++frame) OPENGL_DRAW();
    release('C');
    release('G');
    EXPECT_TRUE(ENABLECAMERAPLAYER);
    EXPECT_FALSE(ENABLEGRAVITY);
}

}  // namespace
