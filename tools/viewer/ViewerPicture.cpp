#include "ViewerPicture.h"

#include "kestrova/Lights.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

void setCamera(const ModelView& view, const Orbit& orbit) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 800.0 / 600.0, 0.01, 100000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    SETGLLIGHT(GL_LIGHT0, 0.3f, 0.6f, 1.0f, 0);  // from over the viewer's shoulder, wherever the view turns
    const T3dpoint c = view.centre(), e = view.eye();
    const float reach = std::hypot(e.X - c.X, e.Y - c.Y, e.Z - c.Z) * orbit.distance;
    gluLookAt(0, 0, reach, 0, 0, 0, 0, 1, 0);
    glRotatef(orbit.pitch, 1, 0, 0);
    glRotatef(-orbit.yaw, 0, 1, 0);
    // Start from the side the framing eye looks from.
    glRotatef(-std::atan2(e.X - c.X, e.Z - c.Z) * 180 / 3.14159265f, 0, 1, 0);
    glTranslatef(-c.X, -c.Y, -c.Z);
}

}  // namespace

void drawViewerFrame(const ModelView& view, const Orbit& orbit, std::int32_t frame, bool bones) {
    glClearColor(0.55f, 0.7f, 0.9f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    setCamera(view, orbit);
    view.draw(frame, bones);
}

std::int32_t stepMotionFrame(const ModelView& view, std::int32_t frame, int by) {
    if (view.frames() <= 0) return 0;
    return (frame - 1 + by % view.frames() + view.frames()) % view.frames() + 1;
}
