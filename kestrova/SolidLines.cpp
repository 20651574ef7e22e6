// Lines, the face normal, and the wire-frame volume box.
#include "kestrova/Solids.h"

#include <GL/gl.h>

#include <cmath>

std::array<double, 3> FNORMAL = {0, 0, 0};

void LINE(float x1, float y1, float z1, float x2, float y2, float z2) {
    glBegin(GL_LINES);
    glVertex3f(x1, y1, z1);
    glVertex3f(x2, y2, z2);
    glEnd();
}

void LINEFREE(float tx1, float ty1, float tx2, float ty2, float x1, float y1, float z1, float x2, float y2, float z2,
              bool texture) {
    if (texture) glTexCoord2f(tx1, ty1);
    glVertex3f(x1, y1, z1);
    if (texture) glTexCoord2f(tx2, ty2);
    glVertex3f(x2, y2, z2);
}

void FINDNORMAL(double v1x, double v1y, double v1z, double v2x, double v2y, double v2z, double v3x, double v3y,
                double v3z) {
    const double ax = v1x - v2x, ay = v1y - v2y, az = v1z - v2z;
    const double bx = v2x - v3x, by = v2y - v3y, bz = v2z - v3z;
    const double nx = ay * bz - az * by;
    const double ny = az * bx - ax * bz;
    const double nz = ax * by - ay * bx;
    double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length == 0.0) length = 1.0;
    FNORMAL = {nx / length, ny / length, nz / length};
}

void DRAWGLVOLUMEOBJ(float sizeline, float x1, float y1, float z1, float x2, float y2, float z2) {
    glLineWidth(sizeline);
    glColor3f(1, 1, 1);
    for (const float z : {-z1, -z2}) {
        glBegin(GL_LINE_LOOP);
        glVertex3f(x1, y1, z);
        glVertex3f(x2, y1, z);
        glVertex3f(x2, y2, z);
        glVertex3f(x1, y2, z);
        glEnd();
    }
    LINE(x1, y1, -z1, x1, y1, -z2);
    LINE(x1, y2, -z1, x1, y2, -z2);
    LINE(x2, y1, -z1, x2, y1, -z2);
    LINE(x2, y2, -z1, x2, y2, -z2);
}
