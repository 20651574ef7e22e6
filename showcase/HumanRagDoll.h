#pragma once
// The human puppet of the "&Personaggi" scenes (PHY_humanRagDoll): sixteen
// bones (head, collar, chest, basin, two arms of three bones, two legs of
// three) with skin, shirt, trouser and shoe colours. A puppet owns its bones
// and their display lists; its bodies belong to the world it was built in.
#include "KEVA_Physics/PhyRagDoll.h"

#include <cstdint>
#include <memory>
#include <vector>

struct PHY_humanRagDoll {
    NewtonRagDoll* RAGDOLL = nullptr;
    PHY_RagDollBone* HEADBONE = nullptr;
    PHY_RagDollBone* COLLARBONE = nullptr;
    PHY_RagDollBone* CHESTBONE = nullptr;
    PHY_RagDollBone* BASINBONE = nullptr;
    PHY_RagDollBone* RUPARMBONE = nullptr;
    PHY_RagDollBone* RDOWNARMBONE = nullptr;
    PHY_RagDollBone* RHANDBONE = nullptr;
    PHY_RagDollBone* LUPARMBONE = nullptr;
    PHY_RagDollBone* LDOWNARMBONE = nullptr;
    PHY_RagDollBone* LHANDBONE = nullptr;
    PHY_RagDollBone* RUPLEGBONE = nullptr;
    PHY_RagDollBone* RDOWNLEGBONE = nullptr;
    PHY_RagDollBone* RFOOTBONE = nullptr;
    PHY_RagDollBone* LUPLEGBONE = nullptr;
    PHY_RagDollBone* LDOWNLEGBONE = nullptr;
    PHY_RagDollBone* LFOOTBONE = nullptr;
    std::vector<std::unique_ptr<PHY_RagDollBone>> BONE;  // the same sixteen, in the order above; it owns them
    TGLVector SKINCOLOR;
    TGLVector SHIRTCOLOR;
    TGLVector PANTCOLOR;
    TGLVector FOOTCOLOR;

    // Builds the puppet in a T pose, its basin at `pos` turned by `rot`
    // degrees, every length scaled by `size`; each bone weighs 37.5. The
    // colours are those set before (SETCOLORS). `vel` is not applied.
    void SETRAGDOLL(NewtonWorld* world, const TGLVector& pos, const TGLVector& vel, const TGLVector& rot,
                    std::int32_t size);
    // Pins bone `num` with a ball joint to `parent` (null: the world), at
    // `pos` from the bone's centre. An unknown bone makes no joint.
    void ATTACHBONEATBODY(NewtonWorld* world, const NewtonBody* parent, const TGLVector& pos, std::int32_t num);
    // Stores each colour whose three components are all above 0; any other
    // gets its default: skin (0.95, 0.8, 0.95), a random shirt, dark random
    // trousers and darker random shoes.
    void SETCOLORS(const TGLVector& skin, const TGLVector& shirt, const TGLVector& pant, const TGLVector& foot);
    // Every bone in its colour.
    void DRAW();
};

// Draws the puppets in the default material with the colour material on, so
// that each bone shows its own colour under the scenes' lights.
void DRAWPUPPETS(std::vector<PHY_humanRagDoll>& puppets);
