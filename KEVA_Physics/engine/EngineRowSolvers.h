#pragma once
// Inside the engine interface only: the three row solvers at the heart of the
// sequential-impulse loop, on four-float vectors. They do what Bullet's own
// scalar ones do; Debian builds Bullet without its vector versions.
#include <BulletDynamics/ConstraintSolver/btSolverConstraint.h>

namespace engine {

// A joint or friction row: the row's impulse stays between its limits.
btScalar solveLimitedRow(btSolverBody& bodyA, btSolverBody& bodyB, const btSolverConstraint& row);
// A contact row: the impulse only pushes (it stays above the lower limit).
btScalar solveContactRow(btSolverBody& bodyA, btSolverBody& bodyB, const btSolverConstraint& row);
// The separate push that moves overlapping bodies apart without adding speed.
btScalar solvePenetrationRow(btSolverBody& bodyA, btSolverBody& bodyB, const btSolverConstraint& row);

}  // namespace engine
