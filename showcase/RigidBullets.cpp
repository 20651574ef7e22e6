// "Proiettili": a triangular wall of 190 boxes to shoot spheres at.
#include "KEVA_Physics/PhyBlockPlacement.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/RigidScenes.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLD4 = nullptr;
std::vector<PHY_Box> NEWBOX4;
TGLVector BOXPOS4;
PHY_Bullet BULLET[11];

void INITIMPACTBULLET() {
    OPENSCENE(NEWWORLD4, PHY_INITWORLD(60), SceneClock::TICKSCALED, GLVECTOR(800, 800, 800));
    NEWBOX4.clear();

    NEWBOX4.emplace_back().SETBOX(NEWWORLD4, GLVECTOR(0, 0, 0), GLVECTOR(0, 0, 0), GLVECTOR(25, 0.25f, 25), 0);
    // 19 rows; the placement's row maximum of 10 only shifts the whole wall down.
    for (int row = 0; row <= 18; ++row)
        for (int column = 0; column <= 18 - row; ++column) {
            BOXPOS4 = PHY_CREATEPYRAMIDBLOCKS(4, 6, -10, 0, 0.85f, 0.85f, 0.0025f, 0, row, column, 0, 10, 10);
            NEWBOX4.emplace_back().SETBOX(NEWWORLD4, BOXPOS4, GLVECTOR(0, 0, 0), GLVECTOR(0.85f, 0.85f, 0.85f), 2.5f);
        }
}

void VIEWIMPACTBULLET() {
    if (SETGLKEY('R')) INITIMPACTBULLET();
    STARTTICKFRAME();
    STEPSCENE(NEWWORLD4, TICKSCALEDSTEP(10000, 2000));
    SCENEMATERIAL(248, 240, 105);
    DRAWALL(NEWBOX4, 1);
    if (!NEWBOX4.empty()) DRAWFLOOR(NEWBOX4[0]);
    SHOOTSIZEDSPHERES(NEWWORLD4, BULLET);
    DEBUGSCENE(NEWWORLD4);
    ENDTICKFRAME();
}

namespace {
const SceneRegistration rigidBulletsRow({204, "&CorpiRigidi", "Proiettili",
                                         SCENEHELP({"Esempio di proiettili sparati dal cursore", "del mouse."},
                                                   {"(1-8) Spara sfere di varie dimensioni"}),
                                         INITIMPACTBULLET, VIEWIMPACTBULLET, &NEWWORLD4});
}  // namespace
