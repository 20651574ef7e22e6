#include "KEVA_Physics/PhyPrimitiveBodies.h"

#include "KEVA_Physics/PhyBodySetup.h"
#include "KEVA_Physics/PhyBodySolids.h"

#include <algorithm>
#include <cmath>

namespace {

// The layer's rough principal inertia of a body whose extents along x, y and
// z are a, b and c: it grows with their square roots.
TGLVector rootInertia(float a, float b, float c, float mass) {
    const float ra = std::sqrt(a), rb = std::sqrt(b), rc = std::sqrt(c);
    return GLVECTOR((rb + rc) * mass / 12, (ra + rc) * mass / 12, (ra + rb) * mass / 12);
}

// The inertia shared by the kinds along x (cone, cylinder, capsule).
TGLVector axialInertia(float radius, float h, float mass) { return rootInertia(radius, h, radius, mass); }

// The body of a kind along x, which keeps its sizes for drawing.
template <typename Axial>
NewtonBody* addAlongX(Axial& kind, NewtonWorld* world, NewtonCollision* shape, float radius, float h,
                      std::int32_t quality) {
    kind.RADIUS = radius;
    kind.H = h;
    kind.QUALITY = quality;
    return phy::bodyFromShape(world, shape);
}

}  // namespace

// ---- box

void PHY_Box::SETBOX(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, const TGLVector& size,
                     float mass) {
    phy::setUpKind(*this, ADDBOX(world, size), pos, rot, ADDINERTIA(size, mass), mass);
}

NewtonBody* PHY_Box::ADDBOX(NewtonWorld* world, const TGLVector& size) {
    SIZE = size;
    return phy::bodyFromShape(world, NewtonCreateBox(world, 2 * size.X, 2 * size.Y, 2 * size.Z, 0, nullptr));
}

TGLVector PHY_Box::ADDINERTIA(const TGLVector& size, float mass) const {
    return rootInertia(2 * size.X, 2 * size.Y, 2 * size.Z, mass);
}

void PHY_Box::DRAW() const {
    phy::drawBoxPlaced(DELLIST, NEWBODY, GLVECTOR(-SIZE.X, -SIZE.Y, -SIZE.Z), SIZE);
}

void PHY_Box::DELETE() { DELLIST = false; }

// ---- cone

void PHY_Cone::SETCONE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius, float h,
                       std::int32_t quality, float mass) {
    phy::setUpKind(*this, ADDCONE(world, radius, h, quality), pos, rot, ADDINERTIA(radius, h, mass), mass);
}

NewtonBody* PHY_Cone::ADDCONE(NewtonWorld* world, float radius, float h, std::int32_t quality) {
    return addAlongX(*this, world, NewtonCreateCone(world, radius, h, 0, nullptr), radius, h, quality);
}

TGLVector PHY_Cone::ADDINERTIA(float radius, float h, float mass) const { return axialInertia(radius, h, mass); }

void PHY_Cone::DRAW() const { phy::drawCone(DELLIST, NEWBODY, RADIUS, H, QUALITY); }

void PHY_Cone::DELETE() { DELLIST = false; }

// ---- cylinder

void PHY_Cylinder::SETCYLINDER(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius, float h,
                               std::int32_t quality, float mass) {
    phy::setUpKind(*this, ADDCYLINDER(world, radius, h, quality), pos, rot, ADDINERTIA(radius, h, mass), mass);
}

NewtonBody* PHY_Cylinder::ADDCYLINDER(NewtonWorld* world, float radius, float h, std::int32_t quality) {
    return addAlongX(*this, world, NewtonCreateCylinder(world, radius, h, 0, nullptr), radius, h, quality);
}

TGLVector PHY_Cylinder::ADDINERTIA(float radius, float h, float mass) const { return axialInertia(radius, h, mass); }

void PHY_Cylinder::DRAW() const { phy::drawCylinder(DELLIST, NEWBODY, RADIUS, H, QUALITY); }

void PHY_Cylinder::DELETE() { DELLIST = false; }

// ---- capsule

void PHY_Capsule::SETCAPSULE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius, float h,
                             std::int32_t quality, float mass) {
    phy::setUpKind(*this, ADDCAPSULE(world, radius, h, quality), pos, rot, ADDINERTIA(radius, h, mass), mass);
}

NewtonBody* PHY_Capsule::ADDCAPSULE(NewtonWorld* world, float radius, float h, std::int32_t quality) {
    return addAlongX(*this, world, NewtonCreateCapsule(world, radius, h, 0, nullptr), radius, h, quality);
}

TGLVector PHY_Capsule::ADDINERTIA(float radius, float h, float mass) const { return axialInertia(radius, h, mass); }

void PHY_Capsule::DRAW() const {
    const float half = (std::max(H, 1.0f) - 2 * RADIUS) / 2;  // of the straight part
    phy::drawCapsule(DELLIST, NEWBODY, RADIUS, half, QUALITY);
}

void PHY_Capsule::DELETE() { DELLIST = false; }

// ---- sphere

void PHY_Sphere::SETSPHERE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, const TGLVector& radius,
                           std::int32_t quality, float mass) {
    phy::setUpKind(*this, ADDSPHERE(world, radius, quality), pos, rot, ADDINERTIA(radius, mass), mass);
}

NewtonBody* PHY_Sphere::ADDSPHERE(NewtonWorld* world, const TGLVector& radius, std::int32_t quality) {
    RADIUS = radius;
    QUALITY = quality;
    return phy::bodyFromShape(world, NewtonCreateSphere(world, radius.X, radius.Y, radius.Z, 0, nullptr));
}

TGLVector PHY_Sphere::ADDINERTIA(const TGLVector& radius, float mass) const {
    return rootInertia(radius.X, radius.Y, radius.Z, mass);
}

void PHY_Sphere::DRAW() const { phy::drawEllipsoid(DELLIST, NEWBODY, RADIUS, QUALITY); }

void PHY_Sphere::DELETE() { DELLIST = false; }
