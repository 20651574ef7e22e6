#pragma once
// The physics world of every scene, and their replacement on a rebuild.
#include "KEVA_Physics/engine/NewtonImport.h"

extern NewtonWorld* NEWWORLD;      // 200 friction
extern NewtonWorld* NEWWORLD1;     // 201 joints
extern NewtonWorld* NEWWORLD2;     // 202 hair
extern NewtonWorld* NEWWORLD3;     // 203 impact
extern NewtonWorld* NEWWORLD4;     // 204 bullets
extern NewtonWorld* NEWWORLD5;     // 205 dominoes
extern NewtonWorld* NEWWORLD6;     // 206 posts
extern NewtonWorld* NEWWORLD7;     // 208 click explosion
extern NewtonWorld* NEWWORLD8;     // 209 explosion
extern NewtonWorld* NEWWORLD9;     // 210 multiple explosions
extern NewtonWorld* NEWWORLD10;    // 207 chain
extern NewtonWorld* NEWWORLD11;    // 211 destruction
extern NewtonWorld* NEWWORLDCMP1;  // 300 rockets
extern NewtonWorld* NEWWORLDCMP2;  // 301 bowling
extern NewtonWorld* NEWWORLDCMP3;  // 302 trees
extern NewtonWorld* NEWWORLDCMP4;  // 303 compound explosion
extern NewtonWorld* NEWWORLDCR1;   // 400 cargo crane
extern NewtonWorld* NEWWORLDCR2;   // 401 demolition crane
extern NewtonWorld* NEWWORLDFLU1;  // 500 water and air
extern NewtonWorld* NEWWORLDD1;    // 600 falling puppet
extern NewtonWorld* NEWWORLDD2;    // 601 hanging puppets
extern NewtonWorld* NEWWORLDPLY1;  // 700 landscape
extern NewtonWorld* NEWWORLDPLY2;  // 701 Inca city
extern NewtonWorld* NEWWORLDPLY3;  // 702 castle

// Stores a scene's new world and destroys the one it replaces, so that holding
// R (a rebuild every frame) does not let memory grow. Records that still hold
// bodies of the old world must already be hidden and are never touched again.
void REPLACEWORLD(NewtonWorld*& scene, NewtonWorld* fresh);
