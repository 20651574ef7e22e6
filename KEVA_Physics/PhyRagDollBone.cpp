// One ragdoll bone: its engine shape and its drawing, the body kinds' solid
// of the same shape placed by the bone's body.
#include "KEVA_Physics/PhyRagDoll.h"

#include "KEVA_Physics/PhyBodySetup.h"
#include "KEVA_Physics/PhyBodySolids.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

constexpr float kCapsuleStretch = 1.33f;  // a capsule bone's whole length per unit of SIZE.X
constexpr std::int32_t kSegments = 16;

// The capsule's whole length as the engine takes it: never shorter than its width.
float capsuleLength(const TGLVector& size) { return std::max(kCapsuleStretch * size.X, size.Y); }

}  // namespace

PHY_RagDollBone::PHY_RagDollBone(PHY_RAGDOLLBONETYPE boneType) : BONETYPE(boneType) {}

NewtonCollision* PHY_RagDollBone::SETTYPE(NewtonWorld* world, const TGLVector& size) const {
    switch (BONETYPE) {
    case PHYBOX: return NewtonCreateBox(world, size.X, size.Y, size.Z, 0, nullptr);
    case PHYCONE: return NewtonCreateCone(world, size.Y / 2, size.X / 2, 0, nullptr);
    case PHYCYLINDER: return NewtonCreateCylinder(world, size.Y / 2, size.X, 0, nullptr);
    case PHYSPHERE: return NewtonCreateSphere(world, size.X / 2, size.Y / 2, size.Z / 2, 0, nullptr);
    case PHYCAPSULE: return NewtonCreateCapsule(world, size.Y / 2, capsuleLength(size), 0, nullptr);
    }
    return nullptr;
}

void PHY_RagDollBone::RENDER() const {
    if (!BODY) return;
    // The solid stands where the collision shape does: centred, along x.
    const TGLVector& s = SIZE;
    const float radius = s.Y / 2;
    glColor3f(COLOR.X, COLOR.Y, COLOR.Z);
    switch (BONETYPE) {
    case PHYBOX: phy::drawBoxPlaced(true, BODY, GLVECTOR(-s.X / 2, -s.Y / 2, -s.Z / 2), GLVECTOR(s.X / 2, s.Y / 2, s.Z / 2)); break;
    case PHYCONE: phy::drawCone(true, BODY, radius, s.X / 2, kSegments); break;
    case PHYCYLINDER: phy::drawCylinder(true, BODY, radius, s.X, kSegments); break;
    case PHYSPHERE: phy::drawEllipsoid(true, BODY, GLVECTOR(s.X / 2, s.Y / 2, s.Z / 2), kSegments); break;
    case PHYCAPSULE: phy::drawCapsule(true, BODY, radius, std::max(capsuleLength(s) / 2 - radius, 0.0f), kSegments); break;
    }
    glColor3f(1, 1, 1);
}
