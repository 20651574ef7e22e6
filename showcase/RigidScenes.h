#pragma once
// What the sources and the tests of the rigid-body scenes 203 to 207 share
// ("Impatto", "Proiettili", "Domino", "Paletti", "Catena"): their functions,
// worlds, bodies and launchers, and the eight sized-sphere launchers.
#include "KEVA_Physics/PhyPointBodies.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/SphereLauncher.h"

#include <initializer_list>
#include <vector>

void INITIMPACT();
void VIEWIMPACT();
void INITIMPACTBULLET();
void VIEWIMPACTBULLET();
void INITDOMINO();
void VIEWDOMINO();
void INITSTICKBOX();
void VIEWSTICKBOX();
void INITCHAIN();
void VIEWCHAIN();

extern NewtonWorld* NEWWORLD3;
extern NewtonWorld* NEWWORLD4;
extern NewtonWorld* NEWWORLD5;
extern NewtonWorld* NEWWORLD6;
extern NewtonWorld* NEWWORLD10;

// 203: floor, pad and the 66-box wall; the cylinder pushed into it.
extern std::vector<PHY_Box> NEWBOX3;
extern std::vector<PHY_Cylinder> NEWCYLINDER3;
extern TGLVector BOXPOS3;

// 204: floor and the 190-box wall.
extern std::vector<PHY_Box> NEWBOX4;
extern TGLVector BOXPOS4;
extern PHY_Bullet BULLET[11];

// 205: floor and six rows of tiles; six more rows in NEWBOX5A, which every
// build only appends to (the rows of earlier builds stay hidden in front).
extern std::vector<PHY_Box> NEWBOX5;
extern std::vector<PHY_Box> NEWBOX5A;
extern PHY_Bullet BULLET5[11];

// 206: floor and five rows of posts; five more in NEWBOX6A, only appended to.
extern std::vector<PHY_Box> NEWBOX6;
extern std::vector<PHY_Box> NEWBOX6A;
extern PHY_Bullet BULLET6[11];

// 207: floor and eleven rings hanging from the static top one.
extern std::vector<PHY_Box> NEWBOX10;
extern PHY_CUSTOMFACETORUS NEWTORUS10[11];
extern PHY_Bullet BULLET10[11];
// The chain of "Catena" (also taken apart in "Distruzione"): eleven rings
// hanging interlocked from the static top one.
void HANGRINGCHAIN(NewtonWorld* world, PHY_CUSTOMFACETORUS (&rings)[11]);

// Keys "1" to "8" fire launchers 0 to 7: spheres of radius 1.5, 3, 4.5 and 6,
// fast on the odd keys and slow on the even ones.
void SHOOTSIZEDSPHERES(NewtonWorld* world, PHY_Bullet (&launchers)[11]);
// Those keys as the help box lists them.
inline constexpr std::initializer_list<const char*> SIZEDSPHEREKEYS = {
    "(1/3/5/7) Spara sfere di varie dimensioni", "a velocità alta", "(2/4/6/8) Spara sfere di varie dimensioni",
    "a velocità bassa"};
