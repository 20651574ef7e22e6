#pragma once
// Static meshes of quads (tree collisions), as the height map uses them.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>
#include <span>

// A finished, optimised tree collision with the given shape id in which every
// four consecutive points vec[4k .. 4k+3] make one quad face (attribute 1).
// Points left over after the last whole quad are ignored.
NewtonCollision* PHY_CREATEFACEQUAD(NewtonWorld* world, std::span<const TGLVector> vec, std::int32_t shapeId);
