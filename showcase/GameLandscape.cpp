// "Paesaggio": the first-person player in a valley of the height map "grotta.ter".
#include "kestrova/Input.h"
#include "kestrova/Lights.h"
#include "showcase/DataFiles.h"
#include "showcase/FirstPerson.h"
#include "showcase/HelpTexts.h"
#include "showcase/PlayerScenes.h"
#include "showcase/SceneRegistry.h"

#include <GL/gl.h>

NewtonWorld* NEWWORLDPLY1 = nullptr;
PHY_HeightMap HEIGHTMAPPLY1;
PHY_PLAYERGAME PLAYERPLY1;
PHY_Bullet BULLETPLY1[11];

void INITPLAYER() {
    OPENPLAYERINIT(NEWWORLDPLY1, PLAYERPLY1, GLVECTOR(800, 800, 800));
    HEIGHTMAPPLY1.TEXIMAGE = DATAFILE("grass.tga");
    HEIGHTMAPPLY1.LOADFROMFILE(NEWWORLDPLY1, GLVECTOR(0, -100, 0), 15, DATAFILE("grotta.ter"));
    CLOSEPLAYERINIT(NEWWORLDPLY1, PLAYERPLY1, GLVECTOR(60, 130, 0), 0);
}

void VIEWPLAYER() {
    if (SETGLKEY('R')) INITPLAYER();
    STARTPLAYERFRAME(PLAYERPLY1, 8);
    PUTGLPOINTLIGHT(GL_LIGHT0, 0, 0, 2500, 0, 0.1f);
    GROUNDMATERIAL();
    HEIGHTMAPPLY1.DRAW();
    ENDPLAYERFRAME(NEWWORLDPLY1, BULLETPLY1, 1, 12);
}

namespace {
const SceneRegistration gameLandscapeRow({700, "&Giochi", "Paesaggio", FIRSTPERSONHELP(), INITPLAYER, VIEWPLAYER,
                                          &NEWWORLDPLY1, OnChoice::RESUME_WITH_HELP});
}  // namespace
