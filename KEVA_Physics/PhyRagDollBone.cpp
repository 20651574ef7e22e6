// One ragdoll bone: its engine shape and its drawing, compiled once into a
// display list and drawn where its body is.
#include "KEVA_Physics/PhyRagDoll.h"

#include "KEVA_Physics/PhyBodySetup.h"
#include "KEVA_Physics/PhyShapeDrawing.h"
#include "kestrova/Solids.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

constexpr float kCapsuleStretch = 1.33f;  // a capsule bone's whole length per unit of SIZE.X
constexpr std::int32_t kSegments = 16;

// The capsule's whole length as the engine takes it: never shorter than its width.
float capsuleLength(const TGLVector& size) { return std::max(kCapsuleStretch * size.X, size.Y); }

}  // namespace

PHY_RagDollBone::PHY_RagDollBone(PHY_RAGDOLLBONETYPE boneType) : BONETYPE(boneType) {}

PHY_RagDollBone::~PHY_RagDollBone() {
    if (LISTID != 0) glDeleteLists(LISTID, 1);
}

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

void PHY_RagDollBone::RENDER() {
    if (!BODY) return;
    if (LISTID == 0) {
        LISTID = glGenLists(1);
        if (LISTID == 0) return;
        // The solid stands where the collision shape does: centred, along x.
        const TGLVector& s = SIZE;
        glNewList(LISTID, GL_COMPILE);
        glColor3f(COLOR.X, COLOR.Y, COLOR.Z);
        switch (BONETYPE) {
        case PHYBOX: CUBO(-s.X / 2, -s.Y / 2, -s.Z / 2, s.X / 2, s.Y / 2, s.Z / 2, 1); break;
        case PHYCONE: phy::coneAlongX(s.Y / 2, s.X / 2, kSegments); break;
        case PHYCYLINDER: phy::cylinderAlongX(s.Y / 2, s.X, 1, kSegments); break;
        case PHYSPHERE: phy::ellipsoid(GLVECTOR(s.X / 2, s.Y / 2, s.Z / 2), kSegments); break;
        case PHYCAPSULE: phy::capsuleAlongX(s.Y / 2, capsuleLength(s), kSegments); break;
        }
        glColor3f(1, 1, 1);
        glEndList();
    }
    phy::drawInBody(true, BODY, [this] { glCallList(LISTID); });
}
