// How many sub-steps one world update takes: enough for the world's minimum
// frame rate, and enough that fast bodies do not pass through thin ones.
#include <algorithm>
#include <cmath>

#include "KEVA_Physics/engine/EngineRecords.h"

namespace {

// Sub-steps per update for fast bodies, at most.
constexpr int kMostMotionSubSteps = 8;

// The extent of the shape's bounds along their shortest and their longest axis.
btVector3 boundsOf(const btCollisionShape& shape) {
    btVector3 low;
    btVector3 high;
    shape.getAabb(btTransform::getIdentity(), low, high);
    return high - low;
}

btScalar thinnestExtent(const btVector3& bounds) {
    return bounds[bounds.minAxis()];
}

btScalar thinnestExtent(const btCollisionShape& shape) {
    return thinnestExtent(boundsOf(shape));
}

// How far any point of the body moves in one step, its rim counted with its spin.
btScalar travelInStep(const btRigidBody& rigid, const btVector3& bounds, btScalar step) {
    const btScalar rim = btScalar(0.5) * bounds.length();
    return (rigid.getLinearVelocity().length() + rigid.getAngularVelocity().length() * rim) * step;
}

// The thinnest of the moving bodies that Bullet does not sweep whose bounds
// meet the given box.
class ThinnestUnsweptNearby : public btBroadphaseAabbCallback {
public:
    explicit ThinnestUnsweptNearby(const NewtonBody& self) : self_(self) {}

    bool process(const btBroadphaseProxy* proxy) override {
        const auto* object = static_cast<const btCollisionObject*>(proxy->m_clientObject);
        const NewtonBody* other = engine::bodyOf(object);
        if (other && other != &self_ && other->isDynamic() && !other->compactSwept) {
            thinnest = std::min(thinnest, thinnestExtent(*object->getCollisionShape()));
        }
        return true;
    }

    btScalar thinnest = BT_LARGE_FLOAT;

private:
    const NewtonBody& self_;
};

// The thickness that bounds how far the body may move in one step, or none
// (infinity). Bullet sweeps compact bodies, which then only matter near thin
// moving ones: a sphere shot at a ring must not sink through the ring's tube
// before the ring starts to move.
btScalar thicknessAtStake(NewtonWorld& world, const NewtonBody& body, const btVector3& bounds, btScalar travel) {
    const btScalar own = thinnestExtent(bounds);
    if (!body.compactSwept || travel <= own * engine::kLargestMoveShare) return own;
    btVector3 low;
    btVector3 high;
    body.rigid.getAabb(low, high);
    const btVector3 reach(travel, travel, travel);
    ThinnestUnsweptNearby nearby(body);
    world.broadphase->aabbTest(low - reach, high + reach, nearby);
    return nearby.thinnest < BT_LARGE_FLOAT ? std::min(own, nearby.thinnest) : nearby.thinnest;
}

int frameRateSubSteps(const NewtonWorld& world, btScalar step) {
    if (!(world.minimumFrameRate > 0)) return 1;
    return std::max(1, static_cast<int>(std::ceil(step * world.minimumFrameRate - btScalar(1e-4))));
}

// Enough sub-steps that no free body moves further than a third of the
// thickness at stake in one of them: thin rings, tiles and posts hit hard would
// otherwise pass through each other between two contact checks. Bodies held by
// joints are left out: their joints keep them from flying off, and thin pieces
// such as hair swing fast for their thickness all the time.
int motionSubSteps(NewtonWorld& world, btScalar step) {
    btScalar most = 0;
    for (NewtonBody* body : world.bodies.all()) {
        if (!body->isDynamic() || !body->rigid.isActive() || body->rigid.getNumConstraintRefs() > 0) continue;
        const btVector3 bounds = boundsOf(*body->rigid.getCollisionShape());
        const btScalar travel = travelInStep(body->rigid, bounds, step);
        const btScalar thickness = thicknessAtStake(world, *body, bounds, travel);
        if (thickness > 0 && thickness < BT_LARGE_FLOAT) {
            most = std::max(most, travel / (thickness * engine::kLargestMoveShare));
        }
    }
    return std::min(kMostMotionSubSteps, static_cast<int>(std::ceil(most)));
}

}  // namespace

namespace engine {

int subStepCount(NewtonWorld& world, btScalar step) {
    return std::max(frameRateSubSteps(world, step), motionSubSteps(world, step));
}

}  // namespace engine
