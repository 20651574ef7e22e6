// Hair pieces and the chains they make.
#include "KEVA_Physics/PhyHair.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyBodySetup.h"
#include "KEVA_Physics/PhyJoints.h"
#include "KEVA_Physics/PhyRandom.h"
#include "KEVA_Physics/PhyVector.h"
#include "kestrova/Matrix.h"
#include "kestrova/UnitCircle.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// The acceleration of a stiff, well damped spring, used as every piece's
// inertia about each axis: the pieces are heavy to turn. The engine answers
// with a negative acceleration; its size is the inertia.
float pieceInertia() {
    static const float inertia = std::fabs(NewtonCalculateSpringDamperAcceleration(0.25f, 0.5f, 2.1f, 0.35f, 2.5f));
    return inertia;
}

// The turn that lays a piece (an x-axis cylinder) along a chain running on a main axis.
TGLVector pieceRotation(const TGLVector& dir) {
    return GLVECTOR(0, dir.Z != 0 ? 90 : 0, dir.Y != 0 ? 90 : 0);
}

// Sends a piece as triangles already placed by its body's matrix, so that a
// whole hair goes to GL as one batch: a closed prism of QUALITY sides round
// the body's x axis, its sides smooth-shaded like a cylinder's.
void sendPiece(const PHY_HairPice& piece) {
    if (piece.QUALITY < 3) return;
    TGLBaseMatrix m{};
    NewtonBodyGetMatrix(piece.NEWBODY, m.data());
    const TGLVector axis = MATRIXVECROT(GLVECTOR(1, 0, 0), m);
    const TGLVector centre = GLVECTOR(m[12], m[13], m[14]);
    const TGLVector half = VECMUL(axis, piece.H / 2);
    const TGLVector ends[2] = {VECADD(centre, half), VECSUB(centre, half)};
    // Ring point j lies in the body's direction (0, sin, -cos), as on a
    // cylinder turned from z onto x.
    const std::vector<CosSin>& circle = unitCircle(piece.QUALITY);
    const auto radial = [&](int j) { return MATRIXVECROT(GLVECTOR(0, circle[j].s, -circle[j].c), m); };
    const auto vertex = [&](int end, const TGLVector& direction) {
        const TGLVector at = VECADD(ends[end], VECMUL(direction, piece.RADIUS));
        glVertex3f(at.X, at.Y, at.Z);
    };
    for (int j = 0; j < piece.QUALITY; ++j) {
        const TGLVector a = radial(j);
        const TGLVector b = radial(j + 1);
        for (const auto& [end, direction] : {std::pair{0, a}, std::pair{1, a}, std::pair{0, b}, std::pair{0, b},
                                             std::pair{1, a}, std::pair{1, b}}) {
            glNormal3f(direction.X, direction.Y, direction.Z);
            vertex(end, direction);
        }
    }
    // The caps, counter-clockwise seen from outside.
    for (int end : {0, 1}) {
        const TGLVector outward = end == 0 ? axis : INVERT(axis);
        glNormal3f(outward.X, outward.Y, outward.Z);
        for (int j = 0; j < piece.QUALITY; ++j) {
            vertex(end, GLVECTOR(0, 0, 0));
            vertex(end, radial(j + end));
            vertex(end, radial(j + 1 - end));
        }
    }
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
    glBegin(GL_TRIANGLES);
    sendPiece(*this);
    glEnd();
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
    if (!DELLIST || HAIR.empty()) return;
    glBegin(GL_TRIANGLES);
    for (const PHY_HairPice& piece : HAIR) sendPiece(piece);
    glEnd();
}
