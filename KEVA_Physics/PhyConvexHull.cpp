#include "KEVA_Physics/PhyConvexHull.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyBodySetup.h"

#include <algorithm>

void PHY_CONVEXHULL::SETCONVEXHULL(NewtonWorld* world, std::span<const TGLVector> vert, std::int32_t count,
                                   const TGLVector& pos, const TGLVector& rot, float mass) {
    NEWBODY = phy::bodyFromShape(world, SETCONVEXHULLFORCOMPOUND(world, vert, count));
    const TGLVector inertia = ADDINERTIA(mass);
    phy::placeBody(NEWBODY, pos, rot, inertia, mass);
    std::array<float, 3> unitInertia{}, centre{};
    NewtonConvexCollisionCalculateInertialMatrix(NewtonBodyGetCollision(NEWBODY), unitInertia.data(), centre.data());
    BOXORIGIN = GLVECTOR(centre[0], centre[1], centre[2]);
    DELLIST = true;
}

NewtonCollision* PHY_CONVEXHULL::SETCONVEXHULLFORCOMPOUND(NewtonWorld* world, std::span<const TGLVector> vert,
                                                          std::int32_t count) {
    const auto used = static_cast<std::size_t>(std::clamp<std::int64_t>(std::int64_t{count} + 1, 0, std::ssize(vert)));
    return phy::convexHullShape(world, vert.first(used));
}

TGLVector PHY_CONVEXHULL::ADDINERTIA(float mass) {
    TGLVector min, max;
    PHY_GETBOUNDINGBOX(NewtonBodyGetCollision(NEWBODY), min, max);
    BOXSIZE = GLVECTOR((min.X - max.X) / 1.6, (min.Y - max.Y) / 1.6, (min.Z - max.Z) / 1.6);
    BOXORIGIN = GLVECTOR((min.X + max.X) / 3.2, (min.Y + max.Y) / 3.2, (min.Z + max.Z) / 3.2);
    const TGLVector& s = BOXSIZE;
    return GLVECTOR((s.Y * s.Y + s.Z * s.Z) * mass / 12, (s.X * s.X + s.Z * s.Z) * mass / 12,
                    (s.X * s.X + s.Y * s.Y) * mass / 12);
}

void PHY_CONVEXHULL::SETORIGIN(const TGLVector& v, std::int32_t num) {
    if (num >= 0 && num < std::ssize(BODYPOINT)) BODYPOINT[static_cast<std::size_t>(num)] = v;
}
