#pragma once
// Inside the engine interface only: the constraint solver of every world.
#include <BulletDynamics/ConstraintSolver/btSequentialImpulseConstraintSolver.h>

#include <random>
#include <vector>

#include "KEVA_Physics/engine/EngineRowSolvers.h"

namespace engine {

// Bullet's sequential impulses, with the passes over the rows of our own.
// Contacts and joints are solved in a new random order each step, so that no
// body of a stack is always pushed before its neighbour and a tall wall does
// not lean the way it was built. Each contact's friction is solved right after
// it, bounded by what that contact pushes at that moment; both are laid out in
// memory in that order, and the bodies' velocities are copied into one compact
// line each while the passes run. The separate push
// that moves overlapping bodies apart visits only the contacts that overlap.
class ShuffledSolver : public btSequentialImpulseConstraintSolver {
public:
    // Islands of more than kLargeIsland bodies solve this many passes at most
    // (0: as many as the others).
    static constexpr int kLargeIsland = 256;
    void setLargeIslandPasses(int passes) { largeIslandPasses_ = passes; }

protected:
    btScalar solveGroupCacheFriendlyIterations(btCollisionObject** bodies, int numBodies,
                                               btPersistentManifold** manifolds, int numManifolds,
                                               btTypedConstraint** constraints, int numConstraints,
                                               const btContactSolverInfo& info, btIDebugDraw* debugDrawer) override;
    void solveGroupCacheFriendlySplitImpulseIterations(btCollisionObject** bodies, int numBodies,
                                                       btPersistentManifold** manifolds, int numManifolds,
                                                       btTypedConstraint** constraints, int numConstraints,
                                                       const btContactSolverInfo& info,
                                                       btIDebugDraw* debugDrawer) override;
    btScalar solveSingleIteration(int iteration, btCollisionObject** bodies, int numBodies,
                                  btPersistentManifold** manifolds, int numManifolds, btTypedConstraint** constraints,
                                  int numConstraints, const btContactSolverInfo& info, btIDebugDraw* debugDrawer) override;

private:
    void shuffle(btAlignedObjectArray<int>& order);
    void gatherContactsInVisitingOrder(int frictionRows);
    rows::MovingBody& moving(int solverBody) { return moving_[static_cast<std::size_t>(solverBody)]; }
    btScalar solveJointRows(int iteration);
    btScalar solveContactsAndFriction(int frictionRows);
    btScalar solveRollingResistance();

    int largeIslandPasses_ = 0;
    std::minstd_rand random_;
    std::vector<rows::MovingBody> moving_;  // the bodies while the passes run
    btAlignedObjectArray<int> overlapping_;  // contact rows with an overlap to undo
    btAlignedObjectArray<int> placeOfContact_;  // where each contact row was gathered to
    btAlignedObjectArray<int> frictionFrom_;    // where each friction row is gathered from
};

}  // namespace engine
