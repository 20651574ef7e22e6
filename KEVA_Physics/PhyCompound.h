#pragma once
// A body made of several convex pieces.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>
#include <span>

struct PHY_COMPOUND {
    NewtonBody* NEWBODY = nullptr;
    NewtonCollision* COLLISION = nullptr;  // the compound shape, owned by NEWBODY
    TGLBaseMatrix MATRIX{};

    // A dynamic body of the first maxParts shapes of `parts` (which it takes
    // over), turned by `rot` degrees and placed at `pos`, its centre of mass
    // one unit below its origin.
    void SETCOMPOUND(NewtonWorld* world, std::span<NewtonCollision* const> parts, const TGLVector& pos,
                     const TGLVector& rot, std::int32_t maxParts, float mass);
    // Puts the centre of mass at (0, -1, 0) in body space; returns a rough
    // inertia that grows with the number of parts.
    TGLVector ADDINERTIA(std::int32_t maxParts, float mass);
    // A static body of the compound of the first maxParts shapes of `parts`;
    // the part shapes are released.
    NewtonBody* ADDCOMPOUND(NewtonWorld* world, std::span<NewtonCollision* const> parts, std::int32_t maxParts,
                            std::int32_t shapeId);
};
