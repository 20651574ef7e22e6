// Ragdolls: the bone descriptions, the engine ragdoll built from a tree of
// them, and its bones read and changed by id.
#include "KEVA_Physics/PhyRagDoll.h"

#include "KEVA_Physics/PhyGravity.h"
#include "kestrova/Matrix.h"

namespace {

constexpr float kBuildMass = 10;  // every bone's mass until PHY_RAGDOLLSETBONEPROP

}  // namespace

std::unique_ptr<PHY_RagDollBone> PHY_RAGDOLLADDBONE(PHY_RAGDOLLBONETYPE blockType, const std::string& name,
                                                    const TGLVector& pos, const TGLVector& rot, const TGLVector& size,
                                                    const TGLVector& color, std::int32_t id) {
    auto bone = std::make_unique<PHY_RagDollBone>(blockType);
    bone->COLOR = color;
    bone->SIZE = size;
    bone->MATRIX = MATRIXLOADIDENTITY();
    MATRIXSETTRANSFORM(pos, bone->MATRIX);
    MATRIXSETROTATION(rot, bone->MATRIX);
    bone->ID = id;
    bone->NAME = name;
    return bone;
}

void PHY_RAGDOLLATTACHBONE(PHY_RagDollBone& parent, PHY_RagDollBone& child) { parent.CHILD.push_back(&child); }

NewtonRagDoll* PHY_CREATERAGDOLL(NewtonWorld* world, PHY_RagDollBone& root, const TGLVector& vel, float minAng,
                                 float maxAng, float twist) {
    NewtonRagDoll* ragdoll = NewtonCreateRagDoll(world);
    NewtonRagDollBegin(ragdoll);
    NewtonRagDollSetForceAndTorqueCallback(ragdoll, PHY_GETGRAVITYFORCE);
    PHY_RAGDOLLBUILD(world, ragdoll, nullptr, root, vel, minAng, maxAng, twist);
    NewtonRagDollEnd(ragdoll);
    return ragdoll;
}

void PHY_RAGDOLLBUILD(NewtonWorld* world, NewtonRagDoll* ragdoll, const NewtonRagDollBone* parent,
                      PHY_RagDollBone& bone, const TGLVector& velocity, float minAng, float maxAng, float twist) {
    NewtonCollision* shape = bone.SETTYPE(world, bone.SIZE);
    NewtonRagDollBone* engineBone =
        NewtonRagDollAddBone(ragdoll, parent, nullptr, kBuildMass, bone.MATRIX.data(), shape, &bone.SIZE.X);
    NewtonReleaseCollision(world, shape);
    if (!engineBone) return;
    NewtonRagDollBoneSetID(engineBone, bone.ID);
    TGLVector cone = GLVECTOR(1, 0, 0);
    TGLVector lateral = GLVECTOR(0, 0, 1);
    MATRIXVECROT2(cone, bone.MATRIX);
    MATRIXVECROT2(lateral, bone.MATRIX);
    NewtonRagDollBoneSetLimits(engineBone, &cone.X, -DEGTORAD(minAng), DEGTORAD(maxAng), -DEGTORAD(twist),
                               &lateral.X, 0, 0);
    bone.BODY = NewtonRagDollBoneGetBody(engineBone);
    for (PHY_RagDollBone* child : bone.CHILD)
        PHY_RAGDOLLBUILD(world, ragdoll, engineBone, *child, velocity, minAng, maxAng, twist);
}

NewtonBody* PHY_RAGDOLLGETBONEMATRIX(const NewtonRagDoll* ragdoll, TGLVector& pivot, std::int32_t numBone) {
    NewtonBody* body = NewtonRagDollBoneGetBody(NewtonRagDollFindBone(ragdoll, numBone));
    if (!body) return nullptr;
    TGLBaseMatrix m{};
    NewtonBodyGetMatrix(body, m.data());
    pivot = GLVECTOR(m[12], m[13], m[14]);
    return body;
}

NewtonBody* PHY_RAGDOLLSETBONEPROP(const NewtonRagDoll* ragdoll, const TGLVector& inertia, float mass,
                                   std::int32_t numBone) {
    NewtonBody* body = NewtonRagDollBoneGetBody(NewtonRagDollFindBone(ragdoll, numBone));
    if (body) NewtonBodySetMassMatrix(body, mass, inertia.X, inertia.Y, inertia.Z);
    return body;
}
