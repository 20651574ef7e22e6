// The gravity arrows: pressing and holding one steps the level every 10 frames.
#include "support/OffscreenGL.h"

#include "KEVA_Physics/PhyGravity.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/OutlineText.h"
#include "kestrova/Projection.h"
#include "kestrova/platform/OffscreenBackend.h"
#include "showcase/Frame.h"
#include "showcase/GravityLevels.h"
#include "showcase/GravitySelector.h"
#include "showcase/Shell.h"

#include <GL/glu.h>

#include <vector>

namespace {

class GravityArrows : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        OPENGL_INIT(1000, 0, 0, 0, 0);
        if (EVENTSELECTION == 0) BUILDGRAVITYPICKLIST();
        for (auto& counter : TIMER) counter = 0;
        SELECTDEMO = 299;  // no scene has this code: the frame draws the arrows and nothing else
    }
    void TearDown() override { GLWNDPROC(1, WM_LBUTTONUP, 0, 0); }

    // Window pixel of an arrow's centre, as the frame draws it.
    static void arrowPixel(float x, int& px, int& py) {
        GLdouble model[16], projection[16], wx, wy, wz;
        GLint viewport[4];
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -80);
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        gluProject(x, 26.75, 0, model, projection, viewport, &wx, &wy, &wz);
        px = static_cast<int>(wx);
        py = 600 - static_cast<int>(wy);
    }

    // Holds the left button on the arrow and returns the levels of each frame.
    static std::vector<float> holdArrow(float arrowX, int frames) {
        int px = 0, py = 0;
        arrowPixel(arrowX, px, py);
        GLWNDPROC(1, WM_MOUSEMOVE, 0, MAKELPARAM(px, py));
        GLWNDPROC(1, WM_LBUTTONDOWN, 0, MAKELPARAM(px, py));
        std::vector<float> levels;
        for (int frame = 0; frame < frames; ++frame) {
            OPENGL_DRAW();
            levels.push_back(SETGRAVITY);
        }
        GLWNDPROC(1, WM_LBUTTONUP, 0, MAKELPARAM(px, py));
        return levels;
    }
};

TEST_F(GravityArrows, LeftArrowStepsDownAndWrapsToTheStrongestLevel) {
    SETGRAVITY = 1;
    const auto levels = holdArrow(6, 16);
    // The press is picked at the end of the first frame; the counter then fires
    // on its 3rd frame and 10 frames later.
    EXPECT_EQ(levels[2], 1);
    EXPECT_EQ(levels[3], 0);
    EXPECT_EQ(levels[12], 0);
    EXPECT_EQ(levels[13], 16);
}

TEST_F(GravityArrows, RightArrowWrapsFromTheStrongestToNone) {
    SETGRAVITY = 16;
    const auto levels = holdArrow(18, 5);
    EXPECT_EQ(levels.back(), 0);
}

TEST_F(GravityArrows, PressOutsideTheArrowsChangesNothing) {
    SETGRAVITY = 8;
    GLWNDPROC(1, WM_LBUTTONDOWN, 0, MAKELPARAM(400, 400));
    for (int frame = 0; frame < 15; ++frame) OPENGL_DRAW();
    EXPECT_FALSE(CLICK[1]);
    EXPECT_FALSE(CLICK[2]);
    EXPECT_EQ(SETGRAVITY, 8);
}

// The level's name beside the right arrow: drawn by its glyphs in the frame
// the level changes in, and from the pixels kept of them in the frames after.
class GravityCaption : public GravityArrows {
protected:
    void SetUp() override {
        GravityArrows::SetUp();
        INITTEXT(0, 0, 0, 0);
    }
    void TearDown() override {
        DELETEGLTEXT();  // the frames of other tests stay without text
        GravityArrows::TearDown();
    }
    // Which pixels of the name's band, right of the arrows, have the captions' grey.
    static std::vector<bool> namePixels() {
        int width = 0, height = 0;
        const std::vector<std::uint8_t> rgba = platform::readFrontPixels(width, height);
        std::vector<bool> grey;
        for (int y = 30; y < 75; ++y)
            for (int x = 575; x < width; ++x) {
                const std::uint8_t* p = &rgba[4 * (static_cast<std::size_t>(y) * width + x)];
                grey.push_back(p[0] == 153 && p[1] == 153 && p[2] == 153);
            }
        return grey;
    }
};

TEST_F(GravityCaption, TheNewLevelsNameKeepsThePixelsOfItsGlyphs) {
    SETGRAVITY = 8;
    for (int frame = 0; frame < 3; ++frame) OPENGL_DRAW();
    const std::vector<bool> terra = namePixels();
    // Each arrow steps the level during the fourth frame it is held.
    ASSERT_EQ(holdArrow(18, 4).back(), 9);
    const std::vector<bool> nettunoFromGlyphs = namePixels();
    EXPECT_NE(nettunoFromGlyphs, terra);
    OPENGL_DRAW();
    EXPECT_EQ(namePixels(), nettunoFromGlyphs);
    ASSERT_EQ(holdArrow(6, 4).back(), 8);
    EXPECT_EQ(namePixels(), terra);
    OPENGL_DRAW();
    EXPECT_EQ(namePixels(), terra);
}

TEST(SelectGravity, WholeLevelsOnlyAndTheLevelNames) {
    SELECTGRAVITY(2);
    EXPECT_FLOAT_EQ(PHYVECGRAVITY.Y, -0.24525f);
    SELECTGRAVITY(2.5f);
    EXPECT_FLOAT_EQ(PHYVECGRAVITY.Y, -0.24525f);
    SELECTGRAVITY(16);
    EXPECT_FLOAT_EQ(PHYVECGRAVITY.Y, -2736.99f);
    SELECTGRAVITY(17);
    EXPECT_FLOAT_EQ(PHYVECGRAVITY.Y, -2736.99f);
    EXPECT_STREQ(GRAVITYNAMES[0], "NO GRAVITA");
    EXPECT_STREQ(GRAVITYNAMES[8], "TERRA");
    EXPECT_STREQ(GRAVITYNAMES[9], "NETTUNO");
}

}  // namespace
