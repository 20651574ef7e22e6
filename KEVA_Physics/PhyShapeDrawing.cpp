#include "KEVA_Physics/PhyShapeDrawing.h"

#include "kestrova/Solids.h"
#include "kestrova/UnitCircle.h"

#include <GL/gl.h>

#include <algorithm>
#include <numbers>

namespace {

// The straight part of a capsule: an open tube from z = -half to z = +half.
void capsuleTube(float radius, float half, std::int32_t quality) {
    if (quality <= 0) return;
    const std::vector<CosSin>& circle = unitCircle(quality);
    glBegin(GL_TRIANGLE_STRIP);
    for (std::int32_t j = 0; j <= quality; ++j) {
        const CosSin& at = circle[j];
        const double s = (2 * half + 2 * std::numbers::pi * j / quality) * radius;
        glNormal3d(at.c, at.s, 0);
        glTexCoord2d(s, 2 * half / 3);
        glVertex3d(radius * at.c, radius * at.s, half);
        glTexCoord2d(s, 0);
        glVertex3d(radius * at.c, radius * at.s, -half);
    }
    glEnd();
}

}  // namespace

namespace phy {

void coneAlongX(float radius, float h, std::int32_t quality) {
    glPushMatrix();
    glRotatef(90, 0, 1, 0);
    CONO(0, 0, -h / 2, quality, radius, h);
    glRotatef(180, 1, 0, 0);
    CONO(0, 0, h / 2, quality, radius, 0);  // the base
    glPopMatrix();
}

void cylinderAlongX(float radius, float h, std::int32_t rings, std::int32_t quality) {
    glPushMatrix();
    glRotatef(90, 0, 1, 0);
    CILINDRO(0, 0, -h / 2, rings, quality, radius, h, 1);
    glPopMatrix();
}

void capsuleAlongX(float radius, float h, std::int32_t quality) {
    const float half = std::max(h / 2 - radius, 0.0f);  // of the straight part
    SFERA(-half, 0, 0, radius, quality);
    SFERA(half, 0, 0, radius, quality);
    glPushMatrix();
    glRotatef(90, 0, 1, 0);
    capsuleTube(radius, half, quality);
    glPopMatrix();
}

void ellipsoid(const TGLVector& radii, std::int32_t quality) {
    glPushMatrix();
    glScalef(radii.X, radii.Y, radii.Z);
    SFERA(0, 0, 0, 1, quality);
    glPopMatrix();
}

}  // namespace phy
