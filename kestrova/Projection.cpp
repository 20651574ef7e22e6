#include "kestrova/Projection.h"

#include "kestrova/OGLWindow.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {

// The viewport covers the whole drawable area (a zero size, as before the
// window exists, counts as one pixel so the projections stay finite).
void setViewportToWindow(double a, double r, double g, double b) {
    glClearColor(static_cast<GLfloat>(r), static_cast<GLfloat>(g), static_cast<GLfloat>(b), static_cast<GLfloat>(a));
    glViewport(0, 0, WIDTH, HEIGHT);
}

double windowWidth() { return std::max(WIDTH, 1); }
double windowHeight() { return std::max(HEIGHT, 1); }

void enableDepthTest() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
}

}  // namespace

void OPENGL_INIT(double depth, double a, double r, double g, double b) {
    setViewportToWindow(a, r, g, b);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, windowWidth() / windowHeight(), 0.1, depth);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearDepth(depth);
    enableDepthTest();
    glColor4f(1, 1, 1, 0.5f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);
}

void OPENGL_I2D(double a, double r, double g, double b) {
    setViewportToWindow(a, r, g, b);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double halfHeight = 2.0 * windowHeight() / windowWidth();
    glOrtho(-2.0, 2.0, -halfHeight, halfHeight, -2.0, 2.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    enableDepthTest();
    glEnable(GL_NORMALIZE);
}
