// "Giunti": a bridge of four hinged planks between two pads, a chain of seven
// rods hanging by ball joints from a block, and a ball turning on a tilted axle.
#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyJoints.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"
#include "showcase/SphereLauncher.h"

#include <vector>

NewtonWorld* NEWWORLD1 = nullptr;
std::vector<PHY_Box> NEWBOX1;
std::vector<PHY_Cylinder> NEWCYLINDER1;
std::vector<PHY_Sphere> NEWSPHERE1;
PHY_Bullet BULLET1[11];

namespace {

const NewtonBody* box(int i) { return NEWBOX1[static_cast<std::size_t>(i)].NEWBODY; }
const NewtonBody* rod(int i) { return NEWCYLINDER1[static_cast<std::size_t>(i)].NEWBODY; }

void buildBridge() {
    NEWBOX1.emplace_back().SETBOX(NEWWORLD1, GLVECTOR(-12, 12, 0), GLVECTOR(0, 0, 0), GLVECTOR(2, 0.25f, 2), 0);
    for (int i = 2; i <= 5; ++i) {
        PHY_Box& plank = NEWBOX1.emplace_back();
        plank.SETBOX(NEWWORLD1, GLVECTOR((i - 1) * 4.1f - 12, 12, 0), GLVECTOR(0, 0, 0), GLVECTOR(2, 0.25f, 2), 25);
        PHY_SETRNDORIENTBODY(plank.NEWBODY, 20, 0, 0);
    }
    NEWBOX1.emplace_back().SETBOX(NEWWORLD1, GLVECTOR(8.5f, 12, 0), GLVECTOR(0, 0, 0), GLVECTOR(2, 0.25f, 2), 0);
    const float pivots[] = {-9.9f, -5.9f, -1.9f, 2.1f, 6.1f};
    for (int i = 0; i < 5; ++i)
        PHY_ADDJOINTHINGE(NEWWORLD1, box(i + 1), box(i + 2), GLVECTOR(pivots[i], 12, 0), GLVECTOR(1, 0, 1));
}

void buildRodChain() {
    NEWBOX1.emplace_back().SETBOX(NEWWORLD1, GLVECTOR(-13, 13, 5), GLVECTOR(0, 0, 0), GLVECTOR(1, 1, 1), 0);
    for (int k = 0; k <= 6; ++k) {
        PHY_Cylinder& link = NEWCYLINDER1.emplace_back();
        link.SETCYLINDER(NEWWORLD1, GLVECTOR(-2, 0, 0), GLVECTOR(0, 0, 0), 0.25f, 2, 20, 15);
        PHY_SETBODYPOSITION(link.NEWBODY, GLVECTOR(2.0f * k - 12, 12, 5));
    }
    NEWBOX1.emplace_back().SETBOX(NEWWORLD1, GLVECTOR(1, 11, 5), GLVECTOR(0, 0, 0), GLVECTOR(1, 1, 1), 20);
    PHY_ADDJOINTBALL(NEWWORLD1, box(7), rod(0), GLVECTOR(-13, 12, 5), GLVECTOR(0, 1, 0), 0);
    for (int k = 1; k <= 6; ++k)
        PHY_ADDJOINTBALL(NEWWORLD1, rod(k - 1), rod(k), GLVECTOR(2.0f * k - 13, 12, 5), GLVECTOR(0, 1, 0), 0);
    PHY_ADDJOINTBALL(NEWWORLD1, rod(6), box(8), GLVECTOR(1, 12, 5), GLVECTOR(0, 1, 0), 0);
}

void buildWheel() {
    NEWBOX1.emplace_back().SETBOX(NEWWORLD1, GLVECTOR(0, 1.5f, -7), GLVECTOR(15, 0, 25), GLVECTOR(5, 0.25f, 3), 0);
    NEWCYLINDER1.emplace_back().SETCYLINDER(NEWWORLD1, GLVECTOR(0, 6, -7), GLVECTOR(0, 0, 90), 0.25f, 4, 20, 15);
    NEWSPHERE1.emplace_back().SETSPHERE(NEWWORLD1, GLVECTOR(0, 7.5f, -7), GLVECTOR(0, 0, 0), GLVECTOR(1.5f, 1.5f, 1.5f),
                                        20, 15);
    PHY_ADDJOINTHINGE(NEWWORLD1, rod(7), NEWSPHERE1[0].NEWBODY, GLVECTOR(0, 6, -7), GLVECTOR(0, 1, 0));
}

}  // namespace

void INITJOINT() {
    OPENSCENE(NEWWORLD1, PHY_INITWORLD(60), SceneClock::FIXEDSTEP, GLVECTOR(600, 600, 600));
    NEWBOX1.clear();
    NEWCYLINDER1.clear();
    NEWSPHERE1.clear();
    NEWBOX1.emplace_back().SETBOX(NEWWORLD1, GLVECTOR(-2, -1, 0), GLVECTOR(0, 0, 0), GLVECTOR(12, 0.25f, 12), 0);
    buildBridge();
    buildRodChain();
    buildWheel();
}

void VIEWJOINT() {
    if (SETGLKEY('R')) INITJOINT();
    STEPSCENE(NEWWORLD1, 12000);
    SCENEMATERIAL(238, 210, 215);
    for (std::size_t i = 1; i <= 8 && i < NEWBOX1.size(); ++i) NEWBOX1[i].DRAW();
    SCENEMATERIAL(255, 196, 136);
    DRAWALL(NEWCYLINDER1);
    SCENEMATERIAL(214, 232, 252);
    DRAWALL(NEWSPHERE1);
    SCENEMATERIAL(188, 250, 192);
    DRAWALL(NEWBOX1, 9);
    if (!NEWBOX1.empty()) DRAWFLOOR(NEWBOX1[0]);
    BULLET1[0].CREATEBULLET(NEWWORLD1, 15, 4.5f, 0.6f, 1.5f, 25, SETGLKEY('1'));
    BULLET1[1].CREATEBULLET(NEWWORLD1, 15, 4.5f, 0.6f, 3, 25, SETGLKEY('2'));
    DEBUGSCENE(NEWWORLD1);
}

namespace {
const SceneRegistration rigidJointsRow({201, "&CorpiRigidi", "Giunti",
                                        SCENEHELP({"Esempio di giunti vari"},
                                                  {"(1) Crea palla minore", "(2) Crea palla maggiore"}),
                                        INITJOINT, VIEWJOINT, &NEWWORLD1});
}  // namespace
