// Ragdolls: a tree of bones, one body each, every bone held to its parent by a
// ball joint with a cone and twist limit.
#include <algorithm>

#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;

namespace engine {

void destroyRagDoll(NewtonRagDoll& ragdoll) {
    NewtonWorld& world = *ragdoll.world;
    for (NewtonRagDollBone* bone : ragdoll.bones) {
        if (bone->body) destroyBody(*bone->body);
        world.memory.destroy(bone);
    }
    world.ragdolls.remove(&ragdoll);
    world.memory.destroy(&ragdoll);
}

}  // namespace engine

NewtonRagDoll* NewtonCreateRagDoll(const NewtonWorld* newtonWorld) {
    NewtonWorld* world = edit(newtonWorld);
    NewtonRagDoll* ragdoll = world ? world->memory.create<NewtonRagDoll>(world) : nullptr;
    if (ragdoll) world->ragdolls.add(ragdoll);
    return ragdoll;
}

void NewtonDestroyRagDoll(const NewtonWorld* newtonWorld, const NewtonRagDoll* ragDoll) {
    NewtonRagDoll* ragdoll = edit(ragDoll);
    if (ragdoll && ragdoll->world == newtonWorld) engine::destroyRagDoll(*ragdoll);
}

void NewtonRagDollBegin(const NewtonRagDoll* ragDoll) {
    if (NewtonRagDoll* ragdoll = edit(ragDoll)) ragdoll->building = true;
}

void NewtonRagDollEnd(const NewtonRagDoll* ragDoll) {
    if (NewtonRagDoll* ragdoll = edit(ragDoll)) ragdoll->building = false;
}

void NewtonRagDollSetForceAndTorqueCallback(const NewtonRagDoll* ragDoll, NewtonApplyForceAndTorque callback) {
    NewtonRagDoll* ragdoll = edit(ragDoll);
    if (!ragdoll) return;
    ragdoll->forceCallback = callback;
    for (NewtonRagDollBone* bone : ragdoll->bones) {
        if (bone->body) bone->body->forceCallback = callback;
    }
}

NewtonRagDollBone* NewtonRagDollAddBone(const NewtonRagDoll* ragDoll, const NewtonRagDollBone* parent,
                                        void* userData, dFloat mass, const dFloat* matrix,
                                        const NewtonCollision* boneCollision, const dFloat* size) {
    NewtonRagDoll* ragdoll = edit(ragDoll);
    if (!ragdoll || !ragdoll->building || (parent && parent->ragdoll != ragdoll)) return nullptr;
    NewtonWorld& world = *ragdoll->world;
    NewtonBody* body = NewtonCreateBody(&world, boneCollision, nullptr);
    if (!body) return nullptr;
    NewtonRagDollBone* bone = world.memory.create<NewtonRagDollBone>();
    if (!bone) {
        engine::destroyBody(*body);
        return nullptr;
    }
    NewtonBody* parentBody = parent ? parent->body : nullptr;
    const btTransform local = engine::toTransform(matrix);
    const btTransform placement = parentBody ? engine::bodyTransform(*parentBody) * local : local;
    engine::placeBody(*body, placement);
    bone->ragdoll = ragdoll;
    bone->parent = edit(parent);
    bone->body = body;
    bone->userData = userData;
    body->bone = bone;
    body->forceCallback = ragdoll->forceCallback;
    // Setting the mass puts the body back into the world, where its bone now
    // keeps it from colliding with the other bones.
    const btVector3 inertia = engine::massProperties(*body->collision).inertia * mass;
    NewtonBodySetMassMatrix(body, mass, inertia.x(), inertia.y(), inertia.z());
    ragdoll->bones.push_back(bone);
    if (parentBody) {
        const btScalar length = size && std::isfinite(size[0]) ? btFabs(size[0]) : 0;
        dFloat pivot[3];
        engine::store(placement * btVector3(-length / 2, 0, 0), pivot);
        bone->joint = NewtonConstraintCreateBall(&world, pivot, body, parentBody);
    }
    return bone;
}

NewtonRagDollBone* NewtonRagDollFindBone(const NewtonRagDoll* ragDoll, int id) {
    if (!ragDoll) return nullptr;
    const auto found = std::find_if(ragDoll->bones.begin(), ragDoll->bones.end(),
                                    [id](const NewtonRagDollBone* bone) { return bone->id == id; });
    return found != ragDoll->bones.end() ? *found : nullptr;
}

void NewtonRagDollBoneSetID(const NewtonRagDollBone* bone, int id) {
    if (NewtonRagDollBone* record = edit(bone)) record->id = id;
}

void* NewtonRagDollBoneGetUserData(const NewtonRagDollBone* bone) {
    return bone ? bone->userData : nullptr;
}

NewtonBody* NewtonRagDollBoneGetBody(const NewtonRagDollBone* bone) {
    return bone ? bone->body : nullptr;
}

void NewtonRagDollBoneSetLimits(const NewtonRagDollBone* bone, const dFloat* coneDir, dFloat minConeAngle,
                                dFloat maxConeAngle, dFloat maxTwistAngle, const dFloat*, dFloat, dFloat) {
    if (!bone || !bone->joint || !bone->parent || !bone->parent->body) return;
    const btVector3 axis = engine::bodyTransform(*bone->parent->body).getBasis() * engine::toVector(coneDir);
    dFloat pin[3];
    engine::store(axis, pin);
    NewtonBallSetConeLimits(bone->joint, pin, std::max(std::fabs(minConeAngle), std::fabs(maxConeAngle)),
                            std::fabs(maxTwistAngle));
}
