// "Razzi": six rockets of two sizes standing on the floor, to shoot at.
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/CompoundScenes.h"
#include "showcase/HelpTexts.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDCMP1 = nullptr;
std::vector<PHY_Box> NEWBOXCMP1;
PHY_CompoundRocket ROCKETCMP1[51];
PHY_Bullet BULLETCMP1[11];

namespace {

struct RocketPlace {
    TGLVector pos;
    float size, mass;
};
// Three big ones behind, three small ones in front.
const RocketPlace ROCKETS[6] = {{GLVECTOR(-13, 0, -10), 0.75f, 75}, {GLVECTOR(0, 0, -10), 1, 100},
                                {GLVECTOR(13, 0, -10), 0.75f, 75},  {GLVECTOR(-8, 0, 0), 0.45f, 45},
                                {GLVECTOR(0, 0, 0), 0.45f, 45},     {GLVECTOR(8, 0, 0), 0.45f, 45}};

}  // namespace

void INITCOMPOUND() {
    OPENSCENE(NEWWORLDCMP1, PHY_INITWORLD(25), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOXCMP1.clear();
    ADDCOMPOUNDFLOOR(NEWWORLDCMP1, NEWBOXCMP1);
    for (int k = 0; k < 6; ++k)
        ROCKETCMP1[k].SETROCKET(NEWWORLDCMP1, ROCKETS[k].pos, GLVECTOR(0, 0, 0), ROCKETS[k].size, 12, ROCKETS[k].mass);
}

void VIEWCOMPOUND() {
    if (SETGLKEY('R')) INITCOMPOUND();
    STEPSCENE(NEWWORLDCMP1, 0.012f);
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(NEWBOXCMP1);
    for (int k = 0; k < 6; ++k) ROCKETCMP1[k].DRAW();
    BULLETCMP1[0].CREATEBULLET(NEWWORLDCMP1, 15, 4.5f, 1.5f, 1.5f, 0.5f, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLDCMP1);
}

namespace {
const SceneRegistration compoundRocketsRow(
    {300, "&CorpiComposti", "Razzi",
     SCENEHELP({"Esempio che mostra dei modelli di razzi", "composti da più parti unite."}, {"(A) Spara sfera"}),
     INITCOMPOUND, VIEWCOMPOUND, &NEWWORLDCMP1});
}  // namespace
