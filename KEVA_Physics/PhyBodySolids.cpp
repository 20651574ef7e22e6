#include "KEVA_Physics/PhyBodySolids.h"

#include "KEVA_Physics/PhyBodySetup.h"
#include "kestrova/SolidMesh.h"
#include "kestrova/Solids.h"
#include "kestrova/UnitCircle.h"

#include <cmath>
#include <numbers>

namespace {

// The solids of revolution stand along z; the kinds along x turn them
// (glRotatef(90, 0, 1, 0)), and the cone's base is turned over once more
// (glRotatef(180, 1, 0, 0)).
constexpr TGLBaseMatrix Z_TO_X = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1};
constexpr TGLBaseMatrix Z_TO_X_TURNED_OVER = {0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1};

// The straight part of a capsule: an open tube from z = -half to z = +half.
void capsuleTube(SolidSink& sink, float radius, float half, std::int32_t quality) {
    if (quality <= 0) return;
    const std::vector<CosSin>& circle = unitCircle(quality);
    sink.begin(GL_TRIANGLE_STRIP);
    for (std::int32_t j = 0; j <= quality; ++j) {
        const CosSin& at = circle[j];
        const double s = (2 * half + 2 * std::numbers::pi * j / quality) * radius;
        sink.normal(at.c, at.s, 0);
        sink.texCoord(s, 2 * half / 3);
        sink.vertex(radius * at.c, radius * at.s, half);
        sink.texCoord(s, 0);
        sink.vertex(radius * at.c, radius * at.s, -half);
    }
    sink.end();
}

// The zone of a ball of `radius` round (0, 0, centreZ), its poles on z, between
// the latitudes `from` and `to` (radians, -pi/2 at the south pole), in `bands`
// bands, counter-clockwise seen from outside.
void sphereZone(SolidSink& sink, float radius, float centreZ, double from, double to, std::int32_t bands,
                std::int32_t quality) {
    if (quality <= 0 || bands <= 0) return;
    const std::vector<CosSin>& circle = unitCircle(quality);
    const auto latitude = [&](std::int32_t b) {
        const double angle = from + (to - from) * b / bands;
        return CosSin{std::cos(angle), std::sin(angle)};
    };
    for (std::int32_t b = 0; b < bands; ++b) {
        const CosSin upper = latitude(b + 1), lower = latitude(b);
        sink.begin(GL_TRIANGLE_STRIP);
        for (std::int32_t j = 0; j <= quality; ++j)
            for (const CosSin& at : {upper, lower}) {
                const double nx = at.c * circle[j].c, ny = at.c * circle[j].s, nz = at.s;
                sink.normal(nx, ny, nz);
                sink.texCoord(static_cast<double>(j) / quality, (at.s + 1) / 2);
                sink.vertex(radius * nx, radius * ny, centreZ + radius * nz);
            }
        sink.end();
    }
}

float count(std::int32_t quality) { return static_cast<float>(quality); }

}  // namespace

namespace phy {

void drawCone(bool shown, const NewtonBody* body, float radius, float h, std::int32_t quality) {
    drawPlaced(shown, body, {CONE_SOLID, radius, h, count(quality)}, [&](SolidMesh& mesh) {
        mesh.closesRoundOrigin();
        mesh.setFrame(Z_TO_X);
        CONO(mesh, 0, 0, -h / 2, quality, radius, h);
        mesh.setFrame(Z_TO_X_TURNED_OVER);
        CONO(mesh, 0, 0, h / 2, quality, radius, 0);  // the base
    });
}

void drawCylinder(bool shown, const NewtonBody* body, float radius, float h, std::int32_t quality) {
    drawPlaced(shown, body, {CYLINDER_SOLID, radius, h, count(quality)}, [&](SolidMesh& mesh) {
        mesh.closesRoundOrigin();
        mesh.setFrame(Z_TO_X);
        CILINDRO(mesh, 0, 0, -h / 2, 1, quality, radius, h, 1);
    });
}

void capsuleAlongZ(SolidSink& sink, float radius, float half, std::int32_t quality) {
    // Bands as high as they are wide.
    constexpr double quarter = std::numbers::pi / 2;
    const std::int32_t bands = (quality + 3) / 4;
    capsuleTube(sink, radius, half, quality);
    sphereZone(sink, radius, -half, -quarter, 0, bands, quality);
    sphereZone(sink, radius, half, 0, quarter, bands, quality);
}

void drawCapsule(bool shown, const NewtonBody* body, float radius, float half, std::int32_t quality) {
    drawPlaced(shown, body, {CAPSULE_SOLID, radius, half, count(quality)},
               [&](SolidMesh& mesh) {
                   mesh.setFrame(Z_TO_X);
                   capsuleAlongZ(mesh, radius, half, quality);
               });
}

void drawEllipsoid(bool shown, const NewtonBody* body, const TGLVector& radii, std::int32_t quality) {
    drawPlaced(shown, body, {SPHERE_SOLID, radii.X, radii.Y, radii.Z, count(quality)}, [&](SolidMesh& mesh) {
        mesh.setFrame({radii.X, 0, 0, 0, 0, radii.Y, 0, 0, 0, 0, radii.Z, 0, 0, 0, 0, 1});
        SFERA(mesh, 0, 0, 0, 1, quality);
    });
}

}  // namespace phy
