// "Paletti": a 10 x 10 grid of tall posts to knock over with spheres.
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/RigidScenes.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLD6 = nullptr;
std::vector<PHY_Box> NEWBOX6;
std::vector<PHY_Box> NEWBOX6A;
PHY_Bullet BULLET6[11];

namespace {

// Post k of column b; the columns of the second array lie halfway between.
void addPost(std::vector<PHY_Box>& posts, int b, int k, float columnShift) {
    const TGLVector pos =
        GLVECTOR(10 * static_cast<float>(b) - 30 + columnShift, 7.25f, 5 * static_cast<float>(k) - 30);
    posts.emplace_back().SETBOX(NEWWORLD6, pos, GLVECTOR(0, 0, 0), GLVECTOR(0.25f, 7, 0.25f), 20);
}

}  // namespace

void INITSTICKBOX() {
    // The posts of the last build belong to the world about to be destroyed.
    DELETEALL(NEWBOX6A);
    OPENSCENE(NEWWORLD6, PHY_INITWORLD(60), SceneClock::TICKSCALED, GLVECTOR(800, 800, 800));
    NEWBOX6.clear();

    NEWBOX6.emplace_back().SETBOX(NEWWORLD6, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(50, 1, 50), 0);
    for (int b = 1; b <= 5; ++b)
        for (int k = 1; k <= 10; ++k) addPost(NEWBOX6, b, k, 0);
    for (int b = 1; b <= 5; ++b)
        for (int k = 1; k <= 10; ++k) addPost(NEWBOX6A, b, k, 5);
}

void VIEWSTICKBOX() {
    if (SETGLKEY('R')) INITSTICKBOX();
    STARTTICKFRAME();
    STEPSCENE(NEWWORLD6, TICKSCALEDSTEP(10000, 2000));
    SCENEMATERIAL(238, 210, 215);
    DRAWALL(NEWBOX6, 1);
    SCENEMATERIAL(188, 250, 192);
    DRAWALL(NEWBOX6A);
    if (!NEWBOX6.empty()) DRAWFLOOR(NEWBOX6[0]);
    SHOOTSIZEDSPHERES(NEWWORLD6, BULLET6);
    DEBUGSCENE(NEWWORLD6);
    ENDTICKFRAME();
}

namespace {
const SceneRegistration rigidPostsRow({206, "&CorpiRigidi", "Paletti",
                                       SCENEHELP({"Esempio simile a quello del dimino con la",
                                                  "differenza di pali invece che tasselli."},
                                                 SIZEDSPHEREKEYS),
                                       INITSTICKBOX, VIEWSTICKBOX, &NEWWORLD6});
}  // namespace
