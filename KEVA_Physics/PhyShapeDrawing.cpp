// The round solids drawn in a body's own frame, made of triangle strips.
#include "KEVA_Physics/PhyShapeDrawing.h"

#include "kestrova/Solids.h"
#include "kestrova/UnitCircle.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
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

// The zone of a sphere of `radius` round (0, 0, centreZ), its poles on z,
// between the latitudes `from` and `to` (radians, −π/2 at the south pole), in
// `bands` bands. One triangle strip per band, counter-clockwise seen from
// outside: strips, unlike quad strips and fans, compile into display lists
// that Mesa frees again.
void sphereZone(float radius, float centreZ, double from, double to, std::int32_t bands, std::int32_t quality) {
    if (quality <= 0 || bands <= 0) return;
    const std::vector<CosSin>& circle = unitCircle(quality);
    const auto latitude = [&](std::int32_t b) {
        const double angle = from + (to - from) * b / bands;
        return CosSin{std::cos(angle), std::sin(angle)};
    };
    for (std::int32_t b = 0; b < bands; ++b) {
        const CosSin upper = latitude(b + 1), lower = latitude(b);
        glBegin(GL_TRIANGLE_STRIP);
        for (std::int32_t j = 0; j <= quality; ++j) {
            for (const CosSin& at : {upper, lower}) {
                const double nx = at.c * circle[j].c, ny = at.c * circle[j].s, nz = at.s;
                glNormal3d(nx, ny, nz);
                glVertex3d(radius * nx, radius * ny, centreZ + radius * nz);
            }
        }
        glEnd();
    }
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
    constexpr double quarter = std::numbers::pi / 2;
    const std::int32_t bands = (quality + 3) / 4;  // as high as they are wide
    glPushMatrix();
    glRotatef(90, 0, 1, 0);
    capsuleTube(radius, half, quality);
    // Only the halves of the end balls that stand out of the tube.
    sphereZone(radius, -half, -quarter, 0, bands, quality);
    sphereZone(radius, half, 0, quarter, bands, quality);
    glPopMatrix();
}

void ellipsoid(const TGLVector& radii, std::int32_t quality) {
    glPushMatrix();
    glScalef(radii.X, radii.Y, radii.Z);
    sphereZone(1, 0, -std::numbers::pi / 2, std::numbers::pi / 2, (quality + 1) / 2, quality);
    glPopMatrix();
}

}  // namespace phy
