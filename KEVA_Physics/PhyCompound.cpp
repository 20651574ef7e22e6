#include "KEVA_Physics/PhyCompound.h"

#include "KEVA_Physics/PhyBodySetup.h"

#include <algorithm>
#include <array>
#include <cmath>

void PHY_COMPOUND::SETCOMPOUND(NewtonWorld* world, std::span<NewtonCollision* const> parts, const TGLVector& pos,
                               const TGLVector& rot, std::int32_t maxParts, float mass) {
    NEWBODY = ADDCOMPOUND(world, parts, maxParts, 0);
    ADDINERTIA(maxParts, mass);
    NewtonBodySetCollision(NEWBODY, COLLISION);
    std::array<float, 3> unitInertia{}, centre{};
    NewtonConvexCollisionCalculateInertialMatrix(COLLISION, unitInertia.data(), centre.data());
    const TGLVector inertia = GLVECTOR(unitInertia[0] * mass, unitInertia[1] * mass, unitInertia[2] * mass);
    NewtonBodySetMassMatrix(NEWBODY, mass, inertia.X, inertia.Y, inertia.Z);
    phy::placeBody(NEWBODY, pos, rot, inertia, mass);
}

TGLVector PHY_COMPOUND::ADDINERTIA(std::int32_t maxParts, float mass) {
    const std::array<float, 3> belowOrigin{0, -1, 0};
    NewtonBodySetCentreOfMass(NEWBODY, belowOrigin.data());
    const float i = 2 * std::sqrt(static_cast<float>(maxParts)) * mass / 12;
    return GLVECTOR(i, i, i);
}

NewtonBody* PHY_COMPOUND::ADDCOMPOUND(NewtonWorld* world, std::span<NewtonCollision* const> parts,
                                      std::int32_t maxParts, std::int32_t shapeId) {
    const auto used = static_cast<std::size_t>(std::clamp<std::int64_t>(maxParts, 0, std::ssize(parts)));
    COLLISION = NewtonCreateCompoundCollision(world, static_cast<int>(used), parts.data(), shapeId);
    for (std::size_t k = 0; k < used; ++k) NewtonReleaseCollision(world, parts[k]);
    return phy::bodyFromShape(world, COLLISION);
}
