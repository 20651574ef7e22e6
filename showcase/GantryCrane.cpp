// "Gru 1": a bridge slides along three rails ("W"/"E"), a trolley slides
// along the bridge ("Z"/"X") and a hook hangs from the trolley on a rope.
#include "showcase/GantryCrane.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyJoints.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"

#include <algorithm>

NewtonWorld* NEWWORLDCR1 = nullptr;
std::vector<PHY_Box> NEWBOXCR1;
std::vector<PHY_Cylinder> NEWCYLINDERCR1;
std::vector<PHY_Hair> NEWROPE;
TGLVector BOXPOSCR1;
PHY_Bullet BULLETCR1[11];

namespace {

constexpr std::size_t BRIDGE = 15, HOOK = 16;  // in NEWBOXCR1
constexpr std::size_t TROLLEY = 5;             // in NEWCYLINDERCR1
constexpr float TROLLEYREACH = 12;             // the trolley's end stops, either side of the origin

const TGLVector UPRIGHT = GLVECTOR(0, 0, 0);
const TGLVector ALONGZ = GLVECTOR(0, 90, 0);  // a cylinder (along x) turned along z

void addStaticBox(const TGLVector& pos, const TGLVector& size) {
    NEWBOXCR1.emplace_back().SETBOX(NEWWORLDCR1, pos, UPRIGHT, size, 0);
}

// The floor and the gantry's frame: a foot, a leg and a corner block at each
// of the four corners, and a beam across each end.
void buildFrame() {
    addStaticBox(GLVECTOR(0, -0.75f, 0), GLVECTOR(35, 1, 35));
    const float corners[4][2] = {{-12, -22}, {12, -22}, {-12, 22}, {12, 22}};
    for (const auto& c : corners) addStaticBox(GLVECTOR(c[0], 0.75f, c[1]), GLVECTOR(1.6f, 0.5f, 1.6f));
    for (const auto& c : corners) addStaticBox(GLVECTOR(c[0], 11.75f, c[1]), GLVECTOR(1.2f, 12, 1.2f));
    for (const auto& c : corners) addStaticBox(GLVECTOR(c[0], 24.25f, c[1]), GLVECTOR(1.6f, 1.6f, 1.6f));
    for (float z : {-22.0f, 22.0f}) addStaticBox(GLVECTOR(0, 24.25f, z), GLVECTOR(11, 1.2f, 1.2f));
}

const NewtonBody* bridge() { return NEWBOXCR1[BRIDGE].NEWBODY; }
const NewtonBody* trolley() { return NEWCYLINDERCR1[TROLLEY].NEWBODY; }

// Keeps the trolley between its end stops. One that is past a stop, or at it
// and driven on outwards, halts there, so a trolley held against a stop rests.
void stopTrolleyAtTheEnds() {
    TGLBaseMatrix m{};
    NewtonBodyGetMatrix(trolley(), m.data());
    TGLVector v{};
    NewtonBodyGetVelocity(trolley(), &v.X);
    const float low = BOXPOSCR1.X - TROLLEYREACH, high = BOXPOSCR1.X + TROLLEYREACH;
    const float x = m[12];
    const bool atLow = x < low || (x == low && v.X < 0);
    const bool atHigh = x > high || (x == high && v.X > 0);
    if (!atLow && !atHigh) return;
    m[12] = std::clamp(x, low, high);
    PHY_STOPVELOCITY(trolley());
    NewtonBodySetMatrix(trolley(), m.data());
}

// Without "Z" or "X" the trolley does not run along the bridge; it still
// swings with it.
void holdTrolleyUnlessDriven() {
    if (SETGLKEY('Z') || SETGLKEY('X')) return;
    TGLVector v{};
    NewtonBodyGetVelocity(trolley(), &v.X);
    v.X = 0;
    NewtonBodySetVelocity(trolley(), &v.X);
}

void driveKeys() {
    if (SETGLKEY('W')) PHY_ADDVELOCITY(bridge(), GLVECTOR(0, 0, -1));
    if (SETGLKEY('E')) PHY_ADDVELOCITY(bridge(), GLVECTOR(0, 0, 1));
    if (SETGLKEY('Z')) PHY_ADDVELOCITY(trolley(), GLVECTOR(-1, 0, 0));
    if (SETGLKEY('X')) PHY_ADDVELOCITY(trolley(), GLVECTOR(1, 0, 0));
}

}  // namespace

