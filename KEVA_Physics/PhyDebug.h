#pragma once
// Green outlines of every collision shape, and the ray-cast callbacks that
// pick the body under the mouse.
#include "KEVA_Physics/engine/NewtonImport.h"

#include <cstdint>

extern float PICKEDPARAM;        // fraction along the pick ray of the nearest hit; 1.1 before a cast
extern NewtonBody* PICKEDBODY;   // nearest picked body; nullptr before a cast
extern bool MOUSEPICKMODE;       // a pick is in progress

void PHY_DEBUGCOLLISION(const NewtonWorld* world);
void PHY_DEBUGBODYCOLLISION(const NewtonBody* body, void* userData);
void PHY_DEBUGGEOMETRYCOLLISION(void* userData, std::int32_t vertexCount, const dFloat* faceArray,
                                std::int32_t faceId);
// Static bodies (mass 0) are not picked.
unsigned PHY_RAYCASTPREFILTER(const NewtonBody* body, const NewtonCollision* collision, void* userData);
dFloat PHY_RAYCASTFILTER(const NewtonBody* body, const dFloat* normal, std::int32_t collisionId, void* userData,
                         dFloat intersectParam);
