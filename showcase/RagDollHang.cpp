// "Pupazzi": five puppets hang by both hands from pins in the air.
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/HelpTexts.h"
#include "showcase/RagDollScenes.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

NewtonWorld* NEWWORLDD2 = nullptr;
std::vector<PHY_Box> NEWBOXD2;
std::vector<PHY_humanRagDoll> RAGDOLLD2;
PHY_Bullet BULLETD2[11];

namespace {

constexpr std::int32_t kRightHand = 6;
constexpr std::int32_t kLeftHand = 9;

}  // namespace

void INITRAGDOLL2() {
    // The puppets of the last build belong to the world about to be destroyed.
    RAGDOLLD2.clear();
    OPENSCENE(NEWWORLDD2, PHY_INITWORLD(60), SceneClock::FIXEDSTEP, GLVECTOR(800, 800, 800));
    NEWBOXD2.clear();
    NEWBOXD2.emplace_back().SETBOX(NEWWORLDD2, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(30, 1, 30), 0);

    const TGLVector none = GLVECTOR(0, 0, 0);
    const TGLVector belowTheHand = GLVECTOR(0, -0.6f, 0);
    for (int j = 0; j <= 4; ++j) {
        PHY_humanRagDoll& puppet = RAGDOLLD2.emplace_back();
        puppet.SETCOLORS(none, none, none, none);
        const float turn = RANDOMSPREAD(30) * static_cast<float>(j) + 270;
        const float x = RANDOMSPREAD(20);
        const float y = RANDOMSPREAD(20) + 18;
        const float z = RANDOMSPREAD(20);
        puppet.SETRAGDOLL(NEWWORLDD2, GLVECTOR(x, y, z), GLVECTOR(1, 1, 1), GLVECTOR(0, turn, -90), 1);
        puppet.ATTACHBONEATBODY(NEWWORLDD2, nullptr, belowTheHand, kLeftHand);
        puppet.ATTACHBONEATBODY(NEWWORLDD2, nullptr, belowTheHand, kRightHand);
    }
}

void VIEWRAGDOLL2() {
    if (SETGLKEY('R')) INITRAGDOLL2();
    STEPSCENE(NEWWORLDD2, 0.012f);
    DRAWPUPPETS(RAGDOLLD2);
    if (!NEWBOXD2.empty()) DRAWFLOOR(NEWBOXD2[0]);
    BULLETD2[0].CREATEBULLET(NEWWORLDD2, 15, 4.5f, 0.6f, 1.5f, 25, SETGLKEY('A'));
    DEBUGSCENE(NEWWORLDD2);
}

namespace {
const SceneRegistration ragDollHangRow({601, "&Personaggi", "Pupazzi",
                                        SCENEHELP({"Esempio di pupazzi snodati appesi per", "le braccia."},
                                                  {"(A) Spara sfera"}),
                                        INITRAGDOLL2, VIEWRAGDOLL2, &NEWWORLDD2});
}  // namespace
