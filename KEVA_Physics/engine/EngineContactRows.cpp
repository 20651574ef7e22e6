// Setting up the rows of the contacts: the same rows Bullet's own set-up makes,
// with what each contact's two bodies bring read once per pair of bodies and
// the sums done on four-float vectors (Debian builds Bullet's vectors scalar).
// The sums are Bullet's, in Bullet's order, so the rows come out the same.
#include "KEVA_Physics/engine/EngineSolver.h"

#include <BulletCollision/NarrowPhaseCollision/btPersistentManifold.h>
#include <BulletDynamics/Dynamics/btRigidBody.h>

#include <initializer_list>

#include "KEVA_Physics/engine/EngineRowSolvers.h"

namespace engine {
namespace {

using rows::load;
using rows::splat;
using rows::Vec4;

Vec4 cross3(Vec4 a, Vec4 b) {
    return __builtin_shufflevector(a, a, 1, 2, 0, 3) * __builtin_shufflevector(b, b, 2, 0, 1, 3) -
           __builtin_shufflevector(a, a, 2, 0, 1, 3) * __builtin_shufflevector(b, b, 1, 2, 0, 3);
}

btScalar dot3(Vec4 a, Vec4 b) {
    const Vec4 products = a * b;
    return products[0] + products[1] + products[2];
}

// Bullet's vectors keep their fourth float at zero.
void put(btVector3& out, Vec4 value) {
    value[3] = 0;
    rows::store(out, value);
}

// What the solver's settings make of every contact alike.
struct ContactSettings {
    explicit ContactSettings(const btContactSolverInfo& info)
        : relaxation(info.m_sor),
          invTimeStep(btScalar(1) / info.m_timeStep),
          cfm(info.m_globalCfm * invTimeStep),
          erp(info.m_erp2),
          linearSlop(info.m_linearSlop),
          restitutionThreshold(info.m_restitutionVelocityThreshold),
          warmStarting((info.m_solverMode & SOLVER_USE_WARMSTARTING) != 0),
          warmStartingFactor(info.m_warmstartingFactor),
          splitImpulse(info.m_splitImpulse != 0),
          splitThreshold(info.m_splitImpulsePenetrationThreshold),
          twoFrictionDirections((info.m_solverMode & SOLVER_USE_2_FRICTION_DIRECTIONS) != 0) {}

    btScalar relaxation;
    btScalar invTimeStep;
    btScalar cfm;
    btScalar erp;
    btScalar linearSlop;
    btScalar restitutionThreshold;
    bool warmStarting;
    btScalar warmStartingFactor;
    bool splitImpulse;
    btScalar splitThreshold;
    bool twoFrictionDirections;
};

// One body of a contact as its rows see it. The world's fixed body, which
// stands for every static body, has no body of its own and takes no part.
struct ContactSide {
    explicit ContactSide(btSolverBody& solverBody) : body(solverBody), moving(solverBody.m_originalBody != nullptr) {
        if (!moving) return;
        const btRigidBody& rigid = *solverBody.m_originalBody;
        invMass = rigid.getInvMass();
        const btMatrix3x3& inertia = rigid.getInvInertiaTensorWorld();
        for (int i = 0; i < 3; ++i) inverseInertia[i] = Vec4{inertia[0][i], inertia[1][i], inertia[2][i], 0};
        angularFactor = load(rigid.getAngularFactor());
        linear = load(solverBody.m_linearVelocity);
        angular = load(solverBody.m_angularVelocity);
        pushedLinear = linear + load(solverBody.m_externalForceImpulse);
        pushedAngular = angular + load(solverBody.m_externalTorqueImpulse);
    }

    // The change of turning speed a unit impulse with this torque axis makes.
    Vec4 turn(Vec4 torqueAxis) const {
        return (inverseInertia[0] * splat(torqueAxis[0]) + inverseInertia[1] * splat(torqueAxis[1]) +
                inverseInertia[2] * splat(torqueAxis[2])) *
               angularFactor;
    }

    // The inverse mass a row along axis meets at the point offset from the body.
    btScalar share(Vec4 axis, Vec4 angularComponent, Vec4 offset) const {
        return invMass + dot3(axis, cross3(angularComponent, offset));
    }

