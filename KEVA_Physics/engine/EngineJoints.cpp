// Joints: ball (with an optional cone and twist limit), hinge, slider and up vector.
#include <BulletDynamics/ConstraintSolver/btGeneric6DofSpring2Constraint.h>

#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;

namespace {

// Joints get more solver passes than contacts, so that chains and bridges
// stay in one piece however few passes the world's contacts get.
constexpr int kJointPasses = 30;

btRigidBody& rigidOf(NewtonBody* body) {
    return body ? body->rigid : btTypedConstraint::getFixedBody();
}

// A frame given in world space, seen from the body (the fixed world when null).
btTransform frameIn(NewtonBody* body, const btTransform& worldFrame) {
    return body ? body->rigid.getWorldTransform().inverse() * worldFrame : worldFrame;
}

bool joinable(const NewtonWorld* world, const NewtonBody* child, const NewtonBody* parent) {
    return world && child && child->world == world && (!parent || (parent->world == world && parent != child));
}

void wakeBodies(NewtonJoint& joint) {
    engine::wake(*joint.child);
    if (joint.parent) engine::wake(*joint.parent);
}

void replaceConstraint(NewtonJoint& joint, std::unique_ptr<btTypedConstraint> constraint) {
    btDiscreteDynamicsWorld& dynamics = joint.world->dynamics;
    dynamics.removeConstraint(joint.constraint.get());
    joint.constraint = std::move(constraint);
    joint.constraint->setOverrideNumSolverIterations(kJointPasses);
    dynamics.addConstraint(joint.constraint.get(), true);
    wakeBodies(joint);
}

std::unique_ptr<btTypedConstraint> ballSocket(const NewtonJoint& joint) {
    return std::make_unique<btPoint2PointConstraint>(joint.child->rigid, rigidOf(joint.parent), joint.pivotInChild,
                                                     joint.pivotInParent);
}

// A limit angle that does not restrict: 0, π or more, or no number.
bool unlimited(dFloat angle) {
    return !(angle > 0) || !(angle < SIMD_PI);
}

btTransform worldFrame(const dFloat* pivotPoint, const dFloat* pinDir) {
    return btTransform(engine::basisAlong(engine::direction(engine::toVector(pinDir), btVector3(1, 0, 0))),
                       engine::toVector(pivotPoint));
}

}  // namespace

NewtonJoint* NewtonConstraintCreateBall(const NewtonWorld* newtonWorld, const dFloat* pivotPoint,
                                        const NewtonBody* childBody, const NewtonBody* parentBody) {
    if (!joinable(newtonWorld, childBody, parentBody)) return nullptr;
    const btTransform pivot(btMatrix3x3::getIdentity(), engine::toVector(pivotPoint));
    const btVector3 inChild = frameIn(edit(childBody), pivot).getOrigin();
    const btVector3 inParent = frameIn(edit(parentBody), pivot).getOrigin();
    NewtonJoint* joint = engine::addJoint(newtonWorld, JointKind::Ball, childBody, parentBody,
                                  std::make_unique<btPoint2PointConstraint>(edit(childBody)->rigid,
                                                                            rigidOf(edit(parentBody)), inChild,
                                                                            inParent));
    if (joint) {
        joint->pivotInChild = inChild;
        joint->pivotInParent = inParent;
    }
    return joint;
}

void NewtonBallSetConeLimits(const NewtonJoint* ball, const dFloat* pin, dFloat maxConeAngle, dFloat maxTwistAngle) {
    NewtonJoint* joint = edit(ball);
    if (!joint || joint->kind != JointKind::Ball) return;
    const btVector3 axis = engine::direction(engine::toVector(pin), btVector3(0, 0, 0));
    if (axis.isZero() || (unlimited(maxConeAngle) && unlimited(maxTwistAngle))) {
        replaceConstraint(*joint, ballSocket(*joint));
        return;
    }
    const btVector3 pivot = joint->child->rigid.getWorldTransform() * joint->pivotInChild;
    const btTransform frame(engine::basisAlong(axis), pivot);
    auto cone = std::make_unique<btConeTwistConstraint>(rigidOf(joint->parent), joint->child->rigid,
                                                        frameIn(joint->parent, frame), frameIn(joint->child, frame));
    const btScalar swing = unlimited(maxConeAngle) ? SIMD_PI : maxConeAngle;
    const btScalar twist = unlimited(maxTwistAngle) ? SIMD_PI : maxTwistAngle;
    cone->setLimit(swing, swing, twist);
    replaceConstraint(*joint, std::move(cone));
}

