// The human puppet: its bone table, its links, its colours and its drawing.
#include "showcase/HumanRagDoll.h"

#include "KEVA_Physics/PhyJoints.h"
#include "KEVA_Physics/PhyRandom.h"
#include "showcase/SceneFramework.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// Every bone weighs 15 × 2.5 and turns alike about every axis.
constexpr float kBoneMass = 15 * 2.5f;
const float kBoneInertia = std::sqrt(kBoneMass) * 2 * kBoneMass / 12;

// Cone and twist limits shared by every joint, degrees.
constexpr float kConeAngle = 60;
constexpr float kTwistAngle = 180;

bool allAboveZero(const TGLVector& c) { return c.X > 0 && c.Y > 0 && c.Z > 0; }

float uniform() { return static_cast<float>(RANDOM()); }

// A colour whose components `draw` gives, drawn in the order x, y, z.
template <typename Draw>
TGLVector drawnColour(Draw draw) {
    TGLVector c;
    c.X = draw();
    c.Y = draw();
    c.Z = draw();
    return c;
}

float trouserComponent() {
    const float first = uniform();
    return first / 2 - uniform() / 4;
}

}  // namespace

void PHY_humanRagDoll::SETRAGDOLL(NewtonWorld* world, const TGLVector& pos, const TGLVector& vel,
                                  const TGLVector& rot, std::int32_t size) {
    const float s = static_cast<float>(size);
    const float nx = 1.2f * s;
    const TGLVector none = GLVECTOR(0, 0, 0);
    const TGLVector arm = GLVECTOR(1.5f * s, 0.5f * s, 0.5f * s);
    const TGLVector hand = GLVECTOR(0.6f * s, 0.5f * s, 0.5f * s);
    const TGLVector leg = GLVECTOR(2 * s, 0.65f * s, 0.65f * s);
    const TGLVector foot = GLVECTOR(1.1f * s, 0.65f * s, 0.65f * s);
    const TGLVector down = GLVECTOR(0, 0, 180), footTurn = GLVECTOR(0, 180, 90);
    BONE.clear();
    const auto add = [&](PHY_RAGDOLLBONETYPE type, const char* name, const TGLVector& at, const TGLVector& turn,
                         const TGLVector& extent, const TGLVector& color) {
        const std::int32_t id = static_cast<std::int32_t>(BONE.size());
        return BONE.emplace_back(PHY_RAGDOLLADDBONE(type, name, at, turn, extent, color, id)).get();
    };
    HEADBONE = add(PHYSPHERE, "HeadBone", GLVECTOR(0.35f * nx, 0, 0), none, GLVECTOR(s, s, s), SKINCOLOR);
    COLLARBONE = add(PHYCYLINDER, "CollarBone", GLVECTOR(1.44f * nx, 0, 0), none, GLVECTOR(s, 0.6f * s, s), SKINCOLOR);
    CHESTBONE = add(PHYCAPSULE, "ChestBone", GLVECTOR(0.8f * nx, 0, 0), none, GLVECTOR(1.8f * nx, 1.5f * s, 0),
                    SHIRTCOLOR);
    BASINBONE = add(PHYCAPSULE, "BasinBone", pos, rot, GLVECTOR(1.3f * nx, 1.5f * s, 0), PANTCOLOR);
    RUPARMBONE = add(PHYCAPSULE, "RUpArmBone", GLVECTOR(1.7f * nx, 0, 0.4f * nx), GLVECTOR(90, -90, 90), arm,
                     SHIRTCOLOR);
    RDOWNARMBONE = add(PHYCAPSULE, "RDownArmBone", GLVECTOR(1.5f * s, 0, 0), none, arm, SHIRTCOLOR);
    RHANDBONE = add(PHYCAPSULE, "RHandBone", GLVECTOR(1.5f * s, 0, 0), none, hand, SKINCOLOR);
    LUPARMBONE = add(PHYCAPSULE, "LUpArmBone", GLVECTOR(1.7f * nx, 0, -0.4f * nx), GLVECTOR(-90, 90, 90), arm,
                     SHIRTCOLOR);
    LDOWNARMBONE = add(PHYCAPSULE, "LDownArmBone", GLVECTOR(1.5f * s, 0, 0), none, arm, SHIRTCOLOR);
    LHANDBONE = add(PHYCAPSULE, "LHandBone", GLVECTOR(1.5f * s, 0, 0), none, hand, SKINCOLOR);
    RUPLEGBONE = add(PHYCAPSULE, "RUpLegBone", GLVECTOR(0.6f * s, 0, 0.3f * nx), down, leg, PANTCOLOR);
    RDOWNLEGBONE = add(PHYCAPSULE, "RDownLegBone", GLVECTOR(2 * s, 0, 0), none, leg, PANTCOLOR);
    RFOOTBONE = add(PHYCAPSULE, "RFootBone", GLVECTOR(2 * s, 0, 0), footTurn, foot, FOOTCOLOR);
    LUPLEGBONE = add(PHYCAPSULE, "LUpLegBone", GLVECTOR(0.6f * s, 0, -0.3f * nx), down, leg, PANTCOLOR);
    LDOWNLEGBONE = add(PHYCAPSULE, "LDownLegBone", GLVECTOR(2 * s, 0, 0), none, leg, PANTCOLOR);
    LFOOTBONE = add(PHYCAPSULE, "LFootBone", GLVECTOR(2 * s, 0, 0), footTurn, foot, FOOTCOLOR);

    const std::pair<PHY_RagDollBone*, PHY_RagDollBone*> links[] = {
        {BASINBONE, CHESTBONE},     {COLLARBONE, HEADBONE},       {CHESTBONE, COLLARBONE},
        {CHESTBONE, RUPARMBONE},    {RUPARMBONE, RDOWNARMBONE},   {RDOWNARMBONE, RHANDBONE},
        {CHESTBONE, LUPARMBONE},    {LUPARMBONE, LDOWNARMBONE},   {LDOWNARMBONE, LHANDBONE},
        {BASINBONE, RUPLEGBONE},    {RUPLEGBONE, RDOWNLEGBONE},   {RDOWNLEGBONE, RFOOTBONE},
        {BASINBONE, LUPLEGBONE},    {LUPLEGBONE, LDOWNLEGBONE},   {LDOWNLEGBONE, LFOOTBONE}};
    for (const auto& [parent, child] : links) PHY_RAGDOLLATTACHBONE(*parent, *child);

    RAGDOLL = PHY_CREATERAGDOLL(world, *BASINBONE, vel, kConeAngle, kConeAngle, kTwistAngle);
    const TGLVector inertia = GLVECTOR(kBoneInertia, kBoneInertia, kBoneInertia);
    for (std::int32_t id = 0; id < static_cast<std::int32_t>(BONE.size()); ++id)
        PHY_RAGDOLLSETBONEPROP(RAGDOLL, inertia, kBoneMass, id);
}

