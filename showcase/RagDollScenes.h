#pragma once
// What the sources and the tests of the puppet scenes share: 600 "Pupazzo"
// (five puppets falling onto a tilted floor among posts) and 601 "Pupazzi"
// (five puppets hanging by their hands).
#include "KEVA_Physics/PhyPointBodies.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/HumanRagDoll.h"
#include "KEVA_Physics/PhyRandom.h"
#include "showcase/SphereLauncher.h"

#include <vector>

void INITRAGDOLL();
void VIEWRAGDOLL();
void INITRAGDOLL2();
void VIEWRAGDOLL2();

// 600: the floor, the posts through it and the puppets of the last build.
extern NewtonWorld* NEWWORLDD1;
extern std::vector<PHY_Box> NEWBOXD1;
extern std::vector<PHY_CustomFaceCylinder> CUSTOMCYLINDERD1;
extern std::vector<PHY_humanRagDoll> RAGDOLLD1;
extern PHY_Bullet BULLETD1[11];

// 601: the floor and the hanging puppets of the last build.
extern NewtonWorld* NEWWORLDD2;
extern std::vector<PHY_Box> NEWBOXD2;
extern std::vector<PHY_humanRagDoll> RAGDOLLD2;
extern PHY_Bullet BULLETD2[11];

// a·R − a·R′ with two fresh random numbers, drawn in that order: a number in
// −a … a, most often near 0, that places and turns the puppets.
inline float RANDOMSPREAD(float a) {
    const float first = static_cast<float>(RANDOM());
    return a * first - a * static_cast<float>(RANDOM());
}
