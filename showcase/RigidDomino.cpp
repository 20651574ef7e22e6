// "Domino": twelve rows of 25 tiles to topple with spheres.
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/RigidScenes.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLD5 = nullptr;
std::vector<PHY_Box> NEWBOX5;
std::vector<PHY_Box> NEWBOX5A;
PHY_Bullet BULLET5[11];

namespace {

// Tile k of row r; the rows of the second array lie halfway between.
TGLVector tilePosition(int row, int k, float rowShift) {
    return GLVECTOR(2.15f * static_cast<float>(k) - 20, 2.2f, 7.6f * static_cast<float>(row) - 29 + rowShift);
}

void addTile(std::vector<PHY_Box>& tiles, const TGLVector& pos) {
    tiles.emplace_back().SETBOX(NEWWORLD5, pos, GLVECTOR(0, 0, 0), GLVECTOR(0.2f, 2, 1.5f), 10);
}

}  // namespace

void INITDOMINO() {
    // The tiles of the last build belong to the world about to be destroyed.
    DELETEALL(NEWBOX5A);
    OPENSCENE(NEWWORLD5, PHY_INITWORLD(15), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOX5.clear();

    NEWBOX5.emplace_back().SETBOX(NEWWORLD5, GLVECTOR(0, 0, 0), GLVECTOR(0, 0, 0), GLVECTOR(50, 0.25f, 50), 0);
    for (int row = 1; row <= 6; ++row)
        for (int k = 1; k <= 25; ++k) addTile(NEWBOX5, tilePosition(row, k, 0));
    for (int row = 1; row <= 6; ++row)
        for (int k = 1; k <= 25; ++k) addTile(NEWBOX5A, tilePosition(row, k, 3.8f));
}

void VIEWDOMINO() {
    if (SETGLKEY('R')) INITDOMINO();
    STEPSCENE(NEWWORLD5, 15);
    SCENEMATERIAL(219, 249, 245);
    DRAWALL(NEWBOX5, 1);
    SCENEMATERIAL(210, 244, 206);
    DRAWALL(NEWBOX5A);
    if (!NEWBOX5.empty()) DRAWFLOOR(NEWBOX5[0]);
    SHOOTSIZEDSPHERES(NEWWORLD5, BULLET5);
    DEBUGSCENE(NEWWORLD5);
}

namespace {
const SceneRegistration rigidDominoRow({205, "&CorpiRigidi", "Domino",
                                        SCENEHELP({"Sparare al riquadro di tasselli"}, SIZEDSPHEREKEYS), INITDOMINO,
                                        VIEWDOMINO, &NEWWORLD5});
}  // namespace
