// Bodies: creation and destruction, placement, velocities, mass, centre of
// mass, shape and the small per-body settings.
#include <algorithm>

#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;

namespace {

constexpr btScalar kAngularDamping = btScalar(0.1);
constexpr btScalar kLightestMass = btScalar(0.001);
// No axis turns more easily than a ring of radius 0.01 of the same mass.
constexpr btScalar kLeastInertiaPerMass = btScalar(1e-4);

btVector3 sensibleInertia(const NewtonBody& body, btScalar mass, const btVector3& given) {
    btVector3 fromShape(0, 0, 0);
    body.rigid.getCollisionShape()->calculateLocalInertia(mass, fromShape);
    btVector3 inertia(0, 0, 0);
    for (int axis = 0; axis < 3; ++axis) {
        btScalar value = btFabs(given[axis]);
        if (!(value > 0) || !std::isfinite(value)) value = fromShape[axis];
        inertia[axis] = std::max(value, mass * kLeastInertiaPerMass);
    }
    return inertia;
}

// Fast bodies are swept with a sphere inside them so that they do not tunnel:
// those the program asks for, and every compact convex body (no thinner than
// half its length), for which a sphere at its centre stands for all of it. For
// fast thin or hollow bodies the world steps in smaller steps instead.
void applyContinuousMode(NewtonBody& body) {
    btScalar thinnest = 0;
    body.compactSwept = false;
    const btCollisionShape& shape = *body.rigid.getCollisionShape();
    if (body.isDynamic() && shape.isConvex()) {
        btVector3 low;
        btVector3 high;
        shape.getAabb(btTransform::getIdentity(), low, high);
        const btVector3 extent = high - low;
        body.compactSwept = extent[extent.minAxis()] >= btScalar(0.5) * extent[extent.maxAxis()];
        if (body.continuous || body.compactSwept) thinnest = extent[extent.minAxis()];
    }
    body.rigid.setCcdMotionThreshold(engine::kLargestMoveShare * thinnest);
    body.rigid.setCcdSweptSphereRadius(btScalar(0.45) * thinnest);
}

void setMass(NewtonBody& body, btScalar mass, const btVector3& inertia) {
    const bool dynamic = std::isfinite(mass) && mass > 0 && body.collision->kind != engine::ShapeKind::Tree;
    body.mass = dynamic ? std::max(mass, kLightestMass) : 0;
    body.inertia = dynamic ? sensibleInertia(body, body.mass, inertia) : btVector3(0, 0, 0);
    engine::changeOutsideDynamics(body, [&] {
        body.rigid.setMassProps(body.mass, body.inertia);
        body.rigid.updateInertiaTensor();
        // A body that turns alike about every axis feels no gyroscopic torque.
        const bool alike = body.inertia.x() == body.inertia.y() && body.inertia.y() == body.inertia.z();
        const int gyroscopic = BT_ENABLE_GYROSCOPIC_FORCE_IMPLICIT_BODY;
        body.rigid.setFlags(alike ? body.rigid.getFlags() & ~gyroscopic : body.rigid.getFlags() | gyroscopic);
        if (!dynamic) {
            body.rigid.setLinearVelocity(btVector3(0, 0, 0));
            body.rigid.setAngularVelocity(btVector3(0, 0, 0));
        }
    });
    applyContinuousMode(body);
    engine::wake(body);
}

// Contacts with a static mesh go through the callback that smooths its inner edges.
void useShapeFlags(NewtonBody& body) {
    int flags = body.rigid.getCollisionFlags() & ~btCollisionObject::CF_CUSTOM_MATERIAL_CALLBACK;
    if (body.collision->tree) flags |= btCollisionObject::CF_CUSTOM_MATERIAL_CALLBACK;
    body.rigid.setCollisionFlags(flags);
}

void setVelocity(const NewtonBody* handle, const dFloat* value, void (btRigidBody::*set)(const btVector3&)) {
    NewtonBody* body = edit(handle);
    const btVector3 v = engine::toVector(value);
    if (!body || !body->isDynamic() || !engine::finite(v)) return;
    (body->rigid.*set)(v);
    engine::wake(*body);
}

}  // namespace

NewtonBody::NewtonBody(NewtonWorld* owner, NewtonCollision* shape)
    : world(owner), collision(shape), rigid(btRigidBody::btRigidBodyConstructionInfo(0, nullptr, shape->shape())) {
    rigid.setUserPointer(this);
    rigid.setDamping(0, kAngularDamping);
}