void INITCRANE() {
    OPENSCENE(NEWWORLDCR1, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    BOXPOSCR1 = GLVECTOR(0, 0, 0);
    NEWBOXCR1.clear();
    NEWCYLINDERCR1.clear();
    NEWROPE.clear();
    buildFrame();
    for (float x : {-12.0f, 0.0f, 12.0f})
        NEWCYLINDERCR1.emplace_back().SETCYLINDER(NEWWORLDCR1, GLVECTOR(x, 24.25f, 0), ALONGZ, 0.8f, 44, 20, 0);
    NEWBOXCR1.emplace_back().SETBOX(NEWWORLDCR1, GLVECTOR(0, 24.25f, 0), UPRIGHT, GLVECTOR(13.6f, 1.4f, 1), 10);
    for (float x : {-13.4f, 13.4f})
        NEWCYLINDERCR1.emplace_back().SETCYLINDER(NEWWORLDCR1, GLVECTOR(x, 22.75f, 0), UPRIGHT, 1, 0.25f, 20, 1.6f);
    NEWCYLINDERCR1.emplace_back().SETCYLINDER(NEWWORLDCR1, GLVECTOR(0, 22.15f, 0), ALONGZ, 1, 0.8f, 20, 1.6f);
    PHY_Hair& rope = NEWROPE.emplace_back();
    rope.SETHAIR(NEWWORLDCR1, GLVECTOR(0, 21.25f, 0), GLVECTOR(0, -1, 0), 0.7f, 16, 0.4f, 16);
    NEWBOXCR1.emplace_back().SETBOX(NEWWORLDCR1, GLVECTOR(0, 5.25f, 0), UPRIGHT, GLVECTOR(0.5f, 0.5f, 0.5f), 18);

    // The bridge rides the rails and carries its wheels; the trolley rides the
    // bridge and holds the rope, which holds the hook.
    NewtonBodySetLinearDamping(bridge(), 0.8f);
    for (std::size_t rail = 0; rail < 3; ++rail)
        PHY_ADDJOINTSLIDER(NEWWORLDCR1, NEWCYLINDERCR1[rail].NEWBODY, bridge(),
                           GLVECTOR(12 * static_cast<float>(rail) - 12, 24.25f, 0), GLVECTOR(0, 0, 1));
    for (std::size_t wheel : {3, 4})
        PHY_ADDJOINTHINGE(NEWWORLDCR1, bridge(), NEWCYLINDERCR1[wheel].NEWBODY,
                          GLVECTOR(wheel == 3 ? -13.4f : 13.4f, 22.75f, 0), GLVECTOR(1, 0, 0));
    NewtonBodySetLinearDamping(trolley(), 0.8f);
    PHY_ADDJOINTSLIDER(NEWWORLDCR1, bridge(), trolley(), GLVECTOR(0, 22.15f, 0), GLVECTOR(1, 0, 0));
    rope.ATTACHHAIR(trolley());
    rope.ATTACHTOHAIR(NEWBOXCR1[HOOK].NEWBODY, false);
}

void VIEWCRANE() {
    if (SETGLKEY('R')) INITCRANE();
    STEPSCENE(NEWWORLDCR1, 0.012f);
    // Feet, corner blocks, bridge and hook darker; legs, end beams, rails,
    // wheels and trolley lighter.
    SCENEMATERIAL(150, 150, 150);
    for (std::size_t k : {1, 2, 3, 4, 9, 10, 11, 12, 15, 16}) NEWBOXCR1[k].DRAW();
    SCENEMATERIAL(180, 180, 180);
    for (std::size_t k : {5, 6, 7, 8, 13, 14}) NEWBOXCR1[k].DRAW();
    DRAWALL(NEWCYLINDERCR1);
    SCENEMATERIAL(70, 70, 70);
    DRAWALL(NEWROPE);
    DRAWFLOOR(NEWBOXCR1[0]);
    SCENEMATERIAL(255, 255, 255);

    holdTrolleyUnlessDriven();
    if (SCENEADVANCES()) driveKeys();
    stopTrolleyAtTheEnds();
    BULLETCR1[0].CREATEBULLET(NEWWORLDCR1, 15, 4.5f, 2, 1.5f, 0.5f, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLDCR1);
}

namespace {
const SceneRegistration gantryCraneRow({400, "&Meccanismi", "Gru 1",
                                        SCENEHELP({"Esempio di una gru mecchanica", "per carico merci."},
                                                  {"(W/E) Movimento sbarra", "(Z/X) Movimento cavo con gancio"}),
                                        INITCRANE, VIEWCRANE, &NEWWORLDCR1});
}  // namespace
