// World queries: ray casts with the caller's filters, and bodies in a box.
#include <algorithm>

#include "KEVA_Physics/engine/EngineRecords.h"

using engine::bodyOf;
using engine::edit;

namespace {

// Asks the pre-filter about every body the ray may meet and hands each hit to
// the filter, whose answer becomes the farthest fraction still reported.
class RayReport : public btCollisionWorld::RayResultCallback {
public:
    RayReport(NewtonWorldRayFilterCallback filter, NewtonWorldRayPrefilterCallback prefilter, void* userData)
        : filter_(filter), prefilter_(prefilter), userData_(userData) {}

    bool needsCollision(btBroadphaseProxy* proxy) const override {
        if (!RayResultCallback::needsCollision(proxy)) return false;
        const NewtonBody* body = bodyOf(static_cast<const btCollisionObject*>(proxy->m_clientObject));
        return body && (!prefilter_ || prefilter_(body, body->collision, userData_) != 0);
    }

    btScalar addSingleResult(btCollisionWorld::LocalRayResult& hit, bool normalInWorldSpace) override {
        const NewtonBody* body = bodyOf(hit.m_collisionObject);
        const btVector3 normal = normalInWorldSpace
                                     ? hit.m_hitNormalLocal
                                     : hit.m_collisionObject->getWorldTransform().getBasis() * hit.m_hitNormalLocal;
        dFloat worldNormal[3];
        engine::store(normal, worldNormal);
        const dFloat keep = filter_ ? filter_(body, worldNormal, body->collision->shapeId, userData_, hit.m_hitFraction)
                                    : hit.m_hitFraction;
        m_collisionObject = hit.m_collisionObject;
        m_closestHitFraction = std::isfinite(keep) ? std::clamp<btScalar>(keep, 0, 1) : 0;
        return m_closestHitFraction;
    }

private:
    NewtonWorldRayFilterCallback filter_;
    NewtonWorldRayPrefilterCallback prefilter_;
    void* userData_;
};

class BodiesInBox : public btBroadphaseAabbCallback {
public:
    bool process(const btBroadphaseProxy* proxy) override {
        if (const NewtonBody* body = bodyOf(static_cast<const btCollisionObject*>(proxy->m_clientObject))) {
            found.push_back(body);
        }
        return true;
    }
    std::vector<const NewtonBody*> found;
};

}  // namespace

void NewtonWorldRayCast(const NewtonWorld* newtonWorld, const dFloat* p0, const dFloat* p1,
                        NewtonWorldRayFilterCallback filter, void* userData,
                        NewtonWorldRayPrefilterCallback prefilter) {
    NewtonWorld* world = edit(newtonWorld);
    const btVector3 from = engine::toVector(p0);
    const btVector3 to = engine::toVector(p1);
    if (!world || !engine::finite(from) || !engine::finite(to)) return;
    if (!((to - from).length2() > SIMD_EPSILON * SIMD_EPSILON)) return;  // a ray of no length meets nothing
    engine::admitWaitingBodies(*world);
    RayReport report(filter, prefilter, userData);
    world->dynamics.rayTest(from, to, report);
}

void NewtonWorldForEachBodyInAABBDo(const NewtonWorld* newtonWorld, const dFloat* p0, const dFloat* p1,
                                    NewtonBodyIterator callback, void* userData) {
    NewtonWorld* world = edit(newtonWorld);
    btVector3 low = engine::toVector(p0);
    btVector3 high = engine::toVector(p1);
    if (!world || !callback || !engine::finite(low) || !engine::finite(high)) return;
    const btVector3 corner = low;
    low.setMin(high);
    high.setMax(corner);
    engine::admitWaitingBodies(*world);
    BodiesInBox inBox;
    world->broadphase->aabbTest(low, high, inBox);
    for (const NewtonBody* body : inBox.found) callback(body, userData);
}
