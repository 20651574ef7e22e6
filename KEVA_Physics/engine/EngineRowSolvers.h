#pragma once
// Inside the engine interface only: the three kinds of rows of the
// sequential-impulse loop, solved on four-float vectors. They do what Bullet's
// own scalar row solvers do (Debian builds Bullet without its vector ones),
// inline in the solver's loop.
#include <BulletDynamics/ConstraintSolver/btSolverBody.h>
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

// What the passes over the rows read and change of one body, in one cache
// line: Bullet's solver body spreads it over two or three, and a pass visits
// the bodies in no order the cache could foresee.
struct alignas(64) MovingBody {
    btVector3 linear;         // the change of velocity so far
    btVector3 angular;        // the change of turning speed so far
    btVector3 linearShare;    // inverse mass times the linear factor
    btVector3 angularFactor;
};

// One side of a row: the velocities it reads and changes and how much of an
// impulse reaches them. Static and kinematic bodies have no inverse mass and
// no turning part in the rows, so they take nothing and need no test.
struct Side {
    btVector3& linear;
    btVector3& angular;
    Vec4 linearShare;
    Vec4 angularFactor;
};

inline Side moving(MovingBody& body) {
    return {body.linear, body.angular, load(body.linearShare), load(body.angularFactor)};
}

// The push and turn of the separate overlap correction.
inline Side pushing(btSolverBody& body) {
    return {body.m_pushVelocity, body.m_turnVelocity, load(body.m_invMass) * load(body.m_linearFactor),
            load(body.m_angularFactor)};
}

// How fast the row's two sides move apart along it.
inline float rowSpeed(const Side& a, const Side& b, const btSolverConstraint& row) {
    const Vec4 sum = load(row.m_contactNormal1) * load(a.linear) + load(row.m_relpos1CrossNormal) * load(a.angular) +
                     load(row.m_contactNormal2) * load(b.linear) + load(row.m_relpos2CrossNormal) * load(b.angular);
    return sum[0] + sum[1] + sum[2];
}

inline void applyImpulse(Side& side, const btVector3& normal, const btVector3& angularComponent, float impulse) {
    const Vec4 amount = splat(impulse);
    store(side.linear, load(side.linear) + load(normal) * side.linearShare * amount);
    store(side.angular, load(side.angular) + load(angularComponent) * amount * side.angularFactor);
}

// One Gauss-Seidel step of the row's impulse, clamped to [lower, upper];
// returns the change of speed it asked for (the solver's residual).
inline btScalar solve(Side a, Side b, const btSolverConstraint& row, btScalar rhs, btScalar& applied, btScalar upper) {
    float delta = rhs - applied * row.m_cfm - rowSpeed(a, b, row) * row.m_jacDiagABInv;
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
    applyImpulse(a, row.m_contactNormal1, row.m_angularComponentA, delta);
    applyImpulse(b, row.m_contactNormal2, row.m_angularComponentB, delta);
    return delta / row.m_jacDiagABInv;
}

}  // namespace rows

// A joint or friction row: the row's impulse stays between its limits.
inline btScalar solveLimitedRow(rows::MovingBody& bodyA, rows::MovingBody& bodyB, const btSolverConstraint& row) {
    return rows::solve(rows::moving(bodyA), rows::moving(bodyB), row, row.m_rhs, row.m_appliedImpulse, row.m_upperLimit);
}

// A contact row: the impulse only pushes (it stays above the lower limit).
inline btScalar solveContactRow(rows::MovingBody& bodyA, rows::MovingBody& bodyB, const btSolverConstraint& row) {
    return rows::solve(rows::moving(bodyA), rows::moving(bodyB), row, row.m_rhs, row.m_appliedImpulse, SIMD_INFINITY);
}

// The separate push that moves overlapping bodies apart without adding speed.
inline btScalar solvePenetrationRow(btSolverBody& bodyA, btSolverBody& bodyB, const btSolverConstraint& row) {
    if (row.m_rhsPenetration == 0) return 0;
    return rows::solve(rows::pushing(bodyA), rows::pushing(bodyB), row, row.m_rhsPenetration, row.m_appliedPushImpulse,
                       SIMD_INFINITY);
}

}  // namespace engine
