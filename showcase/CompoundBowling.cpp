// "Bowling": ten pins at the end of a lane and a heavy ball to roll at them.
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/CompoundScenes.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

#include <GL/gl.h>

NewtonWorld* NEWWORLDCMP2 = nullptr;
std::vector<PHY_Box> NEWBOXCMP2;
std::vector<PHY_CompoundBirillo> BIRILLOCMP2;
TGLVector POSCMP2;
PHY_Bullet BULLETCMP2[11];

void INITCOMPOUNDBOWLING() {
    // The pins of the last build belong to the world about to be destroyed.
    DELETEALL(BIRILLOCMP2);
    OPENSCENE(NEWWORLDCMP2, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOXCMP2.clear();
    NEWBOXCMP2.emplace_back().SETBOX(NEWWORLDCMP2, GLVECTOR(0, -0.75f, 20), GLVECTOR(0, 0, 0), GLVECTOR(35, 1, 50), 0);
    ADDPINTRIANGLE(NEWWORLDCMP2, BIRILLOCMP2, POSCMP2, -9, -20, 2, 0.5f, 50);
}

void VIEWCOMPOUNDBOWLING() {
    if (SETGLKEY('R')) INITCOMPOUNDBOWLING();
    STEPSCENE(NEWWORLDCMP2, 0.012f);
    // Down the lane: the camera's turn undone, the pins moved away.
    glRotatef(45, 0, -1, 0);
    glTranslatef(0, 0, -35);
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(NEWBOXCMP2);
    DRAWALL(BIRILLOCMP2);
    BULLETCMP2[0].CREATEBULLET(NEWWORLDCMP2, 15, 4.5f, 0.25f, 1.5f, 85, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLDCMP2);
}

namespace {
const SceneRegistration compoundBowlingRow({301, "&CorpiComposti", "Bowling",
                                            SCENEHELP({"Esempio che mostra dei birilli formati", "da più parti unite."},
                                                      {"(A) Spara sfera"}),
                                            INITCOMPOUNDBOWLING, VIEWCOMPOUNDBOWLING, &NEWWORLDCMP2});
}  // namespace