    void warmStart(Vec4 normal, Vec4 angularComponent, btScalar impulse) {
        const Vec4 amount = splat(impulse);
        put(body.m_deltaLinearVelocity, load(body.m_deltaLinearVelocity) +
                                            normal * load(body.m_invMass) * amount * load(body.m_linearFactor));
        put(body.m_deltaAngularVelocity,
            load(body.m_deltaAngularVelocity) + angularComponent * (amount * load(body.m_angularFactor)));
    }

    btSolverBody& body;
    bool moving;
    btScalar invMass = 0;
    Vec4 inverseInertia[3] = {};
    Vec4 angularFactor = {};
    Vec4 linear = {};         // the velocities at the step's start
    Vec4 angular = {};
    Vec4 pushedLinear = {};   // with the step's force and torque added
    Vec4 pushedAngular = {};
};

// How a row acts on one body: the direction it pushes along, the torque axis
// and the change of turning speed per unit impulse.
struct RowSide {
    Vec4 normal;
    Vec4 torque;
    Vec4 angular;
};

void putSides(btSolverConstraint& row, const RowSide& a, const RowSide& b) {
    put(row.m_contactNormal1, a.normal);
    put(row.m_relpos1CrossNormal, a.torque);
    put(row.m_angularComponentA, a.angular);
    put(row.m_contactNormal2, b.normal);
    put(row.m_relpos2CrossNormal, b.torque);
    put(row.m_angularComponentB, b.angular);
}

// Where a contact point lies on each of its bodies.
struct ContactOffsets {
    Vec4 onA;
    Vec4 onB;
};

// A friction row along axis: the sliding along it is stopped, within the
// limits the contact's push sets as the passes run.
void setFrictionRow(btSolverConstraint& row, Vec4 axis, const ContactSide& a, const ContactSide& b,
                    const ContactOffsets& at, btScalar friction, btScalar relaxation) {
    const Vec4 zero = {};
    const Vec4 normalA = a.moving ? axis : zero;
    const Vec4 normalB = b.moving ? -axis : zero;
    const Vec4 torqueA = a.moving ? cross3(at.onA, normalA) : zero;
    const Vec4 torqueB = b.moving ? cross3(at.onB, normalB) : zero;
    const Vec4 angularA = a.moving ? a.turn(torqueA) : zero;
    const Vec4 angularB = b.moving ? b.turn(torqueB) : zero;
    const btScalar shareA = a.moving ? a.share(axis, angularA, at.onA) : 0;
    const btScalar shareB = b.moving ? b.share(axis, -angularB, at.onB) : 0;
    const btScalar jacobian = relaxation / (shareA + shareB);
    const btScalar speedA = a.moving ? dot3(normalA, a.pushedLinear) + dot3(torqueA, a.angular) : 0;
    const btScalar speedB = b.moving ? dot3(normalB, b.pushedLinear) + dot3(torqueB, b.angular) : 0;
    putSides(row, {normalA, torqueA, angularA}, {normalB, torqueB, angularB});
    row.m_friction = friction;
    row.m_originalContactPoint = nullptr;
    row.m_appliedImpulse = 0;
    row.m_appliedPushImpulse = 0;
    row.m_jacDiagABInv = jacobian;
    row.m_rhs = btScalar(0) + (btScalar(0) - (speedA + speedB)) * jacobian;
    row.m_rhsPenetration = 0;
    row.m_cfm = 0;
    row.m_lowerLimit = -friction;
    row.m_upperLimit = friction;
}

// The contact row: the bodies do not move into each other, an overlap is
// undone (within the step, or by the separate push), and a fast enough hit
// bounces back by the pair's elasticity. Last step's push starts it off.
void setContactRow(btSolverConstraint& row, btManifoldPoint& point, ContactSide& a, ContactSide& b,
                   const ContactOffsets& at, const ContactSettings& settings) {
    const Vec4 zero = {};
    const Vec4 normal = load(point.m_normalWorldOnB);
    const Vec4 torqueA = cross3(at.onA, normal);
    const Vec4 torqueB = cross3(at.onB, normal);
    const Vec4 angularA = a.moving ? a.turn(torqueA) : zero;
    const Vec4 angularB = b.moving ? b.turn(-torqueB) : zero;
    const btScalar shareA = a.moving ? a.share(normal, angularA, at.onA) : 0;
    const btScalar shareB = b.moving ? b.share(normal, -angularB, at.onB) : 0;
    const btScalar jacobian = settings.relaxation / (shareA + shareB + settings.cfm);
    const Vec4 normalA = a.moving ? normal : zero;
    const Vec4 normalB = b.moving ? -normal : zero;
    const Vec4 crossA = a.moving ? torqueA : zero;
    const Vec4 crossB = b.moving ? -torqueB : zero;

    const Vec4 velocityA = a.moving ? a.linear + cross3(a.angular, at.onA) : zero;
    const Vec4 velocityB = b.moving ? b.linear + cross3(b.angular, at.onB) : zero;
    const btScalar approach = dot3(normal, velocityA - velocityB);
    btScalar restitution = btFabs(approach) < settings.restitutionThreshold ? 0 : point.m_combinedRestitution * -approach;
    if (restitution <= 0) restitution = 0;

    btScalar applied = 0;
    if (settings.warmStarting) {
        applied = point.m_appliedImpulse * settings.warmStartingFactor;
        if (a.moving) a.warmStart(normalA, angularA, applied);
        if (b.moving) b.warmStart(-normalB, -angularB, -applied);
    }

    const btScalar speed = dot3(normalA, a.pushedLinear) + dot3(crossA, a.pushedAngular) +
                           (dot3(normalB, b.pushedLinear) + dot3(crossB, b.pushedAngular));
    const btScalar penetration = point.getDistance() + settings.linearSlop;
    btScalar velocityError = restitution - speed;
    btScalar positionalError = 0;
    if (penetration > 0) {
        velocityError -= penetration * settings.invTimeStep;
    } else {
        positionalError = -penetration * settings.erp * settings.invTimeStep;
    }
    const btScalar penetrationImpulse = positionalError * jacobian;
    const btScalar velocityImpulse = velocityError * jacobian;

    putSides(row, {normalA, crossA, angularA}, {normalB, crossB, angularB});
    row.m_originalContactPoint = &point;
    row.m_friction = point.m_combinedFriction;
    row.m_jacDiagABInv = jacobian;
    row.m_appliedImpulse = applied;
    row.m_appliedPushImpulse = 0;
    if (!settings.splitImpulse || penetration > settings.splitThreshold) {
        row.m_rhs = penetrationImpulse + velocityImpulse;
        row.m_rhsPenetration = 0;
    } else {
        row.m_rhs = velocityImpulse;
        row.m_rhsPenetration = penetrationImpulse;
    }
    row.m_cfm = settings.cfm * jacobian;
    row.m_lowerLimit = 0;
    row.m_upperLimit = 1e10f;
}

// Contacts whose points carry a stiffness, an anchor or directions of their own,
// and bodies with a friction that differs by direction, take Bullet's own set-up.
bool takesBulletsSetUp(const btPersistentManifold& manifold) {
    constexpr int kAnisotropic =
        btCollisionObject::CF_ANISOTROPIC_FRICTION | btCollisionObject::CF_ANISOTROPIC_ROLLING_FRICTION;
    if (manifold.getBody0()->hasAnisotropicFriction(kAnisotropic) ||
        manifold.getBody1()->hasAnisotropicFriction(kAnisotropic)) {
        return true;
    }
    for (int i = 0; i < manifold.getNumContacts(); ++i) {
        if (manifold.getContactPoint(i).m_contactPointFlags != 0) return true;
    }
    return false;
}

}  // namespace

void ShuffledSolver::convertContacts(btPersistentManifold** manifolds, int numManifolds,
                                     const btContactSolverInfo& info) {
    const bool ownDirections = (info.m_solverMode & SOLVER_DISABLE_VELOCITY_DEPENDENT_FRICTION_DIRECTION) != 0;
    for (int i = 0; i < numManifolds; ++i) {
        if (ownDirections || takesBulletsSetUp(*manifolds[i])) {
            convertContact(manifolds[i], info);
        } else {
            addContactRows(*manifolds[i], info);
        }
    }
}

// Each point close enough gets its contact row, then the rows of rolling and
// spinning resistance when the pair has any, then one or two friction rows:
// along the sliding, or along two directions across the normal when the
// bodies do not slide.
void ShuffledSolver::addContactRows(btPersistentManifold& manifold, const btContactSolverInfo& info) {
    btCollisionObject* objectA = const_cast<btCollisionObject*>(manifold.getBody0());
    btCollisionObject* objectB = const_cast<btCollisionObject*>(manifold.getBody1());
    const int idA = getOrInitSolverBody(*objectA, info.m_timeStep);
    const int idB = getOrInitSolverBody(*objectB, info.m_timeStep);
    btSolverBody& bodyA = m_tmpSolverBodyPool[idA];
    btSolverBody& bodyB = m_tmpSolverBodyPool[idB];
    if (bodyA.m_invMass.fuzzyZero() && bodyB.m_invMass.fuzzyZero()) return;

    const ContactSettings settings(info);
    ContactSide a(bodyA);
    ContactSide b(bodyB);
    const Vec4 originA = load(objectA->getWorldTransform().getOrigin());
    const Vec4 originB = load(objectB->getWorldTransform().getOrigin());
    for (int j = 0; j < manifold.getNumContacts(); ++j) {
        btManifoldPoint& point = manifold.getContactPoint(j);
        if (point.getDistance() > manifold.getContactProcessingThreshold()) continue;
        const int contactIndex = m_tmpSolverContactConstraintPool.size();
        btSolverConstraint& contact = m_tmpSolverContactConstraintPool.expandNonInitializing();
        contact.m_solverBodyIdA = idA;
        contact.m_solverBodyIdB = idB;
        const ContactOffsets at{load(point.getPositionWorldOnA()) - originA, load(point.getPositionWorldOnB()) - originB};
        const Vec4 zero = {};
        const Vec4 velocity = (a.moving ? a.pushedLinear + cross3(a.pushedAngular, at.onA) : zero) -
                              (b.moving ? b.pushedLinear + cross3(b.pushedAngular, at.onB) : zero);
        const Vec4 normal = load(point.m_normalWorldOnB);
        const btScalar approach = dot3(normal, velocity);
        setContactRow(contact, point, a, b, at, settings);
        contact.m_frictionIndex = m_tmpSolverContactFrictionConstraintPool.size();

        if (point.m_combinedRollingFriction > 0) {
            btVector3 onA;
            btVector3 onB;
            put(onA, at.onA);
            put(onB, at.onB);
            addTorsionalFrictionConstraint(point.m_normalWorldOnB, idA, idB, contactIndex, point,
                                           point.m_combinedSpinningFriction, onA, onB, objectA, objectB,
                                           settings.relaxation);
            btVector3 axis0;
            btVector3 axis1;
            btPlaneSpace1(point.m_normalWorldOnB, axis0, axis1);
            axis0.normalize();
            axis1.normalize();
            for (const btVector3& axis : {axis0, axis1}) {
                if (axis.length() > 0.001) {
                    addTorsionalFrictionConstraint(axis, idA, idB, contactIndex, point, point.m_combinedRollingFriction,
                                                   onA, onB, objectA, objectB, settings.relaxation);
                }
            }
        }

        Vec4 sliding = velocity - normal * splat(approach);
        const btScalar slidingSquared = dot3(sliding, sliding);
        if (slidingSquared > SIMD_EPSILON) {
            sliding = sliding * splat(1.f / btSqrt(slidingSquared));
            put(point.m_lateralFrictionDir1, sliding);
            if (settings.twoFrictionDirections) {
                point.m_lateralFrictionDir2 = point.m_lateralFrictionDir1.cross(point.m_normalWorldOnB);
                point.m_lateralFrictionDir2.normalize();
            }
        } else {
            btPlaneSpace1(point.m_normalWorldOnB, point.m_lateralFrictionDir1, point.m_lateralFrictionDir2);
        }
        const int rows = settings.twoFrictionDirections ? 2 : 1;
        for (int r = 0; r < rows; ++r) {
            btSolverConstraint& friction = m_tmpSolverContactFrictionConstraintPool.expandNonInitializing();
            friction.m_frictionIndex = contactIndex;
            friction.m_solverBodyIdA = idA;
            friction.m_solverBodyIdB = idB;
            setFrictionRow(friction, load(r == 0 ? point.m_lateralFrictionDir1 : point.m_lateralFrictionDir2), a, b,
                           at, point.m_combinedFriction, settings.relaxation);
        }
    }
}

}  // namespace engine
