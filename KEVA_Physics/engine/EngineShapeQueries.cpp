// What the layer asks of a shape: volume and inertia, support points, bounds,
// closest points and its faces.
#include <BulletCollision/NarrowPhaseCollision/btGjkEpa2.h>

#include <limits>

#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;

namespace {

const btConvexShape& convexCore(const NewtonCollision& piece) {
    return *static_cast<const btConvexShape*>(piece.core.get());
}

void emitPolygons(const engine::Polygons& polygons, const btTransform& place, const std::vector<int>* faceIds,
                  int faceId, NewtonCollisionIterator callback, void* userData) {
    std::vector<dFloat> corners;
    std::size_t first = 0;
    for (std::size_t face = 0; face < polygons.counts.size(); ++face) {
        const int count = polygons.counts[face];
        corners.resize(3 * static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) engine::store(place * polygons.corners[first + i], &corners[3 * i]);
        callback(userData, count, corners.data(), faceIds ? (*faceIds)[face] : faceId);
        first += static_cast<std::size_t>(count);
    }
}

}  // namespace

void NewtonConvexCollisionCalculateInertialMatrix(const NewtonCollision* convexCollision, dFloat* inertia,
                                                  dFloat* origin) {
    const engine::MassProperties properties = convexCollision ? engine::massProperties(*convexCollision)
                                                              : engine::MassProperties{};
    engine::store(properties.inertia, inertia);
    engine::store(properties.centre, origin);
}

dFloat NewtonConvexCollisionCalculateVolume(const NewtonCollision* convexCollision) {
    return convexCollision ? engine::massProperties(*convexCollision).volume : 0;
}

void NewtonCollisionSupportVertex(const NewtonCollision* collision, const dFloat* dir, dFloat* vertex) {
    const btVector3 direction = engine::toVector(dir);
    btVector3 best(0, 0, 0);
    if (collision && engine::finite(direction)) {
        btScalar farthest = -std::numeric_limits<btScalar>::infinity();
        auto consider = [&](const btVector3& point) {
            if (direction.dot(point) > farthest) {
                farthest = direction.dot(point);
                best = point;
            }
        };
        if (collision->tree) {
            for (const btVector3& corner : collision->tree->faces.corners) consider(corner);
        }
        engine::forEachConvexPiece(*collision, btTransform::getIdentity(),
                                   [&](const NewtonCollision& piece, const btTransform&) {
                                       const btVector3 local = direction * piece.offset.getBasis();
                                       consider(piece.offset * convexCore(piece).localGetSupportingVertex(local));
                                   });
    }
    engine::store(best, vertex);
}

void NewtonCollisionCalculateAABB(const NewtonCollision* collision, const dFloat* matrix, dFloat* p0, dFloat* p1) {
    btVector3 low(0, 0, 0);
    btVector3 high(0, 0, 0);
    if (collision) collision->shape()->getAabb(engine::toTransform(matrix), low, high);
    engine::store(low, p0);
    engine::store(high, p1);
}

int NewtonCollisionPointDistance(const NewtonWorld*, const dFloat* point, const NewtonCollision* collision,
                                 const dFloat* matrix, dFloat* contact, dFloat* normal, int) {
    const btVector3 from = engine::toVector(point);
    if (!collision || !point || !engine::finite(from) || !collision->shape()) return 1;
    bool inside = false;
    bool found = false;
    btScalar nearest = std::numeric_limits<btScalar>::infinity();
    btVector3 closest(0, 0, 0);
    engine::forEachConvexPiece(*collision, engine::toTransform(matrix),
                               [&](const NewtonCollision& piece, const btTransform& place) {
                                   btGjkEpaSolver2::sResults result;
                                   const btScalar distance = btGjkEpaSolver2::SignedDistance(
                                       from, 0, &convexCore(piece), place * piece.offset, result);
                                   if (!(distance > SIMD_EPSILON) || !engine::finite(result.witnesses[0])) {
                                       inside = true;
                                   } else if (distance < nearest) {
                                       nearest = distance;
                                       closest = result.witnesses[0];
                                       found = true;
                                   }
                               });
    if (inside || !found) return 1;
    const btVector3 towards = engine::direction(closest - from, btVector3(0, 0, 0));
    if (towards.isZero()) return 1;
    engine::store(closest, contact);
    engine::store(towards, normal);
    return 0;
}

void NewtonCollisionForEachPolygonDo(const NewtonCollision* collision, const dFloat* matrix,
                                     NewtonCollisionIterator callback, void* userData) {
    if (!collision || !callback) return;
    const btTransform place = engine::toTransform(matrix);
    if (collision->tree) {
        emitPolygons(collision->tree->faces, place, &collision->tree->attributes, 0, callback, userData);
        return;
    }
    engine::forEachConvexPiece(*collision, place, [&](const NewtonCollision& piece, const btTransform& at) {
        emitPolygons(engine::convexPolygons(piece), at, nullptr, piece.shapeId, callback, userData);
    });
}
