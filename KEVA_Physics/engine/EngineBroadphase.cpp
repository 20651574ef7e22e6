// The broadphase: Bullet's sweep and prune over a world's bodies, with room
// made when more bodies come than it was made for.
#include <algorithm>
#include <bit>
#include <vector>

#include "KEVA_Physics/engine/EngineRecords.h"

namespace {

// The sweep keeps body bounds on an integer grid over this cube, well beyond
// any world box the scenes set; bounds reaching past it are clamped to it,
// which only lets more pairs through to the exact test.
constexpr btScalar kSweptHalfSize = 4096;

struct Admitted {
    btRigidBody* rigid;
    int group;
    int mask;
};

}  // namespace

namespace engine {

// A scene's bodies move a little every step, mostly against the same
// neighbours: the sweep only swaps the few bounds that pass each other, where
// a tree would be searched again for every body that moved.
std::unique_ptr<bt32BitAxisSweep3> makeBroadphase(std::size_t room) {
    const btVector3 corner(kSweptHalfSize, kSweptHalfSize, kSweptHalfSize);
    return std::make_unique<bt32BitAxisSweep3>(-corner, corner, static_cast<unsigned>(room));
}

void dropAllPairs(NewtonWorld& world) {
    btOverlappingPairCache& pairs = *world.dynamics.getPairCache();
    const btBroadphasePairArray& all = pairs.getOverlappingPairArray();
    while (all.size() > 0) {
        const btBroadphasePair& last = all[all.size() - 1];
        pairs.removeOverlappingPair(last.m_pProxy0, last.m_pProxy1, &world.dispatcher);
    }
}

// The sweep holds a fixed number of bodies: past it, the bodies move to a
// sweep twice as large, keeping their order and their collision filters.
// Their contacts start afresh.
void makeRoomForBodies(NewtonWorld& world) {
    if (world.bodies.size() <= world.broadphaseRoom) return;
    btDiscreteDynamicsWorld& dynamics = world.dynamics;
    btCollisionObjectArray& objects = dynamics.getCollisionObjectArray();
    std::vector<Admitted> admitted;
    for (int i = 0; i < objects.size(); ++i) {
        const btBroadphaseProxy& proxy = *objects[i]->getBroadphaseHandle();
        admitted.push_back({btRigidBody::upcast(objects[i]), proxy.m_collisionFilterGroup, proxy.m_collisionFilterMask});
    }
    dropAllPairs(world);
    for (auto it = admitted.rbegin(); it != admitted.rend(); ++it) dynamics.removeRigidBody(it->rigid);

    world.broadphaseRoom = std::bit_ceil(world.bodies.size());
    std::unique_ptr<bt32BitAxisSweep3> larger = makeBroadphase(world.broadphaseRoom);
    larger->getOverlappingPairCache()->setOverlapFilterCallback(&world.pairFilter);
    dynamics.setBroadphase(larger.get());
    world.broadphase = std::move(larger);
    for (const Admitted& body : admitted) dynamics.addRigidBody(body.rigid, body.group, body.mask);
}

}  // namespace engine
