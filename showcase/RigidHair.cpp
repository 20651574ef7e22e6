// "Capelli": fifteen hairs hanging from a head.
#include "KEVA_Physics/PhyHair.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

#include <vector>

NewtonWorld* NEWWORLD2 = nullptr;
std::vector<PHY_Box> NEWBOX2;
std::vector<PHY_Sphere> NEWSPHERE2;
std::vector<PHY_Hair> HAIR;

void INITHAIR() {
    OPENSCENE(NEWWORLD2, PHY_INITWORLD(60), SceneClock::FIXEDSTEP, GLVECTOR(600, 600, 600));
    NEWBOX2.clear();
    NEWSPHERE2.clear();
    HAIR.clear();
    NEWBOX2.emplace_back().SETBOX(NEWWORLD2, GLVECTOR(-2, -1, 0), GLVECTOR(0, 0, 0), GLVECTOR(10, 0.25, 10), 0);
    PHY_Sphere& head = NEWSPHERE2.emplace_back();
    head.SETSPHERE(NEWWORLD2, GLVECTOR(0, 15, 0), GLVECTOR(0, 0, 0), GLVECTOR(4, 4, 4), 20, 0);
    for (int k = 0; k <= 14; ++k) {
        PHY_Hair& hair = HAIR.emplace_back();
        hair.SETHAIR(NEWWORLD2, GLVECTOR(-1.4 + 0.2 * k, 15.5, 4), GLVECTOR(0, 0, 1), 0.45f, 14, 5, 10);
        hair.ATTACHHAIR(head.NEWBODY);
    }
}

void VIEWHAIR() {
    if (SETGLKEY('R')) INITHAIR();
    STEPSCENE(NEWWORLD2, 12000);
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(NEWBOX2);
    SCENEMATERIAL(248, 240, 105);
    DRAWALL(HAIR);
    SCENEMATERIAL(238, 210, 215);
    DRAWALL(NEWSPHERE2);
    DEBUGSCENE(NEWWORLD2);
}

namespace {
const SceneRegistration rigidHairRow({202, "&CorpiRigidi", "Capelli", SCENEHELP({"Simulazione di cappelli"}, {}),
                                      INITHAIR, VIEWHAIR, &NEWWORLD2});
}  // namespace
