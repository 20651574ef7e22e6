#pragma once
// What the source and the tests of the demolition crane "Gru 2" (401) share:
// its functions, world, bodies, rope and launchers.
#include "KEVA_Physics/PhyHair.h"
#include "KEVA_Physics/PhyPointBodies.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/SphereLauncher.h"

#include <vector>

void INITCRANE2();
void VIEWCRANE2();

extern NewtonWorld* NEWWORLDCR2;
// Floor, base, mast, then the bricks of the wall and of the tower.
extern std::vector<PHY_Box> NEWBOXCR2;
extern std::vector<PHY_CustomFaceBox> CUSTOMBOXCR2;            // the arm, turning on the mast
extern std::vector<PHY_Cylinder> NEWCYLINDERCR2;               // the trolley, sliding along the arm
extern std::vector<PHY_CustomFaceCylinder> CUSTOMCYLINDERCR2;  // a pole leaning on the wall
extern std::vector<PHY_Sphere> NEWSPHERECR2;                   // the ball
extern std::vector<PHY_Hair> NEWROPE2;                         // the rope from the trolley to the ball
extern TGLVector BOXPOSCR2;                                    // the crane's origin, at the foot of the mast
extern PHY_Bullet BULLETCR2[11];

// How far along the arm (its own z, from the mast) the trolley may go.
inline constexpr float TROLLEYSTOPCR2 = -23;
