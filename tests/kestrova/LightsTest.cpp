#include "GeometryCapture.h"
#include "support/OffscreenGL.h"

#include "kestrova/Lights.h"

#include <GL/gl.h>

#include <array>

class Lights : public OffscreenGL {};

TEST_F(Lights, LightIsPlacedThroughTheModelView) {
    glTranslatef(0, 0, -5);
    SETGLLIGHT(GL_LIGHT1, 1, 2, 3, 1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    std::array<GLfloat, 4> position{}, ambient{};
    glGetLightfv(GL_LIGHT1, GL_POSITION, position.data());
    glGetLightfv(GL_LIGHT1, GL_AMBIENT, ambient.data());
    EXPECT_EQ(position, (std::array<GLfloat, 4>{1, 2, -2, 1}));  // in eye space
    EXPECT_EQ(LIGHTPOSITION, (TGLColor4{1, 2, 3, 1}));
    EXPECT_EQ(ambient, AMBIENTLIGHT);
    glDisable(GL_LIGHT1);
}

TEST_F(Lights, PointLightMovesTheLightAndMarksIt) {
    SETGLLIGHT(GL_LIGHT0, 0, 0, 1, 0);
    const auto marks = captureGeometry([] { PUTGLPOINTLIGHT(GL_LIGHT0, 4, 1, -2, 3, 1); });
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].kind, CapturedPrimitive::Point);
    EXPECT_NEAR(marks[0].vertices[0].pos.X, 1, 1e-4f);
    EXPECT_NEAR(marks[0].vertices[0].pos.Y, -2, 1e-4f);
    EXPECT_NEAR(marks[0].vertices[0].pos.Z, 3, 1e-4f);
    std::array<GLfloat, 4> position{};
    glGetLightfv(GL_LIGHT0, GL_POSITION, position.data());
    EXPECT_EQ(position, (std::array<GLfloat, 4>{1, -2, 3, 1}));
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 4);
}
