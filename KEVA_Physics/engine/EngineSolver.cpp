#include "KEVA_Physics/engine/EngineSolver.h"

#include <algorithm>

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
