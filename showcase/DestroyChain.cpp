// "Distruzione": the ring chain of "Catena", from which keys "1" to "9" take
// one ring out while the others carry on.
#include "KEVA_Physics/PhyBody.h"
#include "KEVA_Physics/PhyWorld.h"
#include "kestrova/Input.h"
#include "showcase/ExplosionScenes.h"
#include "showcase/HelpTexts.h"
#include "showcase/RigidScenes.h"
#include "showcase/SceneFramework.h"
#include "showcase/SceneRegistry.h"

#include <optional>

NewtonWorld* NEWWORLD11 = nullptr;
std::vector<PHY_Box> NEWBOX11;
PHY_CUSTOMFACETORUS NEWTORUS11[11];
PHY_Bullet BULLET11[11];

namespace {

constexpr std::int32_t kRings = 11;

// Everything PHY_GETALLBODYPROPERTIES reads of a body.
struct BodyState {
    TGLBaseMatrix matrix{};
    TGLVector omega, velocity, force, torque, inertia;
    float mass = 0;
};

BodyState stateOf(const NewtonBody* body) {
    BodyState s;
    PHY_GETALLBODYPROPERTIES(body, s.matrix, s.omega, s.velocity, s.force, s.torque, s.inertia, s.mass);
    return s;
}

void restore(const NewtonBody* body, const BodyState& s) {
    PHY_SETALLBODYPROPERTIES(body, s.matrix, s.omega, s.velocity, s.force, s.torque, s.inertia, s.mass);
}

// The ring is hidden and its body leaves the world; a ring without a body is
// how the next removal knows it is gone.
void removeRing(PHY_CUSTOMFACETORUS& ring) {
    ring.DELETE();
    NewtonDestroyBody(NEWWORLD11, ring.COMPOUND.NEWBODY);
    ring.COMPOUND.NEWBODY = nullptr;
    ring.COMPOUND.COLLISION = nullptr;
}

}  // namespace

// The world passed is the one the viewer read before the rebuild; the rings
// are taken out of the rebuilt one.
void DESTROYBODY11(NewtonWorld*, std::int32_t num) {
    if (num < 0 || num >= kRings) return;
    std::optional<BodyState> saved[kRings];
    for (std::int32_t i = 0; i < kRings; ++i)
        if (NEWTORUS11[i].COMPOUND.NEWBODY) saved[i] = stateOf(NEWTORUS11[i].COMPOUND.NEWBODY);
    // The rebuild makes a new world; the rings removed are taken out of that one.
    INITDESTROY();
    for (std::int32_t i = 0; i < kRings; ++i) {
        if (i == num || !saved[i]) removeRing(NEWTORUS11[i]);
        else restore(NEWTORUS11[i].COMPOUND.NEWBODY, *saved[i]);
    }
    BULLET11[0].DELETE();
}

void INITDESTROY() {
    OPENSCENE(NEWWORLD11, PHY_INITWORLD(60), SceneClock::TICKSCALED, GLVECTOR(800, 800, 800));
    NEWBOX11.clear();

    NEWBOX11.emplace_back().SETBOX(NEWWORLD11, GLVECTOR(0, -0.75f, 0), GLVECTOR(0, 0, 0), GLVECTOR(30, 1, 30), 0);
    HANGRINGCHAIN(NEWWORLD11, NEWTORUS11);
}

void VIEWDESTROY() {
    if (SETGLKEY('R')) INITDESTROY();
    STARTTICKFRAME();
    STEPSCENE(NEWWORLD11, TICKSCALEDSTEP(10000, 2000));
    SCENEMATERIAL(192, 192, 192);
    DRAWALL(NEWBOX11);
    SCENEMATERIAL(188, 250, 192);
    DRAWALL(NEWTORUS11);
    BULLET11[0].CREATEBULLET(NEWWORLD11, 15, 4.5f, 0.4f, 1.5f, 25.0f / 3, SETGLKEY('A'));
    for (std::int32_t k = 0; k < 9; ++k)
        if (SETGLKEY('1' + k)) DESTROYBODY11(NEWWORLD11, k);
    DEBUGSCENE(NEWWORLD11);
    ENDTICKFRAME();
}

namespace {
const SceneRegistration destroyChainRow({211, "&CorpiRigidi", "Distruzione",
                                         SCENEHELP({"Esempio di eliminzione di oggetti"}, {"(1-9) Selezione elemento"}),
                                         INITDESTROY, VIEWDESTROY, &NEWWORLD11});
}  // namespace
