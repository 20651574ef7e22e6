// "Catena": eleven interlocked rings hanging from a static one, to shoot at.
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/RigidScenes.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLD10 = nullptr;
std::vector<PHY_Box> NEWBOX10;
PHY_CUSTOMFACETORUS NEWTORUS10[11];
PHY_Bullet BULLET10[11];

namespace {

// Keys "1" to "4" fire launchers 1 to 4: small and large spheres, light and heavy.
struct ChainLauncher {
    char key;
    int launcher;
    float power, radius, mass;
};
const ChainLauncher kLaunchers[] = {
    {'1', 1, 0.4f, 1.5f, 25.0f / 3},
    {'2', 2, 0.5f, 1.5f, 25},
    {'3', 3, 0.4f, 6, 25.0f / 3},
    {'4', 4, 0.5f, 6, 25},
};

}  // namespace

void HANGRINGCHAIN(NewtonWorld* world, PHY_CUSTOMFACETORUS (&rings)[11]) {
    // Rings 3 apart, each turned a quarter from the one above, so that they interlock.
    for (int i = 0; i <= 10; ++i)
        rings[i].SETCUSTOMFACETORUS(world, GLVECTOR(0, 37 - 3 * static_cast<float>(i), 0),
                                    GLVECTOR(0, 90 * static_cast<float>(i), 0), 0.3f, 2, 20, i == 0 ? 0 : 10);
}

void INITCHAIN() {
    OPENSCENE(NEWWORLD10, PHY_INITWORLD(60), SceneClock::TICKSCALED, GLVECTOR(800, 800, 800));
    NEWBOX10.clear();

    NEWBOX10.emplace_back().SETBOX(NEWWORLD10, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(30, 1, 30), 0);
    HANGRINGCHAIN(NEWWORLD10, NEWTORUS10);
}

void VIEWCHAIN() {
    if (SETGLKEY('R')) INITCHAIN();
    STARTTICKFRAME();
    STEPSCENE(NEWWORLD10, TICKSCALEDSTEP(10000, 2000));
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(NEWBOX10);
    SCENEMATERIAL(188, 250, 192);
    DRAWALL(NEWTORUS10);
    for (const ChainLauncher& launcher : kLaunchers)
        BULLET10[launcher.launcher].CREATEBULLET(NEWWORLD10, 15, 4.5f, launcher.power, launcher.radius, launcher.mass,
                                                 SETGLKEY(launcher.key));
    DEBUGSCENE(NEWWORLD10);
    ENDTICKFRAME();
}

namespace {
const SceneRegistration rigidChainRow({207, "&CorpiRigidi", "Catena",
                                       SCENEHELP({"Esempio di una catena realistica."},
                                                 {"(1-4) Spara sfere di varie dimensioni e", "forze."}),
                                       INITCHAIN, VIEWCHAIN, &NEWWORLD10});
}  // namespace
