// "Impatto": a cylinder on a pad, pushed by keys 1 to 4 into a triangular
// wall of 66 boxes.
#include "KEVA_Physics/PhyBlockPlacement.h"
#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/RigidScenes.h"
#include "showcase/SceneFramework.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"

#include <GL/gl.h>

NewtonWorld* NEWWORLD3 = nullptr;
std::vector<PHY_Box> NEWBOX3;
std::vector<PHY_Cylinder> NEWCYLINDER3;
TGLVector BOXPOS3;

namespace {

// The push each key gives the cylinder on every frame it is held.
struct Push {
    char key;
    float strength;
};
const Push kPushes[] = {{'1', 10}, {'2', 15}, {'3', 25}, {'4', 40}};

}  // namespace

void INITIMPACT() {
    OPENSCENE(NEWWORLD3, PHY_INITWORLD(60), SceneClock::TICKSCALED, GLVECTOR(150, 300, 150));
    NEWBOX3.clear();
    NEWCYLINDER3.clear();

    NEWBOX3.emplace_back().SETBOX(NEWWORLD3, GLVECTOR(0, 0, 0), GLVECTOR(0, 0, 0), GLVECTOR(15, 0.25f, 15), 0);
    NEWBOX3.emplace_back().SETBOX(NEWWORLD3, GLVECTOR(-8, 9, 0), GLVECTOR(0, 0, 0), GLVECTOR(1, 0.25f, 1), 0);
    for (int row = 0; row <= 10; ++row)
        for (int column = 0; column <= 10 - row; ++column) {
            BOXPOS3 = PHY_CREATEPYRAMIDBLOCKS(4, 6, -2, 0, 0.7f, 0.7f, 0.0025f, 0, row, column, 0, 10, 10);
            NEWBOX3.emplace_back().SETBOX(NEWWORLD3, BOXPOS3, GLVECTOR(0, 0, 0), GLVECTOR(0.7f, 0.7f, 0.7f), 5);
        }
    NEWCYLINDER3.emplace_back().SETCYLINDER(NEWWORLD3, GLVECTOR(-8, 10, 0), GLVECTOR(0, 0, 0), 0.5f, 2.5f, 10, 25);
}

void VIEWIMPACT() {
    if (SETGLKEY('R')) INITIMPACT();
    STARTTICKFRAME();
    STEPSCENE(NEWWORLD3, TICKSCALEDSTEP(5000, 1000));
    glTranslatef(-10, 0, 10);
    for (const Push& push : kPushes)
        if (SETGLKEY(push.key) && SCENEADVANCES())
            for (const PHY_Cylinder& cylinder : NEWCYLINDER3)
                PHY_ADDIMPULSE(cylinder.NEWBODY, GLVECTOR(push.strength, 0, 0));
    SCENEMATERIAL(192, 192, 192);
    for (std::size_t i = 0; i < 2 && i < NEWBOX3.size(); ++i) NEWBOX3[i].DRAW();
    SCENEMATERIAL(188, 250, 192);
    DRAWALL(NEWBOX3, 2);
    SCENEMATERIAL(255, 196, 136);
    DRAWALL(NEWCYLINDER3);
    SCENEMATERIAL(255, 255, 255);
    DEBUGSCENE(NEWWORLD3);
    ENDTICKFRAME();
}

namespace {
const SceneRegistration rigidImpactRow({203, "&CorpiRigidi", "Impatto",
                                        SCENEHELP({"Semplice dimostrazione d impatto tra oggetti"},
                                                  {"(1-4) Forza applicata all oggetto"}),
                                        INITIMPACT, VIEWIMPACT, &NEWWORLD3});
}  // namespace
