// A window of another size: the gravity arrows react where they are drawn, the
// mouse unprojects to the point under it, a first-person view parks the pointer
// at the new centre, F11 switches to the screen's size and back, and F12 writes
// the frame as a PNG into the pictures folder and says so.
#include "showcase/SceneTestSupport.h"

#include "KEVA_Physics/PhyPlayer.h"
#include "kestrova/Input.h"
#include "kestrova/MessageQueue.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Picking.h"
#include "kestrova/Platform.h"
#include "kestrova/Projection.h"
#include "kestrova/platform/OffscreenBackend.h"
#include "showcase/Frame.h"
#include "showcase/GravityLevels.h"
#include "showcase/GravitySelector.h"
#include "showcase/Screenshot.h"
#include "showcase/Shell.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class WindowSize : public SceneTest {
protected:
    void SetUp() override {
        SceneTest::SetUp();
        for (auto& counter : TIMER) counter = 0;
        SELECTDEMO = 299;  // a code of no scene: the frame draws only the arrows and the overlay
        resize(1600, 900);
    }
    void TearDown() override {
        GLWNDPROC(1, WM_LBUTTONUP, 0, 0);
        SceneTest::TearDown();
        FULLSCREEN = false;
        resize(800, 600);
    }
    // The window resized by its user; the size message is handled before the next frame.
    static void resize(int width, int height) {
        ASSERT_TRUE(platform::resizeOffscreenWindow(width, height));
        pumpAll();
    }
    static void pumpAll() {
        MSG_ msg;
        while (GETGLMESSAGE(msg)) GLWNDPROC(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }
    // A press and a release, each followed by a frame as the main loop runs them.
    static void key(int code) {
        GLWNDPROC(1, WM_KEYDOWN, code, 0);
        pumpAll();
        OPENGL_DRAW();
        GLWNDPROC(1, WM_KEYUP, code, 0);
        pumpAll();
        OPENGL_DRAW();
    }
};

TEST_F(WindowSize, TheRightArrowReactsWhereItStandsInA1600x900Window) {
    // The arrow keeps its height share of the window: at 1600 x 900 its centre
    // is at (1044, 87), where 800 x 600 had nothing to press.
    GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(1044, 87));
    GLWNDPROC(1, WM_LBUTTONDOWN, 0, MAKELPARAM(1044, 87));
    for (int frame = 0; frame < 4; ++frame) OPENGL_DRAW();
    EXPECT_TRUE(OVER[2]);
    EXPECT_EQ(SETGRAVITY, 9);
    GLWNDPROC(1, WM_LBUTTONUP, 0, MAKELPARAM(1044, 87));

    // Where the arrow stood in the 800 x 600 window is empty space now.
    GLWNDPROC(1, WM_LBUTTONDOWN, 0, MAKELPARAM(563, 57));
    for (int frame = 0; frame < 4; ++frame) OPENGL_DRAW();
    EXPECT_EQ(SETGRAVITY, 9);
}

TEST_F(WindowSize, TheMouseUnprojectsToThePointUnderItAfterAResize) {
    glLoadIdentity();
    glTranslatef(0, 0, -80);
    GLdouble model[16], projection[16], wx = 0, wy = 0, wz = 0;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1600);
    EXPECT_EQ(viewport[3], 900);
    gluProject(18, 26.75, 0, model, projection, viewport, &wx, &wy, &wz);
    EXPECT_NEAR(wx, 1044, 1);
    EXPECT_NEAR(900 - wy, 87, 1);
    const TGLVector point = SCREENTOWORLD(static_cast<float>(wx), static_cast<float>(900 - wy), static_cast<float>(wz));
    EXPECT_NEAR(point.X, 18, 0.05);
    EXPECT_NEAR(point.Y, 26.75, 0.05);
    EXPECT_NEAR(point.Z, 0, 0.05);
}

TEST_F(WindowSize, AFirstPersonViewParksThePointerAtTheNewCentre) {
    PHY_PLAYERGAME player;
    const auto look = [&](int x, int y) {
        platform::movePointer(x, y);
        player.MOUSEMOVE(8);
        platform::swapBuffers();
    };
    look(800, 450);
    int x = 0, y = 0;
    platform::parkedPointer(x, y);
    EXPECT_EQ(x, 800);
    EXPECT_EQ(y, 450);
    look(900, 450);  // 100 pixels right of the centre: a turn of 8 degrees
    EXPECT_FLOAT_EQ(player.ROTATION.Y, -8);
}

TEST_F(WindowSize, F11SwitchesToTheWholeScreenAndBackToTheWindow) {
    key(VK_F11);
    EXPECT_TRUE(FULLSCREEN);
    EXPECT_EQ(WIDTH, platform::screenWidth());
    EXPECT_EQ(HEIGHT, platform::screenHeight());
    key(VK_F11);
    EXPECT_FALSE(FULLSCREEN);
    EXPECT_EQ(WIDTH, 1600);
    EXPECT_EQ(HEIGHT, 900);
}

// F12 in the frame of code 299 with the pictures folder in a fresh temporary folder.
class Screenshot : public WindowSize {
protected:
    void SetUp() override {
        WindowSize::SetUp();
        folder = fs::temp_directory_path() / ("kestrova-shots-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        setenv("XDG_PICTURES_DIR", folder.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_PICTURES_DIR");
        fs::remove_all(folder);
        WindowSize::TearDown();
    }
    std::vector<fs::path> pictures() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(folder)) found.push_back(entry.path());
        std::sort(found.begin(), found.end());
        return found;
    }
    fs::path folder;
};

TEST_F(Screenshot, F12WritesTheWholeFrameNamedAfterTheSceneAndNeverOverwrites) {
    // Three presses within a second or two: three pictures, none written over.
    for (int press = 0; press < 3; ++press) key(VK_F12);
    const auto written = pictures();
    ASSERT_EQ(written.size(), 3u);
    // Named like "kestrova-299-20261209-183005.png"; a second one in the same second ends in "-2".
    const std::regex named("kestrova-299-[0-9]{8}-[0-9]{6}(-[0-9]+)?\\.png");
    for (const fs::path& picture : written) EXPECT_TRUE(std::regex_match(picture.filename().string(), named)) << picture;
    EXPECT_EQ(SCREENSHOTNOTICE().rfind("Immagine salvata: " + folder.string() + "/kestrova-299-", 0), 0u);
    // The PNG header holds the frame's size: 1600 x 900, big-endian, at bytes 16..23.
    std::ifstream png(written[0], std::ios::binary);
    unsigned char header[24] = {};
    png.read(reinterpret_cast<char*>(header), sizeof header);
    EXPECT_EQ(header[18] * 256 + header[19], 1600);
    EXPECT_EQ(header[22] * 256 + header[23], 900);
}

TEST_F(Screenshot, AFolderThatCannotBeWrittenIsReportedAndNothingBreaks) {
    // Nowhere to write: no pictures folder, and a working directory that is gone.
    unsetenv("XDG_PICTURES_DIR");
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    setenv("HOME", (folder / "nobody").c_str(), 1);
    const fs::path cwd = fs::current_path();
    const fs::path gone = folder / "gone";
    fs::create_directories(gone);
    fs::current_path(gone);
    fs::remove(gone);
    key(VK_F12);
    OPENGL_DRAW();
    fs::current_path(cwd);
    setenv("HOME", savedHome.c_str(), 1);
    EXPECT_TRUE(pictures().empty());
    EXPECT_EQ(SCREENSHOTNOTICE().rfind("Impossibile salvare l'immagine: kestrova-299-", 0), 0u) << SCREENSHOTNOTICE();
}

}  // namespace
