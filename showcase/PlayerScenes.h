#pragma once
// The worlds, sceneries and players of the three first-person scenes:
// 700 "Paesaggio", 701 "Città Incas", 702 "Castello".
#include "KEVA_3DS/Scenery3ds.h"
#include "KEVA_Physics/PhyHeightMap.h"
#include "KEVA_Physics/PhyPlayer.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "showcase/SphereLauncher.h"

extern NewtonWorld* NEWWORLDPLY1;
extern PHY_HeightMap HEIGHTMAPPLY1;
extern PHY_PLAYERGAME PLAYERPLY1;
extern PHY_Bullet BULLETPLY1[11];
void INITPLAYER();
void VIEWPLAYER();

extern NewtonWorld* NEWWORLDPLY2;
extern TGL3DSModel SCENEPLY2;
extern NewtonBody* BODY3DSPLY2;
extern PHY_PLAYERGAME PLAYERPLY2;
extern PHY_Bullet BULLETPLY2[11];
void INITPLAYER2();
void VIEWPLAYER2();

extern NewtonWorld* NEWWORLDPLY3;
extern PHY_Box NEWBOXPLY3[1];
extern TGL3DSModel SCENEPLY3;
extern NewtonBody* BODY3DSPLY3;
extern PHY_PLAYERGAME PLAYERPLY3;
extern PHY_Bullet BULLETPLY3[11];
void INITPLAYER3();
void VIEWPLAYER3();
