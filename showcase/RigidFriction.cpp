// "Attrito": bodies slide and roll down three zig-zag ramps onto a floor with
// a see-saw plank and two cylinders.
#include "KEVA_Physics/PhyPrimitiveBodies.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

#include <vector>

NewtonWorld* NEWWORLD = nullptr;
std::vector<PHY_Box> NEWBOX;
std::vector<PHY_Sphere> NEWSPHERE;
std::vector<PHY_Capsule> NEWCAPSULE;
std::vector<PHY_Cylinder> NEWCYLINDER;
std::vector<PHY_Cone> NEWCONE;

namespace {

struct StaticBox {
    TGLVector pos, rot, size;
};

// Three ramp levels, each a tilted plank with two side rails and a landing, and the floor.
const StaticBox kRamps[] = {
    {{4, 24, 0}, {0, 0, 30}, {5, 0.25f, 2.5f}},        {{3.5f, 24.8f, -3.5f}, {45, 0, 30}, {5, 0.25f, 1.5f}},
    {{3.5f, 24.8f, 3.5f}, {-45, 0, 30}, {5, 0.25f, 1.5f}}, {{-1.5f, 21.5f, 0}, {0, 0, 0}, {1, 0.25f, 2.5f}},
    {{-4, 18, 0}, {0, 0, -30}, {5, 0.25f, 2.5f}},      {{-3.5f, 18.8f, -3.5f}, {45, 0, -30}, {5, 0.25f, 1.5f}},
    {{-3.5f, 18.8f, 3.5f}, {-45, 0, -30}, {5, 0.25f, 1.5f}}, {{1.5f, 15.5f, 0}, {0, 0, 0}, {1, 0.25f, 2.5f}},
    {{4, 12, 0}, {0, 0, 30}, {5, 0.25f, 2.5f}},        {{3.5f, 12.8f, -3.5f}, {45, 0, 30}, {5, 0.25f, 1.5f}},
    {{3.5f, 12.8f, 3.5f}, {-45, 0, 30}, {5, 0.25f, 1.5f}}, {{-1.5f, 9.5f, 0}, {0, 0, 0}, {1, 0.25f, 2.5f}},
    {{-2, -1, 0}, {0, 0, 0}, {12, 0.25f, 12}},
};

TGLVector v(float x, float y, float z) { return GLVECTOR(x, y, z); }

}  // namespace

void INITFRICTION() {
    OPENSCENE(NEWWORLD, PHY_INITWORLDHIGHPRECISION(60), SceneClock::FIXEDSTEP, v(600, 600, 600));
    NewtonSetMinimumFrameRate(NEWWORLD, 60);
    NEWBOX.clear();
    NEWSPHERE.clear();
    NEWCAPSULE.clear();
    NEWCYLINDER.clear();
    NEWCONE.clear();

    for (const StaticBox& ramp : kRamps) NEWBOX.emplace_back().SETBOX(NEWWORLD, ramp.pos, ramp.rot, ramp.size, 0);
    NEWBOX.emplace_back().SETBOX(NEWWORLD, v(-2, 1.5f, 0), v(0, 0, -20), v(6, 0.01f, 1), 3);
    NEWCYLINDER.emplace_back().SETCYLINDER(NEWWORLD, v(-2, 1, 0), v(0, 90, 0), 0.8f, 1.5f, 20, 10);
    NEWCYLINDER.emplace_back().SETCYLINDER(NEWWORLD, v(4, 0.25f, 0), v(0, 0, 90), 1.5f, 0.5f, 20, 0.6f);
    NEWSPHERE.emplace_back().SETSPHERE(NEWWORLD, v(4, 36, 0), v(0, 0, 0), v(0.5f, 0.5f, 0.5f), 20, 15);
    NEWSPHERE.emplace_back().SETSPHERE(NEWWORLD, v(7, 36, 1), v(0, 0, 0), v(1.25f, 1.25f, 1.25f), 20, 32);
    NEWSPHERE.emplace_back().SETSPHERE(NEWWORLD, v(3, 33.8f, 1), v(0, 0, 0), v(0.8f, 0.8f, 0.8f), 20, 32);
    NEWSPHERE.emplace_back().SETSPHERE(NEWWORLD, v(7, 33.8f, -4), v(0, 0, 0), v(0.6f, 0.2f, 0.6f), 20, 10);
    NEWCONE.emplace_back().SETCONE(NEWWORLD, v(4, 37, 0), v(0, 0, 0), 0.5f, 1, 20, 10);
    NEWCYLINDER.emplace_back().SETCYLINDER(NEWWORLD, v(6, 37, 0), v(0, 90, 0), 0.5f, 1, 20, 20);
    for (int k = 0; k <= 5; ++k)
        NEWBOX.emplace_back().SETBOX(NEWWORLD, v(-1.5f, 26 + 1.1f * k, 0), v(0, 0, 0), v(0.5f, 0.5f, 0.5f), 5);
    NEWCAPSULE.emplace_back().SETCAPSULE(NEWWORLD, v(1.5f, 17, 0), v(0, 90, 0), 0.5f, 3, 20, 15);
    for (float z : {-1.15f, 0.0f, 1.15f})
        for (int k = 0; k <= 2; ++k)
            NEWCYLINDER.emplace_back().SETCYLINDER(NEWWORLD, v(-1.5f, 12 + 1.55f * k, z), v(0, 0, 90), 0.25f, 1.5f,
                                                   20, 2.5f);
}

void VIEWFRICTION() {
    if (SETGLKEY('R')) INITFRICTION();
    STEPSCENE(NEWWORLD, 0.012f);
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(NEWBOX);
    SCENEMATERIAL(238, 210, 215);
    for (std::size_t i = 14; i <= 19 && i < NEWBOX.size(); ++i) NEWBOX[i].DRAW();
    SCENEMATERIAL(203, 238, 245);
    if (NEWBOX.size() > 13) NEWBOX[13].DRAW();
    SCENEMATERIAL(214, 232, 252);
    DRAWALL(NEWSPHERE);
    SCENEMATERIAL(188, 250, 192);
    DRAWALL(NEWCAPSULE);
    SCENEMATERIAL(255, 196, 136);
    DRAWALL(NEWCYLINDER);
    SCENEMATERIAL(255, 255, 193);
    DRAWALL(NEWCONE);
    SCENEMATERIAL(255, 255, 255);
    DEBUGSCENE(NEWWORLD);
}

namespace {
const SceneRegistration rigidFrictionRow({200, "&CorpiRigidi", "Attrito",
                                          SCENEHELP({"Dimostrazione di collisoni varie."}, {}), INITFRICTION,
                                          VIEWFRICTION, &NEWWORLD});
}  // namespace
