// "Acqua e aria": a brick wall and two round brick towers standing in a pool
// of water under a layer of air; shot spheres float too.
#include "showcase/FluidScene.h"

#include "KEVA_Physics/PhyGravity.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/Bricks.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDFLU1 = nullptr;
std::vector<PHY_Box> NEWBOXFLU1;
std::vector<PHY_Fluid> FLUID1;
PHY_Bullet BULLETFLU1[11];

namespace {

// The pool reaches from y = -1 to 12 and the air above it to 25, both 70 wide.
const TGLVector kWaterOrigin = GLVECTOR(0, 0, 0);
const TGLVector kAirOrigin = GLVECTOR(0, 13, 0);
const TGLVector kRegionLow = GLVECTOR(-35, -1, -35);
const TGLVector kRegionHigh = GLVECTOR(35, 12, 35);

}  // namespace

void PHY_CREATECUBICFLUID(const NewtonBody* body, dFloat timestep, int threadIndex) {
    FLUID1.resize(2);
    if (FLUID1[0].CREATECUBICFLUID(body, kWaterOrigin, kRegionLow, kRegionHigh, 1.5f, 0.8f)) return;
    if (FLUID1[1].CREATECUBICAIRFLUID(body, kAirOrigin, kRegionLow, kRegionHigh)) return;
    PHY_GETGRAVITYFORCE(body, timestep, threadIndex);
}

void INITFLUID() {
    OPENSCENE(NEWWORLDFLU1, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOXFLU1.clear();
    NEWBOXFLU1.emplace_back().SETBOX(NEWWORLDFLU1, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(55, 1, 55), 0);

    SIZE8 = GLVECTOR(1, 0.5f, SIZE8.Z);
    DIST8 = 0.01f;
    // The wall at z = -7: 26 bricks on the even courses, 25 on the odd ones, 14 courses.
    ADDBRICKWALL(NEWWORLDFLU1, NEWBOXFLU1, {CourseAxis::X, -26, -7, 0, 25}, {CourseAxis::X, -26, -7, 0, 24}, 7, 10);
    NUM8 = 19;
    R8 = 19.0f / 3 + 1.0f / 3;
    ADDBRICKTOWER(NEWWORLDFLU1, NEWBOXFLU1, 0, -10.6f - 6, 11, 10);    // behind the wall, 22 courses
    ADDBRICKTOWER(NEWWORLDFLU1, NEWBOXFLU1, 0, -10.6f + 27, 6, 0.5f);  // in front of it, 12 light courses

    for (const PHY_Box& box : NEWBOXFLU1) NewtonBodySetForceAndTorqueCallback(box.NEWBODY, PHY_CREATECUBICFLUID);
}

void VIEWFLUID() {
    if (SETGLKEY('R')) INITFLUID();
    STEPSCENE(NEWWORLDFLU1, 0.012f);
    SCENEMATERIAL(238, 210, 215);
    DRAWALL(NEWBOXFLU1, 1);
    if (!NEWBOXFLU1.empty()) DRAWFLOOR(NEWBOXFLU1[0]);
    for (const PHY_Fluid& fluid : FLUID1) fluid.DRAW();
    BULLETFLU1[0].CREATEBULLET(NEWWORLDFLU1, 15, 4.5f, 2, 1.5f, 0.5f, SETGLKEY('A'));
    // After the launcher has hidden the spheres of worlds a rebuild destroyed:
    // the shown ones, of this world, float too.
    for (const PHY_Sphere& sphere : BULLETFLU1[0].SPHERE)
        if (sphere.DELLIST) NewtonBodySetForceAndTorqueCallback(sphere.NEWBODY, PHY_CREATECUBICFLUID);
    DEBUGSCENE(NEWWORLDFLU1);
}

namespace {
const SceneRegistration fluidSceneRow({500, "&Fluidi", "Acqua e aria",
                                       SCENEHELP({"Esempio che mostra dei corpi immersi",
                                                  "in due fluidi differenti come acqua ed", "aria."},
                                                 {"(A) Spara sfera"}),
                                       INITFLUID, VIEWFLUID, &NEWWORLDFLU1});
}  // namespace
