#pragma once
// Picking a body with the mouse: the ray-cast callbacks that keep the nearest
// movable body hit, and the pick state they fill.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

#include <cstdint>

extern float PICKEDPARAM;       // fraction along the pick ray of the nearest hit; 1.1 before a cast
extern NewtonBody* PICKEDBODY;  // nearest picked body; nullptr before a cast
extern bool MOUSEPICKMODE;      // a pick is in progress

// Static bodies (mass 0) are not picked.
unsigned PHY_RAYCASTPREFILTER(const NewtonBody* body, const NewtonCollision* collision, void* userData);
dFloat PHY_RAYCASTFILTER(const NewtonBody* body, const dFloat* normal, std::int32_t collisionId, void* userData,
                         dFloat intersectParam);

// Casts the pick ray under window point (x, y), from the near plane to the far
// one of the current camera, through the two filters above: afterwards
// PICKEDBODY is the nearest movable body on it (or nullptr) and PICKEDPARAM
// its fraction along the ray.
void PHY_CASTPICKRAY(NewtonWorld* world, std::int32_t x, std::int32_t y);
// The point at `fraction` along the pick ray under (x, y).
TGLVector PHY_PICKRAYPOINT(std::int32_t x, std::int32_t y, float fraction);