namespace engine {

btTransform bodyTransform(const NewtonBody& body) {
    return body.rigid.getWorldTransform() * btTransform(btMatrix3x3::getIdentity(), -body.centreOfMass);
}

void placeBody(NewtonBody& body, const btTransform& transform) {
    const btTransform centred = transform * btTransform(btMatrix3x3::getIdentity(), body.centreOfMass);
    body.rigid.setWorldTransform(centred);
    body.rigid.setInterpolationWorldTransform(centred);
    body.rigid.updateInertiaTensor();
    if (body.rigid.getBroadphaseHandle()) body.world->dynamics.updateSingleAabb(&body.rigid);
    wake(body);
}

void wake(NewtonBody& body) {
    if (!body.isDynamic()) return;
    if (body.outsideWorld) {
        if (!insideWorld(body)) return;
        body.outsideWorld = false;
        body.rigid.forceActivationState(ACTIVE_TAG);
    }
    body.rigid.activate(true);
}

void refreshBodyShape(NewtonBody& body) {
    btCollisionShape* shape = body.collision->shape();
    if (body.centreOfMass.isZero()) {
        body.massCentred.reset();
    } else {
        body.massCentred = std::make_unique<btCompoundShape>(false, 1);
        body.massCentred->addChildShape(btTransform(btMatrix3x3::getIdentity(), -body.centreOfMass), shape);
        shape = body.massCentred.get();
    }
    changeOutsideDynamics(body, [&] {
        body.rigid.setCollisionShape(shape);
        useShapeFlags(body);
    });
    applyContinuousMode(body);
    wake(body);
}

void admitWaitingBodies(NewtonWorld& world) {
    if (world.waiting.empty()) return;
    makeRoomForBodies(world);
    for (NewtonBody* body : world.waiting) {
        world.dynamics.addRigidBody(&body->rigid);
        body->inDynamics = true;
    }
    world.waiting.clear();
}

void destroyBody(NewtonBody& body) {
    NewtonWorld& world = *body.world;
    if (body.bone) {  // the bone loses its body and the joint to its parent, which goes with the body
        body.bone->body = nullptr;
        body.bone->joint = nullptr;
        body.bone = nullptr;
    }
    if (world.updating) {
        if (std::find(world.doomed.begin(), world.doomed.end(), &body) == world.doomed.end()) {
            world.doomed.push_back(&body);
        }
        return;
    }
    for (std::size_t i = world.joints.size(); i-- > 0;) {
        NewtonJoint& joint = *world.joints[i];
        if (joint.child == &body || joint.parent == &body) destroyJoint(joint);
    }
    if (body.inDynamics) {
        world.dynamics.removeRigidBody(&body.rigid);
    } else {
        world.waiting.erase(std::find(world.waiting.begin(), world.waiting.end(), &body));
    }
    world.bodies.remove(&body);
    NewtonCollision& shape = *body.collision;
    world.memory.destroy(&body);
    releaseShape(shape);
}

}  // namespace engine

NewtonBody* NewtonCreateBody(const NewtonWorld* newtonWorld, const NewtonCollision* collision, const dFloat* matrix) {
    NewtonWorld* world = edit(newtonWorld);
    NewtonCollision* shape = edit(collision);
    if (!world || !shape || shape->world != world) return nullptr;
    NewtonBody* body = world->memory.create<NewtonBody>(world, shape);
    if (!body) return nullptr;
    engine::retainShape(*shape);
    world->bodies.add(body);
    body->rigid.setWorldTransform(engine::toTransform(matrix));
    useShapeFlags(*body);
    world->waiting.push_back(body);
    return body;
}

void NewtonDestroyBody(const NewtonWorld* newtonWorld, const NewtonBody* body) {
    NewtonBody* record = edit(body);
    if (record && record->world == newtonWorld) engine::destroyBody(*record);
}

void NewtonBodySetMatrix(const NewtonBody* body, const dFloat* matrix) {
    if (NewtonBody* record = edit(body)) engine::placeBody(*record, engine::toTransform(matrix));
}

void NewtonBodyGetMatrix(const NewtonBody* body, dFloat* matrix) {
    engine::store(body ? engine::bodyTransform(*body) : btTransform::getIdentity(), matrix);
}

void NewtonBodySetVelocity(const NewtonBody* body, const dFloat* velocity) {
    setVelocity(body, velocity, &btRigidBody::setLinearVelocity);
}

void NewtonBodyGetVelocity(const NewtonBody* body, dFloat* velocity) {
    engine::store(body ? body->rigid.getLinearVelocity() : btVector3(0, 0, 0), velocity);
}

