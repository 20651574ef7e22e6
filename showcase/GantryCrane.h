#pragma once
// Scene 400 "Gru 1", an overhead gantry crane: its functions and bodies, for
// its source and its tests.
#include "KEVA_Physics/PhyHair.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/SphereLauncher.h"

#include <vector>

void INITCRANE();
void VIEWCRANE();

extern NewtonWorld* NEWWORLDCR1;
// 0 floor, 1-4 feet, 5-8 legs, 9-12 corner blocks, 13-14 end beams, 15 the
// bridge, 16 the hook.
extern std::vector<PHY_Box> NEWBOXCR1;
// 0-2 the rails, 3-4 the bridge's wheels, 5 the trolley.
extern std::vector<PHY_Cylinder> NEWCYLINDERCR1;
extern std::vector<PHY_Hair> NEWROPE;  // the hook's rope, hung from the trolley
extern TGLVector BOXPOSCR1;            // the crane's origin; the trolley's end stops are 12 either side of it
extern PHY_Bullet BULLETCR1[11];
