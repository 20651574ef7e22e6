// Forces, torques and impulses on bodies.
#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;

namespace {

void setOrAdd(const NewtonBody* handle, const dFloat* value, btVector3 NewtonBody::*field, bool add) {
    NewtonBody* body = edit(handle);
    const btVector3 v = engine::toVector(value);
    if (!body || !engine::finite(v)) return;
    body->*field = add ? body->*field + v : v;
}

// m times the matrix that turns an impulse at offset r from the centre of mass
// into the velocity change of that point: 1 − m [r]× I⁻¹ [r]×.
btMatrix3x3 pointResponseTimesMass(const btRigidBody& rigid, btScalar mass, const btVector3& r) {
    const btMatrix3x3 cross(0, -r.z(), r.y(),
                            r.z(), 0, -r.x(),
                            -r.y(), r.x(), 0);
    const btMatrix3x3 angular = cross * rigid.getInvInertiaTensorWorld() * cross;
    return btMatrix3x3::getIdentity() - angular * mass;
}

}  // namespace

void NewtonBodySetForce(const NewtonBody* body, const dFloat* force) {
    setOrAdd(body, force, &NewtonBody::force, false);
}

void NewtonBodyAddForce(const NewtonBody* body, const dFloat* force) {
    setOrAdd(body, force, &NewtonBody::force, true);
}

void NewtonBodyGetForce(const NewtonBody* body, dFloat* force) {
    engine::store(body ? body->force : btVector3(0, 0, 0), force);
}

void NewtonBodySetTorque(const NewtonBody* body, const dFloat* torque) {
    setOrAdd(body, torque, &NewtonBody::torque, false);
}

void NewtonBodyAddTorque(const NewtonBody* body, const dFloat* torque) {
    setOrAdd(body, torque, &NewtonBody::torque, true);
}

void NewtonBodyGetTorque(const NewtonBody* body, dFloat* torque) {
    engine::store(body ? body->torque : btVector3(0, 0, 0), torque);
}

void NewtonBodyAddImpulse(const NewtonBody* body, const dFloat* pointDeltaVeloc, const dFloat* pointPosit) {
    NewtonBody* record = edit(body);
    const btVector3 deltaVelocity = engine::toVector(pointDeltaVeloc);
    const btVector3 point = engine::toVector(pointPosit);
    if (!record || !record->isDynamic() || !engine::finite(deltaVelocity) || !engine::finite(point)) return;
    btRigidBody& rigid = record->rigid;
    const btVector3 r = point - rigid.getCenterOfMassPosition();
    const btMatrix3x3 response = pointResponseTimesMass(rigid, record->mass, r);
    const btScalar determinant = response.determinant();
    if (!(btFabs(determinant) > SIMD_EPSILON) || !std::isfinite(determinant)) return;
    const btVector3 impulse = response.inverse() * deltaVelocity * record->mass;
    if (!engine::finite(impulse)) return;
    rigid.applyImpulse(impulse, r);
    engine::wake(*record);
}
