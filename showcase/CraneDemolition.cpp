// "Gru 2": a demolition crane beside a brick wall and a brick tower. The arm
// turns on the mast, a trolley slides along the arm and a heavy ball swings
// from it on a rope.
#include "showcase/CraneDemolition.h"

#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyJoints.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/Bricks.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDCR2 = nullptr;
std::vector<PHY_Box> NEWBOXCR2;
std::vector<PHY_CustomFaceBox> CUSTOMBOXCR2;
std::vector<PHY_Cylinder> NEWCYLINDERCR2;
std::vector<PHY_CustomFaceCylinder> CUSTOMCYLINDERCR2;
std::vector<PHY_Sphere> NEWSPHERECR2;
std::vector<PHY_Hair> NEWROPE2;
TGLVector BOXPOSCR2;
PHY_Bullet BULLETCR2[11];

namespace {

const NewtonBody* arm() { return CUSTOMBOXCR2[0].CONVEXHULL.NEWBODY; }
const NewtonBody* trolley() { return NEWCYLINDERCR2[0].NEWBODY; }

TGLBaseMatrix matrixOf(const NewtonBody* body) {
    TGLBaseMatrix m{};
    NewtonBodyGetMatrix(body, m.data());
    return m;
}

// The arm's z axis in world space: along the arm, from the far end to the back.
TGLVector armAxis(const TGLBaseMatrix& a) { return GLVECTOR(a[8], a[9], a[10]); }

// The trolley stops at the far end of the arm wherever the arm points: its
// place is held there and it stops travelling outwards along the arm.
void holdTrolleyOnArm() {
    const TGLBaseMatrix a = matrixOf(arm());
    TGLBaseMatrix t = matrixOf(trolley());
    const TGLVector axis = armAxis(a);
    const TGLVector offset = GLVECTOR(t[12] - a[12], t[13] - a[13], t[14] - a[14]);
    const float along = offset.X * axis.X + offset.Y * axis.Y + offset.Z * axis.Z;
    if (along >= TROLLEYSTOPCR2) return;
    const float back = TROLLEYSTOPCR2 - along;
    t[12] += axis.X * back;
    t[13] += axis.Y * back;
    t[14] += axis.Z * back;
    NewtonBodySetMatrix(trolley(), t.data());
    TGLVector v;
    NewtonBodyGetVelocity(trolley(), &v.X);
    const float outwards = v.X * axis.X + v.Y * axis.Y + v.Z * axis.Z;
    if (outwards < 0) {
        v = GLVECTOR(v.X - axis.X * outwards, v.Y - axis.Y * outwards, v.Z - axis.Z * outwards);
        NewtonBodySetVelocity(trolley(), &v.X);
    }
}

void driveCrane() {
    const bool turnLeft = SETGLKEY('W'), turnRight = SETGLKEY('E');
    const bool pull = SETGLKEY('Z'), push = SETGLKEY('X');
    if (!turnLeft && !turnRight && !pull && !push) PHY_STOPVELOCITY(trolley());
    if (turnLeft) PHY_ADDOMEGA(arm(), GLVECTOR(0, 0.2f, 0));
    if (turnRight) PHY_ADDOMEGA(arm(), GLVECTOR(0, -0.2f, 0));
    if (pull) PHY_ADDVELOCITY(trolley(), GLVECTOR(0, 0, -1));
    if (push) PHY_ADDVELOCITY(trolley(), GLVECTOR(0, 0, 1));
}

}  // namespace

