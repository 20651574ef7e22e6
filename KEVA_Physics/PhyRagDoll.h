#pragma once
// Ragdolls: a puppet is first described as a tree of bone records (shape,
// rest placement relative to the parent bone, size, colour, id, name), then
// handed to the engine's ragdoll builder, which makes one body per bone and
// holds each bone to its parent with a cone-and-twist limit. Bones are then
// found again by id, changed and drawn one by one.
#include "KEVA_Physics/engine/KEVA_NewtonExt.h"
#include "base/GLTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum PHY_RAGDOLLBONETYPE : std::uint8_t { PHYBOX = 0, PHYCONE = 1, PHYCYLINDER = 2, PHYSPHERE = 3, PHYCAPSULE = 4 };

class PHY_RagDollBone {
public:
    // CREATE: a bone of this type, every other field empty or zero.
    explicit PHY_RagDollBone(PHY_RAGDOLLBONETYPE boneType);
    PHY_RagDollBone(const PHY_RagDollBone&) = delete;
    PHY_RagDollBone& operator=(const PHY_RagDollBone&) = delete;

    std::vector<PHY_RagDollBone*> CHILD;  // in attachment order; owned elsewhere
    PHY_RAGDOLLBONETYPE BONETYPE;
    NewtonBody* BODY = nullptr;  // set when the ragdoll is built
    TGLBaseMatrix MATRIX{};      // rest placement relative to the parent bone (the root's in world space)
    TGLVector SIZE;              // along x first; see SETTYPE
    TGLVector COLOR;             // red, green, blue in 0 … 1
    std::int32_t ID = 0;         // the engine bone's id, to find it again
    std::string NAME;

    // The engine shape of this bone's type for `size`, owned by the caller:
    // box of full sizes s; cone of radius s.y/2 and height s.x/2; cylinder of
    // radius s.y/2 and height s.x; ellipsoid of radii s/2; capsule of radius
    // s.y/2 and whole length 1.33 s.x.
    NewtonCollision* SETTYPE(NewtonWorld* world, const TGLVector& size) const;
    // Draws the bone's shape in its colour where its body is: nothing before
    // the ragdoll is built. The colour is left white.
    void RENDER() const;
};

// A new bone: MATRIX turned by `rot` degrees and moved to `pos`.
std::unique_ptr<PHY_RagDollBone> PHY_RAGDOLLADDBONE(PHY_RAGDOLLBONETYPE blockType, const std::string& name,
                                                    const TGLVector& pos, const TGLVector& rot, const TGLVector& size,
                                                    const TGLVector& color, std::int32_t id);
void PHY_RAGDOLLATTACHBONE(PHY_RagDollBone& parent, PHY_RagDollBone& child);

// The engine ragdoll of the tree under `root`, every body under the standard
// gravity callback. All bones share the limits: a cone of the larger of
// minAng and maxAng round their rest direction and a twist of `twist`
// (degrees). `vel` is carried along but not applied: puppets start at rest.
NewtonRagDoll* PHY_CREATERAGDOLL(NewtonWorld* world, PHY_RagDollBone& root, const TGLVector& vel, float minAng,
                                 float maxAng, float twist);
// Adds `bone` under the engine bone `parent` (null: the root), mass 10, and
// its children after it, depth first.
void PHY_RAGDOLLBUILD(NewtonWorld* world, NewtonRagDoll* ragdoll, const NewtonRagDollBone* parent,
                      PHY_RagDollBone& bone, const TGLVector& velocity, float minAng, float maxAng, float twist);

// The body of the bone with id numBone, and its position in `pivot`; null,
// with `pivot` untouched, when no bone has that id.
NewtonBody* PHY_RAGDOLLGETBONEMATRIX(const NewtonRagDoll* ragdoll, TGLVector& pivot, std::int32_t numBone);
// Sets the mass and principal inertia of bone numBone's body; returns the body, or null.
NewtonBody* PHY_RAGDOLLSETBONEPROP(const NewtonRagDoll* ragdoll, const TGLVector& inertia, float mass,
                                   std::int32_t numBone);
