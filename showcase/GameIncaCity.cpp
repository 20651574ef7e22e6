// "Città Incas": the first-person player among the houses, terraces and
// temple of the scenery "citta incas.3ds".
#include "KEVA_Physics/PhyScenery.h"
#include "kestrova/Input.h"
#include "showcase/DataFiles.h"
#include "showcase/FirstPerson.h"
#include "showcase/HelpTexts.h"
#include "showcase/PlayerScenes.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDPLY2 = nullptr;
TGL3DSModel SCENEPLY2;
NewtonBody* BODY3DSPLY2 = nullptr;
PHY_PLAYERGAME PLAYERPLY2;
PHY_Bullet BULLETPLY2[11];

void INITPLAYER2() {
    OPENPLAYERINIT(NEWWORLDPLY2, PLAYERPLY2, GLVECTOR(800, 800, 800));
    SCENEPLY2.LOADMODEL3DS(2.5f, DATAFILE("citta incas.3ds"));
    PHY_ADD3DSCOLLISION(NEWWORLDPLY2, BODY3DSPLY2, SCENEPLY2, false);
    CLOSEPLAYERINIT(NEWWORLDPLY2, PLAYERPLY2, GLVECTOR(50, 60, -60), 50);
}

void VIEWPLAYER2() {
    if (SETGLKEY('R')) INITPLAYER2();
    STARTPLAYERFRAME(PLAYERPLY2, 10);
    SCENEPLY2.PUTMODEL3DS();
    ENDPLAYERFRAME(NEWWORLDPLY2, BULLETPLY2, 2, 6);
}

namespace {
const SceneRegistration gameIncaCityRow({701, "&Giochi", "Città Incas", FIRSTPERSONHELP(), INITPLAYER2, VIEWPLAYER2,
                                         &NEWWORLDPLY2, OnChoice::RESUME_WITH_HELP});
}  // namespace
