#pragma once
// Collision debug drawing: green outlines of every collision shape of a world.
#include "KEVA_Physics/engine/NewtonImport.h"

#include <cstdint>

void PHY_DEBUGCOLLISION(const NewtonWorld* world);
void PHY_DEBUGBODYCOLLISION(const NewtonBody* body, void* userData);
void PHY_DEBUGGEOMETRYCOLLISION(void* userData, std::int32_t vertexCount, const dFloat* faceArray,
                                std::int32_t faceId);
