#pragma once
// What the sources and the tests of the compound-object scenes 300 to 303
// share ("Razzi", "Bowling", "Alberi", "Esplosione"): their functions, worlds,
// objects and launchers.
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/CompoundObjects.h"
#include "showcase/SphereLauncher.h"

#include <vector>

void INITCOMPOUND();
void VIEWCOMPOUND();
void INITCOMPOUNDBOWLING();
void VIEWCOMPOUNDBOWLING();
void INITCOMPOUNDTREES();
void VIEWCOMPOUNDTREES();
void INITCOMPOUNDEXPLOSION();
void VIEWCOMPOUNDEXPLOSION();

extern NewtonWorld* NEWWORLDCMP1;
extern NewtonWorld* NEWWORLDCMP2;
extern NewtonWorld* NEWWORLDCMP3;
extern NewtonWorld* NEWWORLDCMP4;

// 300: the floor and six rockets.
extern std::vector<PHY_Box> NEWBOXCMP1;
extern PHY_CompoundRocket ROCKETCMP1[51];
extern PHY_Bullet BULLETCMP1[11];

// 301: the lane and ten pins, which every build appends (the pins of earlier
// builds stay hidden in front).
extern std::vector<PHY_Box> NEWBOXCMP2;
extern std::vector<PHY_CompoundBirillo> BIRILLOCMP2;
extern TGLVector POSCMP2;
extern PHY_Bullet BULLETCMP2[11];

// 302: the floor and three trees.
extern std::vector<PHY_Box> NEWBOXCMP3;
extern PHY_CompoundTree TREECMP3[51];
extern PHY_Bullet BULLETCMP3[11];

// 303: the floor, two trees, three rockets and ten small pins (only appended
// to, as in 301), blown up from EXPPOS.
extern std::vector<PHY_Box> NEWBOXCMP4;
extern PHY_CompoundTree TREECMP4[51];
extern PHY_CompoundRocket ROCKETCMP4[51];
extern std::vector<PHY_CompoundBirillo> BIRILLOCMP4;
extern TGLVector POSCMP4;
extern TGLVector EXPPOS;
extern PHY_Bullet BULLETCMP4[11];

// The floor of the compound scenes, 70 x 70 with its top at y = 0.25.
void ADDCOMPOUNDFLOOR(NewtonWorld* world, std::vector<PHY_Box>& boxes);
// Ten pins in rows of 4, 3, 2 and 1, placed by the pile generator from
// (x, y) with gap `gap` (its y read as z); each position is kept in `lastPos`.
void ADDPINTRIANGLE(NewtonWorld* world, std::vector<PHY_CompoundBirillo>& pins, TGLVector& lastPos, float x, float y,
                    float gap, float size, float mass);
