#pragma once
// Inside the engine interface only: the three kinds of rows of the
// sequential-impulse loop, solved on four-float vectors. They do what Bullet's
// own scalar row solvers do (Debian builds Bullet without its vector ones),
// inline in the solver's loop.
#include <BulletDynamics/ConstraintSolver/btSolverConstraint.h>

#include <cstring>

namespace engine {
namespace rows {

using Vec4 = float __attribute__((vector_size(16)));

inline Vec4 load(const btVector3& v) {
    Vec4 lanes;
    std::memcpy(&lanes, v.m_floats, sizeof lanes);
    return lanes;
}

inline void store(btVector3& out, Vec4 lanes) {
    std::memcpy(out.m_floats, &lanes, sizeof lanes);
}

inline Vec4 splat(float value) {
    return Vec4{value, value, value, value};
}

// Which velocities a row reads and changes: the bodies' velocity changes, or
// the push and turn of the separate overlap correction.
struct Velocities {
    btVector3 btSolverBody::*linear;
    btVector3 btSolverBody::*angular;
};

constexpr Velocities kVelocityChange{&btSolverBody::m_deltaLinearVelocity, &btSolverBody::m_deltaAngularVelocity};
constexpr Velocities kPushAndTurn{&btSolverBody::m_pushVelocity, &btSolverBody::m_turnVelocity};

// How fast the row's two sides move apart along it.
inline float rowSpeed(const btSolverBody& a, const btSolverBody& b, const btSolverConstraint& row, Velocities v) {
    const Vec4 sum = load(row.m_contactNormal1) * load(a.*v.linear) + load(row.m_relpos1CrossNormal) * load(a.*v.angular) +
                     load(row.m_contactNormal2) * load(b.*v.linear) + load(row.m_relpos2CrossNormal) * load(b.*v.angular);
    return sum[0] + sum[1] + sum[2];
}

// Static and kinematic bodies have no inverse mass and no turning part in the
// rows: the impulse adds nothing to them, so no test singles them out (it
// would read one more line of every body from memory).
inline void applyImpulse(btSolverBody& body, const btVector3& normal, const btVector3& angularComponent, float impulse,
                  Velocities v) {
    const Vec4 amount = splat(impulse);
    store(body.*v.linear, load(body.*v.linear) + load(normal) * load(body.m_invMass) * amount * load(body.m_linearFactor));
    store(body.*v.angular, load(body.*v.angular) + load(angularComponent) * amount * load(body.m_angularFactor));
}

// One Gauss-Seidel step of the row's impulse, clamped to [lower, upper];
// returns the change of speed it asked for (the solver's residual).
inline btScalar solve(btSolverBody& a, btSolverBody& b, const btSolverConstraint& row, btScalar rhs, btScalar& applied,
               btScalar upper, Velocities v) {
    float delta = rhs - applied * row.m_cfm - rowSpeed(a, b, row, v) * row.m_jacDiagABInv;
    const float sum = applied + delta;
    if (sum < row.m_lowerLimit) {
        delta = row.m_lowerLimit - applied;
        applied = row.m_lowerLimit;
    } else if (sum > upper) {
        delta = upper - applied;
        applied = upper;
    } else {
        applied = sum;
    }
    applyImpulse(a, row.m_contactNormal1, row.m_angularComponentA, delta, v);
    applyImpulse(b, row.m_contactNormal2, row.m_angularComponentB, delta, v);
    return delta / row.m_jacDiagABInv;
}

}  // namespace rows

// A joint or friction row: the row's impulse stays between its limits.
inline btScalar solveLimitedRow(btSolverBody& bodyA, btSolverBody& bodyB, const btSolverConstraint& row) {
    return rows::solve(bodyA, bodyB, row, row.m_rhs, row.m_appliedImpulse, row.m_upperLimit, rows::kVelocityChange);
}

// A contact row: the impulse only pushes (it stays above the lower limit).
inline btScalar solveContactRow(btSolverBody& bodyA, btSolverBody& bodyB, const btSolverConstraint& row) {
    return rows::solve(bodyA, bodyB, row, row.m_rhs, row.m_appliedImpulse, SIMD_INFINITY, rows::kVelocityChange);
}

// The separate push that moves overlapping bodies apart without adding speed.
inline btScalar solvePenetrationRow(btSolverBody& bodyA, btSolverBody& bodyB, const btSolverConstraint& row) {
    if (row.m_rhsPenetration == 0) return 0;
    return rows::solve(bodyA, bodyB, row, row.m_rhsPenetration, row.m_appliedPushImpulse, SIMD_INFINITY, rows::kPushAndTurn);
}

}  // namespace engine
