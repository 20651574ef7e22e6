// Laying the contact and friction rows out in memory in the order the solver
// visits them, so that its passes read them one after another.
#include <algorithm>

#include "KEVA_Physics/engine/EngineSolver.h"

namespace engine {
namespace {

// Rearranges items so that the item at i is the one that was at from[i];
// from is left as 0, 1, 2, ... Each item moves once, along the cycles of from.
template <class Item>
void gatherInPlace(btAlignedObjectArray<Item>& items, btAlignedObjectArray<int>& from) {
    for (int start = 0; start < from.size(); ++start) {
        if (from[start] == start) continue;
        const Item held = items[start];
        int at = start;
        for (;;) {
            const int source = from[at];
            from[at] = at;
            if (source == start) {
                items[at] = held;
                break;
            }
            items[at] = items[source];
            at = source;
        }
    }
}

}  // namespace

// The contacts come in their shuffled order and each one's friction rows
// follow the same order, so the passes stream through both pools instead of
// jumping about them: the rows, not the bodies, are most of what a pass reads.
// The rows and the order in which they are solved stay the same.
void ShuffledSolver::gatherContactsInVisitingOrder(int frictionRows) {
    const int contacts = m_tmpSolverContactConstraintPool.size();
    if (m_tmpSolverContactFrictionConstraintPool.size() != contacts * frictionRows) return;
    placeOfContact_.resizeNoInitialize(contacts);
    for (int i = 0; i < contacts; ++i) placeOfContact_[m_orderTmpConstraintPool[i]] = i;
    gatherInPlace(m_tmpSolverContactConstraintPool, m_orderTmpConstraintPool);

    frictionFrom_.resizeNoInitialize(contacts * frictionRows);
    for (int i = 0; i < contacts; ++i) {
        btSolverConstraint& contact = m_tmpSolverContactConstraintPool[i];
        for (int f = 0; f < frictionRows; ++f) frictionFrom_[i * frictionRows + f] = contact.m_frictionIndex + f;
        contact.m_frictionIndex = i * frictionRows;
    }
    gatherInPlace(m_tmpSolverContactFrictionConstraintPool, frictionFrom_);
    for (int i = 0; i < m_tmpSolverContactFrictionConstraintPool.size(); ++i) {
        m_tmpSolverContactFrictionConstraintPool[i].m_frictionIndex = i / frictionRows;
    }
    for (int i = 0; i < m_tmpSolverContactRollingFrictionConstraintPool.size(); ++i) {
        btSolverConstraint& row = m_tmpSolverContactRollingFrictionConstraintPool[i];
        row.m_frictionIndex = placeOfContact_[row.m_frictionIndex];
    }
}

}  // namespace engine
