// Hair pieces and the chains they make.
#include "KEVA_Physics/PhyHair.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyBodySetup.h"
#include "KEVA_Physics/PhyJoints.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyRandom.h"
#include "KEVA_Physics/PhyVector.h"

#include <cmath>

namespace {

// The acceleration of a stiff, well damped spring, used as every piece's
// inertia: heavy to turn, the chain swings slowly and does not whip. The
// engine answers with a negative acceleration; its size is the inertia.
float pieceInertia() {
    static const float inertia = std::fabs(NewtonCalculateSpringDamperAcceleration(0.25f, 0.5f, 2.1f, 0.35f, 2.5f));
    return inertia;
}

// The turn that lays a piece (an x-axis cylinder) along a chain running on a main axis.
TGLVector pieceRotation(const TGLVector& dir) {
    return GLVECTOR(0, dir.Z != 0 ? 90 : 0, dir.Y != 0 ? 90 : 0);
}

}  // namespace

void PHY_HairPice::SETHAIRPICE(NewtonWorld* world, const TGLVector& pos, const TGLVector& rot, float radius,
                               float h, std::int32_t quality, float mass) {
    NEWBODY = ADDHAIRPICE(world, radius, h, quality);
    const float inertia = pieceInertia();
    phy::placeBody(NEWBODY, pos, rot, GLVECTOR(inertia, inertia, inertia), mass);
}

NewtonBody* PHY_HairPice::ADDHAIRPICE(NewtonWorld* world, float radius, float h, std::int32_t quality) {
    RADIUS = radius;
    H = h;
    QUALITY = quality;
    return phy::bodyFromShape(world, NewtonCreateCylinder(world, radius, h, 0, nullptr));
}

void PHY_HairPice::DRAW() const {
    // Drawn as a cylinder body that is always shown.
    PHY_Cylinder{NEWBODY, {}, RADIUS, H, QUALITY, true}.DRAW();
}

void PHY_Hair::SETHAIR(NewtonWorld* world, const TGLVector& pos, const TGLVector& dir, float radius, float leng,
                       float mass, std::int32_t maxHair) {
    WORLD = world;
    POS = pos;
    DIR = dir;
    LENGTH_ = leng / static_cast<float>(maxHair + 1);
    const TGLVector rot = pieceRotation(dir);
    RANDOMIZE();
    // A hair set up again starts over: the pieces of an earlier set-up belong
    // to another world.
    HAIR.clear();
    for (std::int32_t i = 0; i <= maxHair; ++i) {
        PHY_HairPice& piece = HAIR.emplace_back();
        piece.SETHAIRPICE(world, VECMUL(dir, -LENGTH_), rot, radius / 10, LENGTH_, 3, mass);
        PHY_SETBODYPOSITION(piece.NEWBODY, VECADD(pos, VECMUL(dir, LENGTH_ * static_cast<float>(i))));
    }
    // Each call joins j to j + 1 and j + 1 to j + 2, so inner neighbours are
    // held by two joints at the same point.
    for (std::int32_t j = 0; j <= maxHair - 2; ++j) {
        PHY_ADDSPRING3(world, HAIR[j].NEWBODY, HAIR[j + 1].NEWBODY, HAIR[j + 2].NEWBODY, pos, dir, LENGTH_, j);
    }
    DELLIST = true;
}

void PHY_Hair::ATTACHHAIR(const NewtonBody* parent) {
    if (HAIR.empty()) return;
    PHY_ADDJOINTBALL(WORLD, parent, HAIR.front().NEWBODY, POS, DIR, 2.5f);
}

void PHY_Hair::ATTACHTOHAIR(const NewtonBody* child, bool freeBody) {
    if (HAIR.empty()) return;
    const NewtonBody* last = HAIR.back().NEWBODY;
    if (freeBody) {
        PHY_ADDJOINTSPRING(WORLD, last, child, POS, DIR, LENGTH_, static_cast<std::int32_t>(HAIR.size()) - 1);
    } else {
        PHY_ADDJOINTHINGE(WORLD, last, child, POS, DIR);
    }
}

void PHY_Hair::DRAW() const {
    if (!DELLIST) return;
    for (const PHY_HairPice& piece : HAIR) piece.DRAW();
}
