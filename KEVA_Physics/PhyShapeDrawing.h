#pragma once
// The solids that draw the engine's round shapes in a body's own frame:
// centred on the origin, the cone, cylinder and capsule along x as the
// engine lays them. The ragdoll bones compile them into their display lists;
// the body kinds draw the same solids batched (phy::drawPlaced).
#include "base/GLTypes.h"

#include <cstdint>

namespace phy {

// Apex towards +x, base at -h/2, the base disc included.
void coneAlongX(float radius, float h, std::int32_t quality);
// Capped, split into `rings` bands along its length.
void cylinderAlongX(float radius, float h, std::int32_t rings, std::int32_t quality);
// `h` is the whole length, caps included (at least 2 × radius).
void capsuleAlongX(float radius, float h, std::int32_t quality);
void ellipsoid(const TGLVector& radii, std::int32_t quality);

}  // namespace phy
