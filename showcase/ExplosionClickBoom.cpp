// "Click Boom": a pyramid of boxes, a triangular wall and a stack of upright
// cylinders; holding the left button on a body charges an explosion that goes
// off on release.
#include "KEVA_Physics/PhyBlockPlacement.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/ExplosionScenes.h"
#include "showcase/HelpTexts.h"
#include "showcase/PickExplosion.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLD7 = nullptr;
std::vector<PHY_Box> NEWBOX7;
std::vector<PHY_Box> NEWBOX7A;
std::vector<PHY_Cylinder> NEWCYLINDER7;
TGLVector BOXPOS7;

void INITPICKEXPLOSION() {
    // The wall and the cylinders of the last build belong to the world about to be destroyed.
    DELETEALL(NEWBOX7A);
    DELETEALL(NEWCYLINDER7);
    OPENSCENE(NEWWORLD7, PHY_INITWORLD(25), SceneClock::TICKSCALED, GLVECTOR(800, 800, 800));
    NEWBOX7.clear();

    NEWBOX7.emplace_back().SETBOX(NEWWORLD7, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(30, 1, 30), 0);
    // A square pyramid of eleven layers.
    for (int layer = 0; layer <= 10; ++layer)
        for (int column = 0; column <= 10 - layer; ++column)
            for (int row = 0; row <= 10 - layer; ++row) {
                BOXPOS7 =
                    PHY_CREATEPYRAMIDBLOCKS(-21, 2, -20, 0.85f, 0.425f, 0.85f, 0.0025f, row, layer, column, 10, 3, 10);
                NEWBOX7.emplace_back().SETBOX(NEWWORLD7, BOXPOS7, GLVECTOR(0, 0, 0), GLVECTOR(0.85f, 0.425f, 0.85f),
                                              15);
            }
    // A triangular wall of cubes.
    for (int layer = 0; layer <= 10; ++layer)
        for (int column = 0; column <= 10 - layer; ++column)
            NEWBOX7A.emplace_back().SETBOX(
                NEWWORLD7, PHY_CREATEPYRAMIDBLOCKS(20, 2.5f, 3, 0, 0.85f, 0.85f, 0.0025f, 0, layer, column, 0, 3, 10),
                GLVECTOR(0, 0, 0), GLVECTOR(0.85f, 0.85f, 0.85f), 10);
    // A triangular stack of cylinders standing on end.
    for (int layer = 0; layer <= 8; ++layer)
        for (int row = 0; row <= 8 - layer; ++row)
            NEWCYLINDER7.emplace_back().SETCYLINDER(
                NEWWORLD7, PHY_CREATEPYRAMIDBLOCKS(-6, 2.5f, 14, 0.85f, 0.85f, 0, 0.0025f, row, layer, 0, 10, 3, 0),
                GLVECTOR(0, 0, 90), 0.85f, 1.7f, 18, 20);
}

void VIEWPICKEXPLOSION() {
    if (SETGLKEY('R')) INITPICKEXPLOSION();
    STARTTICKFRAME();
    STEPSCENE(NEWWORLD7, TICKSCALEDSTEP(5000, 5000));
    SCENEMATERIAL(238, 210, 215);
    DRAWALL(NEWBOX7, 1);
    SCENEMATERIAL(219, 249, 245);
    DRAWALL(NEWBOX7A);
    SCENEMATERIAL(248, 240, 105);
    DRAWALL(NEWCYLINDER7);
    if (!NEWBOX7.empty()) DRAWFLOOR(NEWBOX7[0]);
    SCENEMATERIAL(255, 255, 255);
    PHY_MOUSEPICKEXPLOSION(NEWWORLD7, SETOMX, SETOMY, SETMX, SETMY, 10, 40);
    DEBUGSCENE(NEWWORLD7);
    ENDTICKFRAME();
}

namespace {
const SceneRegistration explosionClickBoomRow({208, "&CorpiRigidi", "Click Boom",
                                               SCENEHELP({"Cliccare col pulsante sinistro tenendo il cursore",
                                                          "sugli oggetti, per creare un esplosione.",
                                                          "La forza varia in base alla pressione."},
                                                         {}),
                                               INITPICKEXPLOSION, VIEWPICKEXPLOSION, &NEWWORLD7});
}  // namespace
