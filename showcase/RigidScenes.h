#pragma once
// The bodies and launchers of the rigid-body scenes 203 to 207 ("Impatto",
// "Proiettili", "Domino", "Paletti", "Catena"), and the clean-ups that hide
// the rows a rebuild leaves behind.
#include "KEVA_Physics/PhyPointBodies.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/SceneBullet.h"

#include <vector>

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


// Keys "1" to "8" fire launchers 0 to 7: spheres of radius 1.5, 3, 4.5 and 6,
// fast on the odd keys and slow on the even ones.
void SHOOTSIZEDSPHERES(NewtonWorld* world, PHY_Bullet (&launchers)[11]);
