// "Pupazzo": five puppets fall onto a tilted floor pierced by tall posts and
// tumble down among them.
#include "KEVA_Physics/PhyRandom.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "kestrova/Matrix.h"
#include "showcase/HelpTexts.h"
#include "showcase/RagDollScenes.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDD1 = nullptr;
std::vector<PHY_Box> NEWBOXD1;
std::vector<PHY_CustomFaceCylinder> CUSTOMCYLINDERD1;
std::vector<PHY_humanRagDoll> RAGDOLLD1;
PHY_Bullet BULLETD1[11];

namespace {

const TGLVector kFloorTilt = GLVECTOR(30, 0, 30);

}  // namespace

void INITRAGDOLL() {
    // The posts and puppets of the last build belong to the world about to be
    // destroyed: they go with it (a post holds its hull's points, 30 KB).
    CUSTOMCYLINDERD1.clear();
    RAGDOLLD1.clear();
    OPENSCENE(NEWWORLDD1, PHY_INITWORLD(60), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOXD1.clear();
    NEWBOXD1.emplace_back().SETBOX(NEWWORLDD1, GLVECTOR(0, -0.75f, 0), kFloorTilt, GLVECTOR(30, 1, 30), 0);

    // Posts standing upright through the floor, at random places of its plane.
    const TGLBaseMatrix tilt = MATRIXEULERRAD(kFloorTilt);
    for (int k = 0; k <= 20; ++k) {
        const float across = static_cast<float>(11 - RANDOM(36));
        TGLVector at = GLVECTOR(across, 10, 25 - RANDOM(36));
        MATRIXVECROT2(at, tilt);
        CUSTOMCYLINDERD1.emplace_back().SETCUSTOMFACECYLINDER(NEWWORLDD1, at, GLVECTOR(90, 0, 0), 0.5f, 30, 8, 0);
    }

    const TGLVector none = GLVECTOR(0, 0, 0);
    for (int j = 0; j <= 4; ++j) {
        PHY_humanRagDoll& puppet = RAGDOLLD1.emplace_back();
        puppet.SETCOLORS(none, none, none, none);
        const float x = RANDOMSPREAD(10) + 10;
        const float y = RANDOMSPREAD(10) + 28;
        const float z = RANDOMSPREAD(10) - 10;
        puppet.SETRAGDOLL(NEWWORLDD1, GLVECTOR(x, y, z), GLVECTOR(1, 1, 1), GLVECTOR(0, 270, -90), 1);
    }
}

void VIEWRAGDOLL() {
    if (SETGLKEY('R')) INITRAGDOLL();
    STEPSCENE(NEWWORLDD1, 0.012f);
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(CUSTOMCYLINDERD1);
    DRAWPUPPETS(RAGDOLLD1);
    if (!NEWBOXD1.empty()) DRAWFLOOR(NEWBOXD1[0]);
    BULLETD1[0].CREATEBULLET(NEWWORLDD1, 15, 4.5f, 0.6f, 1.5f, 25, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLDD1);
}

namespace {
const SceneRegistration ragDollFallRow({600, "&Personaggi", "Pupazzo",
                                        SCENEHELP({"Esempio di pupazzi snodati che cadono."}, {"(A) Spara sfera"}),
                                        INITRAGDOLL, VIEWRAGDOLL, &NEWWORLDD1});
}  // namespace
