#include "KEVA_Physics/engine/EngineSolver.h"

#include <algorithm>

#include "KEVA_Physics/engine/EngineRowSolvers.h"

namespace engine {

void ShuffledSolver::shuffle(btAlignedObjectArray<int>& order) {
    if (order.size() > 1) std::shuffle(&order[0], &order[0] + order.size(), random_);
}

// The world solves each contact's friction right after the contact, taking
// the friction rows in the order of this list; it lists each contact's own
// rows (one or two) in the contacts' order.
void ShuffledSolver::followContactOrder() {
    const int contacts = m_orderTmpConstraintPool.size();
    if (contacts == 0 || m_orderFrictionConstraintPool.size() % contacts != 0) return;
    const int perContact = m_orderFrictionConstraintPool.size() / contacts;
    for (int c = 0; c < contacts; ++c) {
        const int first = m_tmpSolverContactConstraintPool[m_orderTmpConstraintPool[c]].m_frictionIndex;
        for (int d = 0; d < perContact; ++d) m_orderFrictionConstraintPool[c * perContact + d] = first + d;
    }
}

btScalar ShuffledSolver::solveGroupCacheFriendlySetup(btCollisionObject** bodies, int numBodies,
                                                      btPersistentManifold** manifolds, int numManifolds,
                                                      btTypedConstraint** constraints, int numConstraints,
                                                      const btContactSolverInfo& info, btIDebugDraw* debugDrawer) {
    const btScalar result = btSequentialImpulseConstraintSolver::solveGroupCacheFriendlySetup(
        bodies, numBodies, manifolds, numManifolds, constraints, numConstraints, info, debugDrawer);
    setConstraintRowSolverGeneric(solveLimitedRow);
    setConstraintRowSolverLowerLimit(solveContactRow);
    m_resolveSplitPenetrationImpulse = solvePenetrationRow;
    return result;
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
            const btScalar change =
                solvePenetrationRow(m_tmpSolverBodyPool[row.m_solverBodyIdA], m_tmpSolverBodyPool[row.m_solverBodyIdB], row);
            residual = std::max(residual, change * change);
        }
        if (residual <= info.m_leastSquaresResidualThreshold) break;
    }
}

btScalar ShuffledSolver::solveSingleIteration(int iteration, btCollisionObject** bodies, int numBodies,
                                              btPersistentManifold** manifolds, int numManifolds,
                                              btTypedConstraint** constraints, int numConstraints,
                                              const btContactSolverInfo& info, btIDebugDraw* debugDrawer) {
    if (iteration == 0) {
        shuffle(m_orderTmpConstraintPool);
        shuffle(m_orderNonContactConstraintPool);
        followContactOrder();
    }
    return btSequentialImpulseConstraintSolver::solveSingleIteration(iteration, bodies, numBodies, manifolds,
                                                                    numManifolds, constraints, numConstraints, info,
                                                                    debugDrawer);
}

}  // namespace engine
