// Material groups with elasticity and friction per pair, which pairs of bodies
// may touch at all, and how contacts are made.
#include <BulletCollision/CollisionDispatch/btInternalEdgeUtility.h>
#include <BulletCollision/CollisionDispatch/btManifoldResult.h>

#include <algorithm>

#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;

namespace engine {
namespace {

const PairMaterial& contactMaterial(const btCollisionObject* object0, const btCollisionObject* object1) {
    static const PairMaterial standard;
    const NewtonBody* body0 = bodyOf(object0);
    const NewtonBody* body1 = bodyOf(object1);
    if (!body0 || !body1) return standard;
    return body0->world->materials.pair(body0->materialGroup, body1->materialGroup);
}

// Bullet keeps one friction coefficient per contact: the kinetic one, so that
// a body sliding down a slope keeps sliding as it would once moving.
btScalar combinedFriction(const btCollisionObject* object0, const btCollisionObject* object1) {
    return contactMaterial(object0, object1).kineticFriction;
}

btScalar combinedRestitution(const btCollisionObject* object0, const btCollisionObject* object1) {
    return contactMaterial(object0, object1).elasticity;
}

// Round bodies meet a little rolling and spinning resistance (as from a
// contact 5 cm wide), so that balls and cylinders come to rest; flat bodies
// need none.
constexpr btScalar kRollingResistance = btScalar(0.05);

bool rolls(const NewtonBody* body) {
    switch (body->collision->kind) {
    case ShapeKind::Sphere:
    case ShapeKind::Cone:
    case ShapeKind::Cylinder:
    case ShapeKind::Capsule:
        return true;
    default:
        return false;
    }
}

btScalar rollingResistance(const btCollisionObject* object0, const btCollisionObject* object1) {
    const NewtonBody* body0 = bodyOf(object0);
    const NewtonBody* body1 = bodyOf(object1);
    return body0 && body1 && (rolls(body0) || rolls(body1)) ? kRollingResistance : 0;
}

// A body sliding over a static mesh would bump into the edges between its
// triangles; their contacts are turned to the face normals.
bool smoothMeshContact(btManifoldPoint& point, const btCollisionObjectWrapper* object0, int part0, int index0,
                       const btCollisionObjectWrapper* object1, int part1, int index1) {
    btAdjustInternalEdgeContacts(point, object1, object0, part1, index1);
    btAdjustInternalEdgeContacts(point, object0, object1, part0, index0);
    return true;
}

}  // namespace

void installContactCallbacks() {
    gCalculateCombinedFrictionCallback = &combinedFriction;
    gCalculateCombinedRestitutionCallback = &combinedRestitution;
    gCalculateCombinedRollingFrictionCallback = &rollingResistance;
    gCalculateCombinedSpinningFrictionCallback = &rollingResistance;
    gContactAddedCallback = &smoothMeshContact;
}

int MaterialTable::createGroup() {
    const int groups = groups_ + 1;
    std::vector<PairMaterial> pairs(static_cast<std::size_t>(groups * groups));
    for (int i = 0; i < groups_; ++i) {
        for (int j = 0; j < groups_; ++j) pairs[static_cast<std::size_t>(i * groups + j)] = pair(i, j);
    }
    pairs_ = std::move(pairs);
    groups_ = groups;
    return groups_ - 1;
}

PairMaterial& MaterialTable::pair(int id0, int id1) {
    return const_cast<PairMaterial&>(std::as_const(*this).pair(id0, id1));
}

const PairMaterial& MaterialTable::pair(int id0, int id1) const {
    const int low = valid(id0) && valid(id1) ? std::min(id0, id1) : 0;
    const int high = valid(id0) && valid(id1) ? std::max(id0, id1) : 0;
    return pairs_[static_cast<std::size_t>(low * groups_ + high)];
}

bool PairFilter::needBroadphaseCollision(btBroadphaseProxy* proxy0, btBroadphaseProxy* proxy1) const {
    if (!(proxy0->m_collisionFilterGroup & proxy1->m_collisionFilterMask) ||
        !(proxy1->m_collisionFilterGroup & proxy0->m_collisionFilterMask)) {
        return false;
    }
    const NewtonBody* body0 = bodyOf(static_cast<const btCollisionObject*>(proxy0->m_clientObject));
    const NewtonBody* body1 = bodyOf(static_cast<const btCollisionObject*>(proxy1->m_clientObject));
    return !(body0 && body1 && body0->bone && body1->bone && body0->bone->ragdoll == body1->bone->ragdoll);
}

}  // namespace engine

int NewtonMaterialGetDefaultGroupID(const NewtonWorld*) {
    return 0;
}

int NewtonMaterialCreateGroupID(const NewtonWorld* newtonWorld) {
    NewtonWorld* world = edit(newtonWorld);
    return world ? world->materials.createGroup() : 0;
}

void NewtonMaterialSetDefaultElasticity(const NewtonWorld* newtonWorld, int id0, int id1, dFloat elasticCoef) {
    NewtonWorld* world = edit(newtonWorld);
    if (!world || !world->materials.valid(id0) || !world->materials.valid(id1) || !std::isfinite(elasticCoef)) return;
    world->materials.pair(id0, id1).elasticity = std::clamp<btScalar>(elasticCoef, 0, 1);
}

void NewtonMaterialSetDefaultFriction(const NewtonWorld* newtonWorld, int id0, int id1, dFloat,
                                      dFloat kineticFriction) {
    NewtonWorld* world = edit(newtonWorld);
    if (!world || !world->materials.valid(id0) || !world->materials.valid(id1) || !std::isfinite(kineticFriction)) return;
    world->materials.pair(id0, id1).kineticFriction = std::max<btScalar>(kineticFriction, 0);
}
