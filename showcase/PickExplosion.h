#pragma once
// An explosion charged by holding the left button on a body: the charge grows
// one unit a frame (up to twice `strength`) and goes off on release.
#include "KEVA_Physics/engine/NewtonImport.h"

#include <cstdint>

// (x1, y1): the mouse now; (x2, y2): where the left button was last pressed.
void PHY_MOUSEPICKEXPLOSION(NewtonWorld* world, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            float strength, float radius);