void INITCRANE2() {
    OPENSCENE(NEWWORLDCR2, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOXCR2.clear();
    CUSTOMBOXCR2.clear();
    NEWCYLINDERCR2.clear();
    CUSTOMCYLINDERCR2.clear();
    NEWSPHERECR2.clear();
    NEWROPE2.clear();
    BOXPOSCR2 = GLVECTOR(0, 0, 14);
    NewtonWorld* world = NEWWORLDCR2;

    const TGLVector still = GLVECTOR(0, 0, 0);
    NEWBOXCR2.emplace_back().SETBOX(world, GLVECTOR(0, -0.75f, 0), still, GLVECTOR(35, 1, 35), 0);
    NEWBOXCR2.emplace_back().SETBOX(world, GLVECTOR(0, 1.25f, 14), still, GLVECTOR(4, 1, 4), 0);
    NEWBOXCR2.emplace_back().SETBOX(world, GLVECTOR(0, 11.75f, 14), still, GLVECTOR(1.2f, 12, 1.2f), 0);
    CUSTOMBOXCR2.emplace_back().SETCUSTOMFACECUBE(world, GLVECTOR(0, 25, 14), still, GLVECTOR(-1.2f, -1.2f, -24),
                                                  GLVECTOR(1.2f, 1.2f, 12), 150);
    NEWCYLINDERCR2.emplace_back().SETCYLINDER(world, GLVECTOR(0, 23.8f, 2), still, 1, 0.8f, 20, 48);
    NEWROPE2.emplace_back().SETHAIR(world, GLVECTOR(0, 22.45f, 2), GLVECTOR(0, -1, 0), 0.7f, 16, 12, 16);
    NEWSPHERECR2.emplace_back().SETSPHERE(world, GLVECTOR(0, 6.45f, 2), still, GLVECTOR(1, 1, 1), 20, 540);
    PHY_ADDJOINTHINGE(world, NEWBOXCR2[2].NEWBODY, arm(), GLVECTOR(0, 25, 14), GLVECTOR(0, 1, 0));
    PHY_ADDJOINTSLIDER(world, arm(), trolley(), GLVECTOR(0, 23.8f, 2), GLVECTOR(0, 0, 1));
    NEWROPE2[0].ATTACHHAIR(trolley());
    NEWROPE2[0].ATTACHTOHAIR(NEWSPHERECR2[0].NEWBODY, false);

    SETSTANDARDBRICKS();
    ADDBRICKWALL(world, NEWBOXCR2, {CourseAxis::X, -26, -7, 0, 25}, {CourseAxis::X, -26, -7, 0, 24}, 6, 10);
    ADDBRICKTOWER(world, NEWBOXCR2, 0, -16.6f, 6, 10);
    CUSTOMCYLINDERCR2.emplace_back().SETCUSTOMFACECYLINDER(world, GLVECTOR(-3, 4, -5), GLVECTOR(75, 0, 0), 0.5f, 8, 8,
                                                           25);
}

void VIEWCRANE2() {
    if (SETGLKEY('R')) INITCRANE2();
    STEPSCENE(NEWWORLDCR2, 0.012f);
    SCENEMATERIAL(150, 150, 150);
    for (std::size_t i = 1; i < 3 && i < NEWBOXCR2.size(); ++i) NEWBOXCR2[i].DRAW();
    DRAWALL(CUSTOMBOXCR2);
    SCENEMATERIAL(238, 210, 215);
    DRAWALL(NEWBOXCR2, 3);
    SCENEMATERIAL(180, 180, 180);
    DRAWALL(NEWCYLINDERCR2);
    DRAWALL(CUSTOMCYLINDERCR2);
    SCENEMATERIAL(214, 232, 252);
    DRAWALL(NEWSPHERECR2);
    SCENEMATERIAL(70, 70, 70);
    DRAWALL(NEWROPE2);
    if (!NEWBOXCR2.empty()) DRAWFLOOR(NEWBOXCR2[0]);
    SCENEMATERIAL(255, 255, 255);
    if (!CUSTOMBOXCR2.empty()) {
        holdTrolleyOnArm();
        if (SCENEADVANCES()) driveCrane();
    }
    BULLETCR2[0].CREATEBULLET(NEWWORLDCR2, 15, 4.5f, 2, 1.5f, 0.5f, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLDCR2);
}

namespace {
const SceneRegistration craneDemolitionRow({401, "&Meccanismi", "Gru 2",
                                            SCENEHELP({"Esempio di una gru mecchanica", "per demolizione."},
                                                      {"(A) Spara sfera", "(W/E) ruota braccio",
                                                       "(Z/X) Movimento cavo sfera"}),
                                            INITCRANE2, VIEWCRANE2, &NEWWORLDCR2});
}  // namespace
