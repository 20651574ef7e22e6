#pragma once
// Explosions: a one-shot push of a body away from a blast, and the blast field
// ("real explosion") that acts at every update on the bodies that carry its
// callback.
#include <cstdint>

#include "KEVA_Physics/engine/NewtonImport.h"
#include "base/GLTypes.h"

// The current blast field, one for the whole program.
extern TGLVector EXPLOPOS;
extern float EXPLOR;
extern float EXPLOSTRENGTH;
extern bool EXPLOACTIVE;
// 0: force 200·F; 1: impulse F at the centre; 2: PHY_ADDIMPULSE F; 3 to 5: the
// same three, each followed by a random spin (22, 22, 22). Below 0: nothing.
extern std::int32_t EXPLOMODE;

// Pushes the body away from origin when its centre lies within squared
// distance `radius` of it: a velocity change of strength² · (radius − d²)/radius
// at origin, along the direction from origin to the body's nearest point. A body
// whose centre has the same x as origin, or whose shape holds origin, is not pushed.
void PHY_ADDEXPLOSION(const NewtonWorld* world, const NewtonBody* body, const TGLVector& origin, float strength,
                      float radius);
// Sets the blast field (a mode above 5 is kept as 5) and gives the body the
// blast callback PHY_GETREALEXPLOSION.
void PHY_ADDREALEXPLOSION(const NewtonBody* body, const TGLVector& origin, float strength, float radius,
                          std::int32_t mode, bool enable);
// Gravity, plus the blast on bodies strictly inside its sphere while it is active.
void PHY_GETREALEXPLOSION(const NewtonBody* body, dFloat timeStep, std::int32_t threadIndex);
