#pragma once
// The solids of the engine's round shapes as the body kinds and the ragdoll
// bones draw them: recorded once in the body's own frame (centred; cone,
// cylinder and capsule along x as the engine lays them), shared by every body
// of the same sizes and placed by the body's matrix (phy::drawPlaced).
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"
#include "kestrova/SolidSink.h"

#include <cstdint>

namespace phy {

// Apex towards +x, its base disc at -h/2.
void drawCone(bool shown, const NewtonBody* body, float radius, float h, std::int32_t quality);
// Capped; its side is one band along the length: the side's normals do not
// change along it, so more bands would only light the same colours again.
void drawCylinder(bool shown, const NewtonBody* body, float radius, float h, std::int32_t quality);
// A tube from -half to +half along z closed by the outer halves of a ball of
// `radius` at each end; drawCapsule lays it along x.
void capsuleAlongZ(SolidSink& sink, float radius, float half, std::int32_t quality);
void drawCapsule(bool shown, const NewtonBody* body, float radius, float half, std::int32_t quality);
void drawEllipsoid(bool shown, const NewtonBody* body, const TGLVector& radii, std::int32_t quality);

}  // namespace phy