NewtonJoint* NewtonConstraintCreateHinge(const NewtonWorld* newtonWorld, const dFloat* pivotPoint,
                                         const dFloat* pinDir, const NewtonBody* childBody,
                                         const NewtonBody* parentBody) {
    if (!joinable(newtonWorld, childBody, parentBody)) return nullptr;
    // Bullet turns a hinge about the z axis of its frames.
    btTransform frame = worldFrame(pivotPoint, pinDir);
    const btMatrix3x3 xToZ(0, 0, 1, 0, 1, 0, -1, 0, 0);
    frame.setBasis(frame.getBasis() * xToZ);
    return engine::addJoint(newtonWorld, JointKind::Hinge, childBody, parentBody,
                    std::make_unique<btHingeConstraint>(rigidOf(edit(parentBody)), edit(childBody)->rigid,
                                                        frameIn(edit(parentBody), frame),
                                                        frameIn(edit(childBody), frame)));
}

NewtonJoint* NewtonConstraintCreateSlider(const NewtonWorld* newtonWorld, const dFloat* pivotPoint,
                                          const dFloat* pinDir, const NewtonBody* childBody,
                                          const NewtonBody* parentBody) {
    if (!joinable(newtonWorld, childBody, parentBody)) return nullptr;
    const btTransform frame = worldFrame(pivotPoint, pinDir);
    return engine::addJoint(newtonWorld, JointKind::Slider, childBody, parentBody,
                    std::make_unique<btSliderConstraint>(rigidOf(edit(parentBody)), edit(childBody)->rigid,
                                                         frameIn(edit(parentBody), frame),
                                                         frameIn(edit(childBody), frame), true));
}

NewtonJoint* NewtonConstraintCreateUpVector(const NewtonWorld* newtonWorld, const dFloat* pinDir,
                                            const NewtonBody* body) {
    if (!joinable(newtonWorld, body, nullptr)) return nullptr;
    const btTransform frame(worldFrame(nullptr, pinDir).getBasis(), body->rigid.getWorldTransform().getOrigin());
    auto upright = std::make_unique<btGeneric6DofSpring2Constraint>(
        btTypedConstraint::getFixedBody(), edit(body)->rigid, frame, frameIn(edit(body), frame), RO_XYZ);
    // Free to move anywhere and to turn about the pin (the frames' x axis), nothing else.
    upright->setLinearLowerLimit(btVector3(1, 1, 1));
    upright->setLinearUpperLimit(btVector3(-1, -1, -1));
    upright->setAngularLowerLimit(btVector3(1, 0, 0));
    upright->setAngularUpperLimit(btVector3(-1, 0, 0));
    return engine::addJoint(newtonWorld, JointKind::UpVector, body, nullptr, std::move(upright));
}

namespace engine {

NewtonJoint* addJoint(const NewtonWorld* newtonWorld, JointKind kind, const NewtonBody* child,
                      const NewtonBody* parent, std::unique_ptr<btTypedConstraint> constraint) {
    NewtonWorld* world = edit(newtonWorld);
    NewtonJoint* joint = world->memory.create<NewtonJoint>(world, kind, edit(child), edit(parent));
    if (!joint) return nullptr;
    joint->constraint = std::move(constraint);
    joint->constraint->setOverrideNumSolverIterations(kJointPasses);
    world->dynamics.addConstraint(joint->constraint.get(), true);
    world->joints.add(joint);
    wakeBodies(*joint);
    return joint;
}

void destroyJoint(NewtonJoint& joint) {
    NewtonWorld& world = *joint.world;
    NewtonRagDollBone* bone = joint.child->bone;
    if (bone && bone->joint == &joint) bone->joint = nullptr;
    world.dynamics.removeConstraint(joint.constraint.get());
    wakeBodies(joint);
    world.joints.remove(&joint);
    world.memory.destroy(&joint);
}

}  // namespace engine

void NewtonDestroyJoint(const NewtonWorld* newtonWorld, const NewtonJoint* joint) {
    NewtonJoint* record = edit(joint);
    if (record && record->world == newtonWorld) engine::destroyJoint(*record);
}

dFloat NewtonCalculateSpringDamperAcceleration(dFloat dt, dFloat ks, dFloat x, dFloat kd, dFloat s) {
    // Implicit integration of x'' = −ks·x − kd·s over dt.
    const dFloat ksd = dt * ks;
    const dFloat numerator = ks * x + kd * s + ksd * s;
    const dFloat denominator = 1.0f + dt * kd + dt * ksd;
    return denominator != 0 ? -numerator / denominator : 0;
}
