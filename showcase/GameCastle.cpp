// "Castello": the first-person player in the castle "castello1.3ds", which
// stands on a wide floor.
#include "KEVA_Physics/PhyScenery.h"
#include "kestrova/Input.h"
#include "showcase/DataFiles.h"
#include "showcase/FirstPerson.h"
#include "showcase/HelpTexts.h"
#include "showcase/PlayerScenes.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDPLY3 = nullptr;
PHY_Box NEWBOXPLY3[1];
TGL3DSModel SCENEPLY3;
NewtonBody* BODY3DSPLY3 = nullptr;
PHY_PLAYERGAME PLAYERPLY3;
PHY_Bullet BULLETPLY3[11];

void INITPLAYER3() {
    OPENPLAYERINIT(NEWWORLDPLY3, PLAYERPLY3, GLVECTOR(900, 900, 1200));
    NEWBOXPLY3[0].SETBOX(NEWWORLDPLY3, GLVECTOR(0, 0, 1200), GLVECTOR(0, 0, 0), GLVECTOR(800, 1, 1600), 0);
    SCENEPLY3.LOADMODEL3DS(3.2f, DATAFILE("castello1.3ds"));
    PHY_ADD3DSCOLLISION(NEWWORLDPLY3, BODY3DSPLY3, SCENEPLY3, false);
    CLOSEPLAYERINIT(NEWWORLDPLY3, PLAYERPLY3, GLVECTOR(0, 300, 450), 50);
}

void VIEWPLAYER3() {
    if (SETGLKEY('R')) INITPLAYER3();
    STARTPLAYERFRAME(PLAYERPLY3, 10);
    GROUNDMATERIAL();
    // The castle's own ground covers most of the floor in view: drawn first,
    // it leaves the depth test to spare shading the floor beneath it.
    SCENEPLY3.PUTMODEL3DS();
    NEWBOXPLY3[0].DRAW();
    ENDPLAYERFRAME(NEWWORLDPLY3, BULLETPLY3, 2, 6);
}

namespace {
const SceneRegistration gameCastleRow({702, "&Giochi", "Castello", FIRSTPERSONHELP(), INITPLAYER3, VIEWPLAYER3,
                                       &NEWWORLDPLY3, OnChoice::RESUME_WITH_HELP});
}  // namespace
