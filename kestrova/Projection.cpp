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

// The far plane of the last 3D set-up, kept for a change of the window's size.
double perspectiveDepth = 1000.0;

void setPerspective(double depth) {
    perspectiveDepth = depth;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, windowWidth() / windowHeight(), 0.1, depth);
}

void enableDepthTest() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
}

}  // namespace

void OPENGL_INIT(double depth, double a, double r, double g, double b) {
    setViewportToWindow(a, r, g, b);
    setPerspective(depth);
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
    glOrtho(-OVERLAYHALFWIDTH(), OVERLAYHALFWIDTH(), -kOverlayHalfHeight, kOverlayHalfHeight, -2.0, 2.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    enableDepthTest();
    glEnable(GL_NORMALIZE);
}

double OVERLAYHALFWIDTH() { return kOverlayHalfHeight * windowWidth() / windowHeight(); }

// Between frames the projection is the 3D one: only the viewport and the aspect change.
void FOLLOWWINDOWSIZE() {
    glViewport(0, 0, WIDTH, HEIGHT);
    setPerspective(perspectiveDepth);
    glMatrixMode(GL_MODELVIEW);
}
