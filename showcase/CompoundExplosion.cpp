// "Esplosione" of the compound objects: two trees, three rockets and ten small
// pins that "Z" blows up from below the floor's middle, spinning.
#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyExplosion.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/CompoundScenes.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDCMP4 = nullptr;
std::vector<PHY_Box> NEWBOXCMP4;
PHY_CompoundTree TREECMP4[51];
PHY_CompoundRocket ROCKETCMP4[51];
std::vector<PHY_CompoundBirillo> BIRILLOCMP4;
TGLVector POSCMP4;
TGLVector EXPPOS;
PHY_Bullet BULLETCMP4[11];

namespace {

// Every frame: the blast field (acting while "Z" is held) on one body, and a
// random spin while it acts and the world runs.
void blast(const NewtonBody* body, bool active, std::int32_t spin) {
    PHY_ADDREALEXPLOSION(body, EXPPOS, 4, 16, 1, active);
    if (active && SCENEADVANCES()) PHY_SETRNDORIENTBODY(body, spin, 0, spin);
}

}  // namespace

void INITCOMPOUNDEXPLOSION() {
    // The objects of the last build belong to the world about to be destroyed.
    DELETEALL(TREECMP4);
    DELETEALL(ROCKETCMP4);
    DELETEALL(BIRILLOCMP4);
    OPENSCENE(NEWWORLDCMP4, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOXCMP4.clear();
    ADDCOMPOUNDFLOOR(NEWWORLDCMP4, NEWBOXCMP4);
    const TGLVector upright = GLVECTOR(0, 0, 0);
    TREECMP4[0].SETTREE1(NEWWORLDCMP4, GLVECTOR(-18, 0, 0), upright, 1, 20, 22.5f);
    TREECMP4[1].SETTREE1(NEWWORLDCMP4, GLVECTOR(0, 0, -12), upright, 1.4f, 20, 30);
    for (int k = 0; k < 3; ++k)
        ROCKETCMP4[k].SETROCKET(NEWWORLDCMP4, GLVECTOR(8 * static_cast<float>(k) - 8, 0, 0), upright, 0.45f, 12, 45);
    ADDPINTRIANGLE(NEWWORLDCMP4, BIRILLOCMP4, POSCMP4, -1, 7, 0.5f, 0.2f, 5);
}

void VIEWCOMPOUNDEXPLOSION() {
    if (SETGLKEY('R')) INITCOMPOUNDEXPLOSION();
    STEPSCENE(NEWWORLDCMP4, 0.012f);
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(NEWBOXCMP4);
    for (int k = 0; k < 2; ++k) TREECMP4[k].DRAW();
    for (int k = 0; k < 3; ++k) ROCKETCMP4[k].DRAW();
    DRAWALL(BIRILLOCMP4);

    EXPPOS = GLVECTOR(0, -2, -3);
    const bool active = SETGLKEY('Z');
    for (int k = 0; k < 2; ++k) blast(TREECMP4[k].TREE.NEWBODY, active, 15);
    for (int k = 0; k < 3; ++k) blast(ROCKETCMP4[k].ROCKET.NEWBODY, active, 15);
    // Only the pins of this build: the hidden ones held bodies of destroyed worlds.
    for (const PHY_CompoundBirillo& pin : BIRILLOCMP4)
        if (pin.DELLIST) blast(pin.BIRILLO.NEWBODY, active, 30);

    SCENEMATERIAL(255, 255, 255);
    BULLETCMP4[0].CREATEBULLET(NEWWORLDCMP4, 15, 4.5f, 1.5f, 1.5f, 0.5f, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLDCMP4);
}

namespace {
const SceneRegistration compoundExplosionRow({303, "&CorpiComposti", "Esplosione",
                                              SCENEHELP({"Esempio di esplosione con alcuni", "modelli composti."},
                                                        {"(A) Spara sfera", "(Z) Esplosione"}),
                                              INITCOMPOUNDEXPLOSION, VIEWCOMPOUNDEXPLOSION, &NEWWORLDCMP4});
}  // namespace
