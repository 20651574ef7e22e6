// "Alberi": the three tree models side by side, to shoot at.
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/CompoundScenes.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDCMP3 = nullptr;
std::vector<PHY_Box> NEWBOXCMP3;
PHY_CompoundTree TREECMP3[51];
PHY_Bullet BULLETCMP3[11];

void INITCOMPOUNDTREES() {
    OPENSCENE(NEWWORLDCMP3, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOXCMP3.clear();
    ADDCOMPOUNDFLOOR(NEWWORLDCMP3, NEWBOXCMP3);
    const TGLVector upright = GLVECTOR(0, 0, 0);
    TREECMP3[0].SETTREE1(NEWWORLDCMP3, GLVECTOR(-18, 0, 0), upright, 1.4f, 20, 50);
    TREECMP3[1].SETTREE2(NEWWORLDCMP3, GLVECTOR(0, 0, 0), upright, 1.4f, 20, 50);
    TREECMP3[2].SETTREE3(NEWWORLDCMP3, GLVECTOR(18, 0, 0), upright, 1.4f, 20, 50);
}

void VIEWCOMPOUNDTREES() {
    if (SETGLKEY('R')) INITCOMPOUNDTREES();
    STEPSCENE(NEWWORLDCMP3, 0.012f);
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(NEWBOXCMP3);
    for (int k = 0; k < 3; ++k) TREECMP3[k].DRAW();
    BULLETCMP3[0].CREATEBULLET(NEWWORLDCMP3, 15, 4.5f, 1.5f, 1.5f, 0.5f, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLDCMP3);
}

namespace {
const SceneRegistration compoundTreesRow({302, "&CorpiComposti", "Alberi",
                                          SCENEHELP({"Esempio che mostra tre modelli composti", "di alberi."},
                                                    {"(A) Spara sfera"}),
                                          INITCOMPOUNDTREES, VIEWCOMPOUNDTREES, &NEWWORLDCMP3});
}  // namespace
