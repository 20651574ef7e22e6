#include "KEVA_Physics/engine/EngineSolver.h"

#include <algorithm>

#include "KEVA_Physics/engine/EngineRowSolvers.h"

namespace engine {
namespace {

btScalar square(btScalar x) {
    return x * x;
}

}  // namespace

void ShuffledSolver::shuffle(btAlignedObjectArray<int>& order) {
    if (order.size() > 1) std::shuffle(&order[0], &order[0] + order.size(), random_);
}

btScalar ShuffledSolver::solveJointRows(int iteration) {
    btScalar residual = 0;
    for (int i = 0; i < m_tmpSolverNonContactConstraintPool.size(); ++i) {
        const btSolverConstraint& row = m_tmpSolverNonContactConstraintPool[m_orderNonContactConstraintPool[i]];
        if (iteration >= row.m_overrideNumSolverIterations) continue;
        residual = std::max(residual, square(solveLimitedRow(moving(row.m_solverBodyIdA), moving(row.m_solverBodyIdB), row)));
    }
    return residual;
}

// Each contact in the shuffled order, then its own friction rows (one or two)
// within what it pushes now.
btScalar ShuffledSolver::solveContactsAndFriction(int frictionRows) {
    btScalar residual = 0;
    for (int i = 0; i < m_tmpSolverContactConstraintPool.size(); ++i) {
        const btSolverConstraint& contact = m_tmpSolverContactConstraintPool[i];
        rows::MovingBody& bodyA = moving(contact.m_solverBodyIdA);
        rows::MovingBody& bodyB = moving(contact.m_solverBodyIdB);
        residual = std::max(residual, square(solveContactRow(bodyA, bodyB, contact)));
        const btScalar push = contact.m_appliedImpulse;
        if (!(push > 0)) continue;
        for (int f = 0; f < frictionRows; ++f) {
            btSolverConstraint& friction = m_tmpSolverContactFrictionConstraintPool[contact.m_frictionIndex + f];
            friction.m_lowerLimit = -friction.m_friction * push;
            friction.m_upperLimit = friction.m_friction * push;
            residual = std::max(residual, square(solveLimitedRow(bodyA, bodyB, friction)));
        }
    }
    return residual;
}

// Round bodies meet a rolling resistance that grows with their contact's push, up to its coefficient.
btScalar ShuffledSolver::solveRollingResistance() {
    btScalar residual = 0;
    for (int i = 0; i < m_tmpSolverContactRollingFrictionConstraintPool.size(); ++i) {
        btSolverConstraint& row = m_tmpSolverContactRollingFrictionConstraintPool[i];
        const btScalar push = m_tmpSolverContactConstraintPool[row.m_frictionIndex].m_appliedImpulse;
        if (!(push > 0)) continue;
        const btScalar most = std::min(row.m_friction * push, row.m_friction);
        row.m_lowerLimit = -most;
        row.m_upperLimit = most;
        residual = std::max(residual, square(solveLimitedRow(moving(row.m_solverBodyIdA), moving(row.m_solverBodyIdB), row)));
    }
    return residual;
}

// The passes work on compact copies of the bodies' velocity changes, which go
// back to Bullet's bodies when the passes are done. A large island, a pile of
// hundreds of bodies, may solve fewer passes: its contacts start each step
// from last step's impulses, and a pass over it costs the most.
btScalar ShuffledSolver::solveGroupCacheFriendlyIterations(btCollisionObject** bodies, int numBodies,
                                                           btPersistentManifold** manifolds, int numManifolds,
                                                           btTypedConstraint** constraints, int numConstraints,
                                                           const btContactSolverInfo& info, btIDebugDraw* debugDrawer) {
    moving_.resize(static_cast<std::size_t>(m_tmpSolverBodyPool.size()));
    for (int i = 0; i < m_tmpSolverBodyPool.size(); ++i) {
        const btSolverBody& body = m_tmpSolverBodyPool[i];
        moving_[static_cast<std::size_t>(i)] = {body.m_deltaLinearVelocity, body.m_deltaAngularVelocity,
                                                body.m_invMass * body.m_linearFactor, body.m_angularFactor};
    }
    btContactSolverInfo passes = info;
    if (numBodies > kLargeIsland && largeIslandPasses_ > 0) {
        passes.m_numIterations = std::min(info.m_numIterations, largeIslandPasses_);
    }
    const btScalar result = btSequentialImpulseConstraintSolver::solveGroupCacheFriendlyIterations(
        bodies, numBodies, manifolds, numManifolds, constraints, numConstraints, passes, debugDrawer);
    for (int i = 0; i < m_tmpSolverBodyPool.size(); ++i) {
        btSolverBody& body = m_tmpSolverBodyPool[i];
        body.m_deltaLinearVelocity = moving_[static_cast<std::size_t>(i)].linear;
        body.m_deltaAngularVelocity = moving_[static_cast<std::size_t>(i)].angular;
    }
    return result;
}

btScalar ShuffledSolver::solveSingleIteration(int iteration, btCollisionObject**, int, btPersistentManifold**, int,
                                              btTypedConstraint**, int, const btContactSolverInfo& info,
                                              btIDebugDraw*) {
    const int frictionRows = (info.m_solverMode & SOLVER_USE_2_FRICTION_DIRECTIONS) ? 2 : 1;
    if (iteration == 0) {
        // With two friction directions Bullet sizes the contacts' order for
        // twice as many rows and fills only the first half.
        m_orderTmpConstraintPool.resizeNoInitialize(m_tmpSolverContactConstraintPool.size());
        shuffle(m_orderTmpConstraintPool);
        shuffle(m_orderNonContactConstraintPool);
        gatherContactsInVisitingOrder(frictionRows);
    }
    btScalar residual = solveJointRows(iteration);
    if (iteration < info.m_numIterations) {
        residual = std::max(residual, solveContactsAndFriction(frictionRows));
        residual = std::max(residual, solveRollingResistance());
    }
    return residual;
}

// The push apart changes nothing for contacts that do not overlap, which are
// most of them: only the others are visited, as often as Bullet would.
void ShuffledSolver::solveGroupCacheFriendlySplitImpulseIterations(btCollisionObject**, int, btPersistentManifold**,
                                                                   int, btTypedConstraint**, int,
                                                                   const btContactSolverInfo& info, btIDebugDraw*) {
    if (!info.m_splitImpulse) return;
    overlapping_.resize(0);
    for (int i = 0; i < m_tmpSolverContactConstraintPool.size(); ++i) {
        const int row = m_orderTmpConstraintPool[i];
        if (m_tmpSolverContactConstraintPool[row].m_rhsPenetration != 0) overlapping_.push_back(row);
    }
    if (overlapping_.size() == 0) return;
    for (int iteration = 0; iteration < info.m_numIterations; ++iteration) {
        btScalar residual = 0;
        for (int i = 0; i < overlapping_.size(); ++i) {
            const btSolverConstraint& row = m_tmpSolverContactConstraintPool[overlapping_[i]];
            residual = std::max(residual, square(solvePenetrationRow(m_tmpSolverBodyPool[row.m_solverBodyIdA],
                                                                     m_tmpSolverBodyPool[row.m_solverBodyIdB], row)));
        }
        if (residual <= info.m_leastSquaresResidualThreshold) break;
    }
}

}  // namespace engine
