// The 3D and 2D set-ups and the drawing switches, checked by where points land
// and which pixels get drawn.
#include "GeometryCapture.h"
#include "support/OffscreenGL.h"

#include "kestrova/OGLWindow.h"
#include "kestrova/Projection.h"
#include "kestrova/RenderState.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <numbers>

namespace {

class Projection : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
    }

    void fillSquare(float x, float y, float half, float alpha) {
        glColor4f(1, 1, 1, alpha);
        glBegin(GL_QUADS);
        glVertex2f(x - half, y - half);
        glVertex2f(x + half, y - half);
        glVertex2f(x + half, y + half);
        glVertex2f(x - half, y + half);
        glEnd();
    }
};

}  // namespace

TEST_F(Projection, OverlaySpansFourUnitsAcrossAndThreeUp) {
    OPENGL_I2D(1, 0, 0, 0);
    const auto topRight = windowPointOf(2, 1.5, 0);
    const auto bottomLeft = windowPointOf(-2, -1.5, 0);
    EXPECT_NEAR(topRight[0], 800, 1e-4);
    EXPECT_NEAR(topRight[1], 600, 1e-4);
    EXPECT_NEAR(bottomLeft[0], 0, 1e-4);
    EXPECT_NEAR(bottomLeft[1], 0, 1e-4);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(Projection, PerspectiveOfFortyFiveDegreesFromATenthToTheDepth) {
    glEnable(GL_BLEND);
    glTranslatef(3, 0, 0);
    OPENGL_INIT(1000, 0.5, 0.1, 0.2, 0.3);
    const double d = 10, halfHeight = d * std::tan(22.5 * std::numbers::pi / 180);
    const auto corner = windowPointOf(halfHeight * 800 / 600, halfHeight, -d);
    EXPECT_NEAR(corner[0], 800, 1e-3);
    EXPECT_NEAR(corner[1], 600, 1e-3);
    EXPECT_NEAR(windowPointOf(0, 0, -0.1)[2], 0, 1e-6);
    EXPECT_NEAR(windowPointOf(0, 0, -1000)[2], 1, 1e-6);

    std::array<GLfloat, 4> clear{}, colour{};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear.data());
    EXPECT_FLOAT_EQ(clear[0], 0.1f);  // red, green, blue, then the alpha given first
    EXPECT_FLOAT_EQ(clear[3], 0.5f);
    GLfloat clearDepth = 0;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &clearDepth);
    EXPECT_EQ(clearDepth, 1);
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_FLOAT_EQ(colour[3], 0.5f);
    GLint depthFunc = 0, blendSrc = 0, blendDst = 0, localViewer = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    glGetIntegerv(GL_BLEND_SRC, &blendSrc);
    glGetIntegerv(GL_BLEND_DST, &blendDst);
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localViewer);
    EXPECT_EQ(depthFunc, GL_LEQUAL);
    EXPECT_EQ(blendSrc, GL_SRC_ALPHA);
    EXPECT_EQ(blendDst, GL_ONE);
    EXPECT_EQ(localViewer, GL_TRUE);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));  // left as the caller had it
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    GLfloat mv[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    EXPECT_EQ(mv[12], 0);
}

TEST_F(Projection, ZeroSizedWindowKeepsTheMatricesFinite) {
    WIDTH = 0;
    HEIGHT = 0;
    for (const auto setUp : {+[] { OPENGL_INIT(1000, 1, 0, 0, 0); }, +[] { OPENGL_I2D(1, 0, 0, 0); }}) {
        setUp();
        GLfloat proj[16];
        glGetFloatv(GL_PROJECTION_MATRIX, proj);
        for (const GLfloat v : proj) EXPECT_TRUE(std::isfinite(v));
    }
}

TEST_F(Projection, SpritesDropAlphaUpToFourTenths) {
    OPENGL_I2D(1, 0, 0, 0);
    glDisable(GL_DEPTH_TEST);
    SETGLSPRITE();
    fillSquare(-1, 0, 0.5f, 0.4f);
    fillSquare(1, 0, 0.5f, 0.41f);
    EXPECT_EQ(pixelAt(200, 300)[0], 0);
    EXPECT_EQ(pixelAt(600, 300)[0], 255);

    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    SETGLSPRITEOFF();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites);
    fillSquare(-1, 0, 0.5f, 0.4f);
    EXPECT_EQ(pixelAt(200, 300)[0], 255);
}

TEST_F(Projection, LineModeOutlinesAndFillModeFills) {
    OPENGL_I2D(1, 0, 0, 0);
    SETGLLINE(3);
    fillSquare(0, 0, 1, 1);
    EXPECT_EQ(pixelAt(400, 300)[0], 0);
    EXPECT_EQ(pixelAt(200, 300)[0], 255);  // the left edge, x = -1
    SETGLFILL();
    fillSquare(0, 0, 1, 1);
    EXPECT_EQ(pixelAt(400, 300)[0], 255);
}