void NewtonBodySetOmega(const NewtonBody* body, const dFloat* omega) {
    setVelocity(body, omega, &btRigidBody::setAngularVelocity);
}

void NewtonBodyGetOmega(const NewtonBody* body, dFloat* omega) {
    engine::store(body ? body->rigid.getAngularVelocity() : btVector3(0, 0, 0), omega);
}

void NewtonBodySetMassMatrix(const NewtonBody* body, dFloat mass, dFloat Ixx, dFloat Iyy, dFloat Izz) {
    if (NewtonBody* record = edit(body)) setMass(*record, mass, btVector3(Ixx, Iyy, Izz));
}

void NewtonBodyGetMassMatrix(const NewtonBody* body, dFloat* mass, dFloat* Ixx, dFloat* Iyy, dFloat* Izz) {
    const btScalar m = body ? body->mass : 0;
    const btVector3 inertia = body ? body->inertia : btVector3(0, 0, 0);
    if (mass) *mass = m;
    if (Ixx) *Ixx = inertia.x();
    if (Iyy) *Iyy = inertia.y();
    if (Izz) *Izz = inertia.z();
}

void NewtonBodySetCentreOfMass(const NewtonBody* body, const dFloat* com) {
    NewtonBody* record = edit(body);
    const btVector3 centre = engine::toVector(com);
    // A static mesh never moves: its centre of mass does not matter.
    if (!record || !engine::finite(centre) || record->collision->tree) return;
    const btTransform placement = engine::bodyTransform(*record);
    record->centreOfMass = centre;
    engine::refreshBodyShape(*record);
    engine::placeBody(*record, placement);
}

void NewtonBodyGetCentreOfMass(const NewtonBody* body, dFloat* com) {
    engine::store(body ? body->centreOfMass : btVector3(0, 0, 0), com);
}

void NewtonBodySetCollision(const NewtonBody* body, const NewtonCollision* collision) {
    NewtonBody* record = edit(body);
    NewtonCollision* shape = edit(collision);
    if (!record || !shape || shape->world != record->world || shape == record->collision) return;
    engine::retainShape(*shape);
    NewtonCollision& previous = *record->collision;
    record->collision = shape;
    engine::refreshBodyShape(*record);
    engine::releaseShape(previous);
    if (shape->kind == engine::ShapeKind::Tree) setMass(*record, 0, btVector3(0, 0, 0));
}

NewtonCollision* NewtonBodyGetCollision(const NewtonBody* body) {
    return body ? body->collision : nullptr;
}

NewtonWorld* NewtonBodyGetWorld(const NewtonBody* body) {
    return body ? body->world : nullptr;
}

void NewtonBodySetUserData(const NewtonBody* body, void* userData) {
    if (NewtonBody* record = edit(body)) record->userData = userData;
}

void* NewtonBodyGetUserData(const NewtonBody* body) {
    return body ? body->userData : nullptr;
}

void NewtonBodySetMaterialGroupID(const NewtonBody* body, int id) {
    NewtonBody* record = edit(body);
    if (record && record->world->materials.valid(id)) record->materialGroup = id;
}

int NewtonBodyGetMaterialGroupID(const NewtonBody* body) {
    return body ? body->materialGroup : 0;
}

void NewtonBodySetLinearDamping(const NewtonBody* body, dFloat linearDamp) {
    NewtonBody* record = edit(body);
    if (!record || !std::isfinite(linearDamp)) return;
    record->linearDamping = std::clamp<btScalar>(linearDamp, 0, 1);
    record->rigid.setDamping(record->linearDamping, record->rigid.getAngularDamping());
}

dFloat NewtonBodyGetLinearDamping(const NewtonBody* body) {
    return body ? body->linearDamping : 0;
}

void NewtonBodySetContinuousCollisionMode(const NewtonBody* body, unsigned state) {
    if (NewtonBody* record = edit(body)) {
        record->continuous = state != 0;
        applyContinuousMode(*record);
    }
}

int NewtonBodyGetContinuousCollisionMode(const NewtonBody* body) {
    return body && body->continuous ? 1 : 0;
}

void NewtonBodySetForceAndTorqueCallback(const NewtonBody* body, NewtonApplyForceAndTorque callback) {
    if (NewtonBody* record = edit(body)) record->forceCallback = callback;
}

NewtonApplyForceAndTorque NewtonBodyGetForceAndTorqueCallback(const NewtonBody* body) {
    return body ? body->forceCallback : nullptr;
}

int NewtonBodyGetSleepState(const NewtonBody* body) {
    return body && !body->rigid.isActive() ? 1 : 0;
}
