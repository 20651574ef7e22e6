#include "KEVA_Physics/PhyPointBodies.h"

#include "KEVA_Physics/PhyBodySetup.h"
#include "kestrova/Solids.h"
#include "kestrova/UnitCircle.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::int32_t MAX_PRISM_QUALITY = 100;
constexpr std::int32_t MAX_TORUS_QUALITY = 500;

}  // namespace

// ---- box between two corners

void PHY_CustomFaceBox::SETCUSTOMFACECUBE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot,
                                          const TGLVector& min, const TGLVector& max, float mass) {
    MIN = min;
    MAX = max;
    DELLIST = true;
    const std::array<TGLVector, 8> corners{
        GLVECTOR(max.X, max.Y, max.Z), GLVECTOR(max.X, max.Y, min.Z), GLVECTOR(min.X, max.Y, min.Z),
        GLVECTOR(min.X, max.Y, max.Z), GLVECTOR(max.X, min.Y, max.Z), GLVECTOR(max.X, min.Y, min.Z),
        GLVECTOR(min.X, min.Y, min.Z), GLVECTOR(min.X, min.Y, max.Z)};
    for (std::int32_t k = 0; k < 8; ++k) CONVEXHULL.SETORIGIN(corners[k], k);
    CONVEXHULL.SETCONVEXHULL(world, CONVEXHULL.BODYPOINT, 7, pos, rot, mass);
}

void PHY_CustomFaceBox::DRAW() const {
    phy::drawBoxPlaced(DELLIST, CONVEXHULL.NEWBODY, MIN, MAX);
}

void PHY_CustomFaceBox::DELETE() { DELLIST = false; }

// ---- prism

void PHY_CustomFaceCylinder::SETCUSTOMFACECYLINDER(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot,
                                                   float radius, float h, std::int32_t quality, float mass) {
    RADIUS = radius;
    H = h;
    QUALITY = std::clamp(quality, 3, MAX_PRISM_QUALITY);
    DELLIST = true;
    // The bottom ring in points 0 .. QUALITY - 1, the top ring after it.
    std::array<TGLVector, 2 * MAX_PRISM_QUALITY> points;
    const std::vector<CosSin>& circle = unitCircle(QUALITY);
    for (std::int32_t i = 0; i < QUALITY; ++i) {
        points[i] = GLVECTOR(radius * circle[i].c, radius * circle[i].s, -h / 2);
        points[QUALITY + i] = GLVECTOR(radius * circle[i].c, radius * circle[i].s, h / 2);
    }
    CONVEXHULL.SETCONVEXHULL(world, points, 2 * QUALITY - 1, pos, rot, mass);
}

void PHY_CustomFaceCylinder::DRAW() const {
    const SolidKey key{phy::PRISM_SOLID, RADIUS, H, static_cast<float>(QUALITY)};
    phy::drawPlaced(DELLIST, CONVEXHULL.NEWBODY, key,
                    [this](SolidMesh& mesh) {
                        mesh.closesRoundOrigin();
                        CILINDRO(mesh, 0, 0, -H / 2, 1, QUALITY, RADIUS, H, 1);
                    });
}

void PHY_CustomFaceCylinder::DELETE() { DELLIST = false; }

// ---- torus

void PHY_CUSTOMFACETORUS::SETCUSTOMFACETORUS(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot,
                                             float tuber, float radius, std::int32_t quality, float mass) {
    TUBER = tuber;
    RADIUS = radius;
    QUALITY = std::clamp(quality, 3, MAX_TORUS_QUALITY);
    DELLIST = true;
    // Segment k spans the ring angles from k to k + 1 steps; its points are
    // the tube's cross-sections at both ends, as TOROIDE draws them (the
    // ring angle runs clockwise seen from +z).
    const std::vector<CosSin>& circle = unitCircle(QUALITY);
    std::array<TGLVector, 2 * MAX_TORUS_QUALITY> points;
    std::vector<NewtonCollision*> segments;
    segments.reserve(static_cast<std::size_t>(QUALITY));
    for (std::int32_t k = 0; k < QUALITY; ++k) {
        for (std::int32_t j = 0; j < QUALITY; ++j) {
            const float dist = radius + tuber * static_cast<float>(circle[j].c);
            const float z = tuber * static_cast<float>(circle[j].s);
            points[j] = GLVECTOR(dist * circle[k + 1].c, -dist * circle[k + 1].s, z);
            points[QUALITY + j] = GLVECTOR(dist * circle[k].c, -dist * circle[k].s, z);
        }
        segments.push_back(CONVEXHULL.SETCONVEXHULLFORCOMPOUND(world, points, 2 * QUALITY - 1));
    }
    COMPOUND.SETCOMPOUND(world, segments, pos, rot, QUALITY, mass);
}

void PHY_CUSTOMFACETORUS::DRAW() const {
    const SolidKey key{phy::TORUS_SOLID, TUBER, RADIUS, static_cast<float>(QUALITY)};
    phy::drawPlaced(DELLIST, COMPOUND.NEWBODY, key,
                    [this](SolidMesh& mesh) { TOROIDE(mesh, 0, 0, 0, TUBER, RADIUS, QUALITY, QUALITY); });
}

void PHY_CUSTOMFACETORUS::DELETE() { DELLIST = false; }
