#include "KEVA_Physics/EngineSolver.h"

#include <algorithm>

namespace engine {

void ShuffledSolver::shuffle(btAlignedObjectArray<int>& order) {
    if (order.size() > 1) std::shuffle(&order[0], &order[0] + order.size(), random_);
}

btScalar ShuffledSolver::solveSingleIteration(int iteration, btCollisionObject** bodies, int numBodies,
                                              btPersistentManifold** manifolds, int numManifolds,
                                              btTypedConstraint** constraints, int numConstraints,
                                              const btContactSolverInfo& info, btIDebugDraw* debugDrawer) {
    if (iteration == 0) {
        shuffle(m_orderTmpConstraintPool);
        shuffle(m_orderNonContactConstraintPool);
    }
    return btSequentialImpulseConstraintSolver::solveSingleIteration(iteration, bodies, numBodies, manifolds,
                                                                    numManifolds, constraints, numConstraints, info,
                                                                    debugDrawer);
}

}  // namespace engine