void PHY_humanRagDoll::ATTACHBONEATBODY(NewtonWorld* world, const NewtonBody* parent, const TGLVector& pos,
                                        std::int32_t num) {
    TGLVector pivot;
    const NewtonBody* bone = PHY_RAGDOLLGETBONEMATRIX(RAGDOLL, pivot, num);
    if (!bone) return;
    const TGLVector at = GLVECTOR(pivot.X + pos.X, pivot.Y + pos.Y, pivot.Z + pos.Z);
    PHY_ADDJOINTBALL(world, parent, bone, at, GLVECTOR(0, 0, 0), 0);
}

void PHY_humanRagDoll::SETCOLORS(const TGLVector& skin, const TGLVector& shirt, const TGLVector& pant,
                                 const TGLVector& foot) {
    SKINCOLOR = allAboveZero(skin) ? skin : GLVECTOR(0.95, 0.8, 0.95);
    SHIRTCOLOR = allAboveZero(shirt) ? shirt : drawnColour(uniform);
    PANTCOLOR = allAboveZero(pant) ? pant : drawnColour(trouserComponent);
    FOOTCOLOR = allAboveZero(foot) ? foot : drawnColour([] { return uniform() / 4; });
}

void PHY_humanRagDoll::DRAW() {
    for (const std::unique_ptr<PHY_RagDollBone>& bone : BONE) bone->RENDER();
}

void DRAWPUPPETS(std::vector<PHY_humanRagDoll>& puppets) {
    SCENEMATERIAL(255, 255, 255);
    glEnable(GL_COLOR_MATERIAL);
    for (PHY_humanRagDoll& puppet : puppets) puppet.DRAW();
    glDisable(GL_COLOR_MATERIAL);
}
