// "Esplosioni": two brick walls, a brick tower and three box pyramids, blown
// back all at once or one pyramid at a time.
#include "KEVA_Physics/PhyBlockPlacement.h"
#include "KEVA_Physics/PhyExplosion.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/Bricks.h"
#include "showcase/ExplosionScenes.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLD9 = nullptr;
std::vector<PHY_Box> NEWBOX9;
TGLVector BOXPOS9;
PHY_Bullet BULLET9[11];

namespace {

// The pyramids stand at these x; each blast goes off behind one of them.
const float kPyramidX[] = {-21, 0, 21};

// Key "1": one push away from behind every pyramid on each frame it is held.
void blowAll() {
    for (float x : kPyramidX)
        for (std::size_t i = 1; i < NEWBOX9.size(); ++i)
            PHY_ADDEXPLOSION(NEWWORLD9, NEWBOX9[i].NEWBODY, GLVECTOR(x, 0, 26), 28, 210);
}

// Keys "2" to "4": the spinning blast field behind one pyramid. It stays on
// after the key is released.
void blowOne(float x) {
    for (std::size_t i = 1; i < NEWBOX9.size(); ++i)
        PHY_ADDREALEXPLOSION(NEWBOX9[i].NEWBODY, GLVECTOR(x, 0, 30), 10, 13.5f, 3, true);
}

}  // namespace

void INITMULTIEXPLOSION() {
    OPENSCENE(NEWWORLD9, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOX9.clear();

    NEWBOX9.emplace_back().SETBOX(NEWWORLD9, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(30, 1, 30), 0);
    SETSTANDARDBRICKS();
    ADDBRICKWALL(NEWWORLD9, NEWBOX9, {CourseAxis::X, -20, -7, 0, 14}, {CourseAxis::X, -20, -7, 0, 14}, 6, 10);
    ADDBRICKWALL(NEWWORLD9, NEWBOX9, {CourseAxis::Z, -30.6f, -20.6f, 1, 11}, {CourseAxis::Z, -30.6f, -20.6f, 1, 11}, 6,
                 10);
    ADDBRICKTOWER(NEWWORLD9, NEWBOX9, 16.6f, -7.6f, 11, 10);
    for (float x : kPyramidX)
        for (int layer = 0; layer <= 6; ++layer)
            for (int column = 0; column <= 5 - layer; ++column)
                for (int row = 0; row <= 5 - layer; ++row) {
                    BOXPOS9 =
                        PHY_CREATEPYRAMIDBLOCKS(x, 2, 22, 0.85f, 0.425f, 0.85f, 0.0025f, row, layer, column, 10, 3, 10);
                    NEWBOX9.emplace_back().SETBOX(NEWWORLD9, BOXPOS9, GLVECTOR(0, 0, 0), GLVECTOR(0.85f, 0.425f, 0.85f),
                                                  15);
                }
}

void VIEWMULTIEXPLOSION() {
    if (SETGLKEY('R')) INITMULTIEXPLOSION();
    STEPSCENE(NEWWORLD9, 0.012f);
    if (SETGLKEY('1') && SCENEADVANCES()) blowAll();
    for (int k = 0; k < 3; ++k)
        if (SETGLKEY('2' + k)) blowOne(kPyramidX[k]);
    SCENEMATERIAL(238, 210, 215);
    DRAWALL(NEWBOX9, 1);
    if (!NEWBOX9.empty()) DRAWFLOOR(NEWBOX9[0]);
    BULLET9[0].CREATEBULLET(NEWWORLD9, 15, 4.5f, 2, 1.5f, 100, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLD9);
}

namespace {
const SceneRegistration explosionMultiRow({210, "&CorpiRigidi", "Esplosioni",
                                           SCENEHELP({"Esempio di esplosioni multiple."},
                                                     {"(1) Esplosione multipla", "(2-4) Selezione esplosione",
                                                      "(A) Spara sfera"}),
                                           INITMULTIEXPLOSION, VIEWMULTIEXPLOSION, &NEWWORLD9});
}  // namespace
