#include "GeometryCapture.h"
#include "support/OffscreenGL.h"

#include "kestrova/Input.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Picking.h"
#include "kestrova/Projection.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {

struct NamedSquare {
    std::int32_t name;
    float x, y, z, half;
};

class Picking : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        OPENGL_INIT(1000, 1, 0, 0, 0);
    }
    void TearDown() override {
        if (list != 0) glDeleteLists(list, 1);
    }

    GLuint compile(const std::vector<NamedSquare>& squares) {
        list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        for (const NamedSquare& s : squares) {
            ADDNAMETOOBJ(s.name);
            glBegin(GL_QUADS);
            glVertex3f(s.x - s.half, s.y - s.half, s.z);
            glVertex3f(s.x + s.half, s.y - s.half, s.z);
            glVertex3f(s.x + s.half, s.y + s.half, s.z);
            glVertex3f(s.x - s.half, s.y + s.half, s.z);
            glEnd();
        }
        glEndList();
        return list;
    }

    // Window point of an object point, y counted from the top like the mouse.
    static std::array<double, 3> mousePointOf(double x, double y, double z) {
        std::array<double, 3> w = windowPointOf(x, y, z);
        w[1] = 600 - w[1];
        return w;
    }

    GLuint list = 0;
};

}  // namespace

TEST_F(Picking, NearerOfTwoOverlappingObjectsWins) {
    for (const auto& squares : {std::vector<NamedSquare>{{5, 0, 0, -20, 3}, {7, 0, 0, -10, 1}},
                                std::vector<NamedSquare>{{7, 0, 0, -10, 1}, {5, 0, 0, -20, 3}}}) {
        const GLuint objects = compile(squares);
        EXPECT_EQ(SELECTOBJID(400, 300, static_cast<std::int32_t>(objects)), 7);
        glDeleteLists(objects, 1);
        list = 0;
    }
}

TEST_F(Picking, EmptySpaceGivesZeroAndTheStateIsRestored) {
    const GLuint objects = compile({{5, 0, 0, -20, 1}});
    GLfloat before[16], after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, before);
    EXPECT_EQ(SELECTOBJID(20, 20, static_cast<std::int32_t>(objects)), 0);
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    EXPECT_TRUE(std::equal(before, before + 16, after));
    GLint mode = 0, renderMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_EQ(renderMode, GL_RENDER);
}

TEST_F(Picking, MouseYCountsFromTheTop) {
    const GLuint objects = compile({{9, 0, 4, -20, 1}});
    const auto above = mousePointOf(0, 4, -20);
    EXPECT_LT(above[1], 300);
    const auto x = static_cast<std::int32_t>(std::lround(above[0]));
    const auto y = static_cast<std::int32_t>(std::lround(above[1]));
    EXPECT_EQ(SELECTOBJID(x, y, static_cast<std::int32_t>(objects)), 9);
    EXPECT_EQ(SELECTOBJID(x, 600 - y, static_cast<std::int32_t>(objects)), 0);
}

TEST_F(Picking, EqualDepthsKeepTheEarlierObject) {
    const GLuint objects = compile({{3, 0, 0, -10, 1}, {4, 0, 0, -10, 1}});
    EXPECT_EQ(SELECTOBJID(400, 300, static_cast<std::int32_t>(objects)), 3);
}

TEST_F(Picking, ManyHitsOverflowingTheBufferStillAnswer) {
    std::vector<NamedSquare> squares;
    for (int i = 0; i < 12; ++i) squares.push_back({20 + i, 0, 0, -5.0f - static_cast<float>(i), 1});
    const GLuint objects = compile(squares);
    EXPECT_EQ(SELECTOBJID(400, 300, static_cast<std::int32_t>(objects)), 20);
}

TEST_F(Picking, MouseInWorldUnprojectsAtDepthNinetyNineHundredths) {
    glTranslatef(1, 2, -3);
    SETOMX = 200;
    SETOMY = 150;
    const TGLVector p = GETMOUSEINWORLD(0);
    const auto w = mousePointOf(p.X, p.Y, p.Z);
    EXPECT_NEAR(w[0], 200, 1e-2);
    EXPECT_NEAR(w[1], 150, 1e-2);
    EXPECT_NEAR(w[2], 0.99, 1e-5);
    EXPECT_NEAR(mousePointOf(GETMOUSEINWORLD(10).X, GETMOUSEINWORLD(10).Y, GETMOUSEINWORLD(10).Z)[2], 0.995, 1e-5);
}

TEST_F(Picking, SingularMatrixGivesTheOrigin) {
    glScalef(0, 0, 0);
    const TGLVector p = SCREENTOWORLD(10, 10, 0.5f);
    EXPECT_EQ(p.X, 0);
    EXPECT_EQ(p.Y, 0);
    EXPECT_EQ(p.Z, 0);
}
