#pragma once
// What the sources and the tests of the explosion and destruction scenes 208
// to 211 share ("Click Boom", "Esplosione", "Esplosioni", "Distruzione"):
// their functions, worlds, bodies and launchers.
#include "KEVA_Physics/PhyPointBodies.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/SphereLauncher.h"

#include <cstdint>
#include <vector>

void INITPICKEXPLOSION();
void VIEWPICKEXPLOSION();
void INITEXPLOSION();
void VIEWEXPLOSION();
void INITMULTIEXPLOSION();
void VIEWMULTIEXPLOSION();
void INITDESTROY();
void VIEWDESTROY();

extern NewtonWorld* NEWWORLD7;
extern NewtonWorld* NEWWORLD8;
extern NewtonWorld* NEWWORLD9;
extern NewtonWorld* NEWWORLD11;

// 208: floor and the 506-box pyramid; the triangular wall and the stack of
// cylinders in arrays that every build only appends to.
extern std::vector<PHY_Box> NEWBOX7;
extern std::vector<PHY_Box> NEWBOX7A;
extern std::vector<PHY_Cylinder> NEWCYLINDER7;
extern TGLVector BOXPOS7;

// 209: floor, the four walls of the courtyard, then the tower.
extern std::vector<PHY_Box> NEWBOX8;
extern PHY_Bullet BULLET8[11];

// 210: floor, two walls, the tower, then the three pyramids.
extern std::vector<PHY_Box> NEWBOX9;
extern TGLVector BOXPOS9;
extern PHY_Bullet BULLET9[11];

// 211: floor and eleven rings hanging from the static top one.
extern std::vector<PHY_Box> NEWBOX11;
extern PHY_CUSTOMFACETORUS NEWTORUS11[11];
extern PHY_Bullet BULLET11[11];

// Removes ring `num` (0 to 10) from the chain of 211: the scene is rebuilt, the
// ring's new body leaves the world and every other ring gets back the state it
// had. A ring removed earlier stays removed until the scene is rebuilt by R or
// the menu; another number does nothing.
void DESTROYBODY11(NewtonWorld* world, std::int32_t num);
