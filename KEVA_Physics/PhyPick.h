#pragma once
// Picking a body with the mouse: the ray-cast callbacks that keep the nearest
// movable body hit, and the pick state they fill.
#include "KEVA_Physics/engine/NewtonImport.h"

#include <cstdint>

extern float PICKEDPARAM;       // fraction along the pick ray of the nearest hit; 1.1 before a cast
extern NewtonBody* PICKEDBODY;  // nearest picked body; nullptr before a cast
extern bool MOUSEPICKMODE;      // a pick is in progress

// Static bodies (mass 0) are not picked.
unsigned PHY_RAYCASTPREFILTER(const NewtonBody* body, const NewtonCollision* collision, void* userData);
dFloat PHY_RAYCASTFILTER(const NewtonBody* body, const dFloat* normal, std::int32_t collisionId, void* userData,
                         dFloat intersectParam);
