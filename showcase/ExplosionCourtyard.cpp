// "Esplosione": a walled courtyard and a brick tower beside it, blown apart
// from the middle of the courtyard in four ways.
#include "KEVA_Physics/PhyExplosion.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/Bricks.h"
#include "showcase/ExplosionScenes.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLD8 = nullptr;
std::vector<PHY_Box> NEWBOX8;
PHY_Bullet BULLET8[11];

namespace {

// Keys "1" to "3": a push away from a point in the courtyard on every frame
// the key is held, reaching further with each key.
struct Blast {
    char key;
    TGLVector origin;
    float radius;
};
const Blast kBlasts[] = {
    {'1', {-8, 0.6f, -1}, 170},
    {'2', {-8, 0.6f, -1}, 190},
    {'3', {-8, 4, -1}, 210},
};
constexpr float kBlastStrength = 28;

void blow() {
    for (const Blast& blast : kBlasts)
        if (SETGLKEY(blast.key) && SCENEADVANCES())
            for (std::size_t i = 1; i < NEWBOX8.size(); ++i)
                PHY_ADDEXPLOSION(NEWWORLD8, NEWBOX8[i].NEWBODY, blast.origin, kBlastStrength, blast.radius);
    // Key "4": the blast field, on while the key is held.
    const bool blasting = SETGLKEY('4');
    for (std::size_t i = 1; i < NEWBOX8.size(); ++i)
        PHY_ADDREALEXPLOSION(NEWBOX8[i].NEWBODY, GLVECTOR(-8, 0.6f, -1), 5, 13.5f, 0, blasting);
}

}  // namespace

void INITEXPLOSION() {
    OPENSCENE(NEWWORLD8, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOX8.clear();

    NEWBOX8.emplace_back().SETBOX(NEWWORLD8, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(30, 1, 30), 0);
    SETSTANDARDBRICKS();
    // Back, front, right and left walls of the courtyard.
    ADDBRICKWALL(NEWWORLD8, NEWBOX8, {CourseAxis::X, -21, -12, 1, 12}, {CourseAxis::X, -21, -12, 0, 12}, 6, 10);
    ADDBRICKWALL(NEWWORLD8, NEWBOX8, {CourseAxis::X, -20, 10, 0, 12}, {CourseAxis::X, -20, 10, 0, 11}, 6, 10);
    ADDBRICKWALL(NEWWORLD8, NEWBOX8, {CourseAxis::Z, -13.6f, 4.8f, 1, 11}, {CourseAxis::Z, -13.6f, 4.8f, 1, 11}, 6, 10);
    ADDBRICKWALL(NEWWORLD8, NEWBOX8, {CourseAxis::Z, -13.6f, -20.6f, 1, 11}, {CourseAxis::Z, -13.6f, -20.6f, 1, 11}, 6,
                 10);
    ADDBRICKTOWER(NEWWORLD8, NEWBOX8, 16.6f, -10.6f, 11, 10);
}

void VIEWEXPLOSION() {
    if (SETGLKEY('R')) INITEXPLOSION();
    STEPSCENE(NEWWORLD8, 0.012f);
    blow();
    SCENEMATERIAL(238, 210, 215);
    DRAWALL(NEWBOX8, 1);
    if (!NEWBOX8.empty()) DRAWFLOOR(NEWBOX8[0]);
    BULLET8[0].CREATEBULLET(NEWWORLD8, 15, 4.5f, 1, 1.5f, 80, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLD8);
}

namespace {
const SceneRegistration explosionCourtyardRow({209, "&CorpiRigidi", "Esplosione",
                                               SCENEHELP({"Esempio di esplosione"},
                                                         {"(1-4) Tipo esplosione", "(A) Spara sfera"}),
                                               INITEXPLOSION, VIEWEXPLOSION, &NEWWORLD8});
}  // namespace
