#pragma once
// "Acqua e aria" (500): a brick wall and two round brick towers standing in a
// pool of water under a layer of air. Declared for the tests.
#include "KEVA_Physics/PhyFluid.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/SphereLauncher.h"

#include <vector>

void INITFLUID();
void VIEWFLUID();

extern NewtonWorld* NEWWORLDFLU1;
extern std::vector<PHY_Box> NEWBOXFLU1;  // the floor, then 1003 bricks
extern std::vector<PHY_Fluid> FLUID1;    // water and air, once the first body has been handed to them
extern PHY_Bullet BULLETFLU1[11];

// The scene's force callback: water for a body whose centre is in the pool,
// else air for one in the layer above it, else plain gravity.
void PHY_CREATECUBICFLUID(const NewtonBody* body, dFloat timestep, int threadIndex);
