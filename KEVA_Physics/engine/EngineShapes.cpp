// Convex shapes and compounds: creation, reference counting, release.
#include <BulletCollision/CollisionShapes/btConvexHullShape.h>

#include <algorithm>

#include "KEVA_Physics/engine/EngineHullCache.h"
#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;
using engine::ShapeKind;

namespace {

constexpr btScalar kSmallestSize = btScalar(0.001);
// Margins that Bullet adds outside a shape are kept small beside its size.
constexpr btScalar kLargestMargin = btScalar(0.02);
constexpr btScalar kThinHullMargin = btScalar(0.005);

btScalar size(dFloat value) {
    return std::isfinite(value) ? std::max<btScalar>(btFabs(value), kSmallestSize) : kSmallestSize;
}

btScalar marginFor(btScalar smallestSize) {
    return std::min(kLargestMargin, btScalar(0.1) * smallestSize);
}

NewtonCollision* addShape(const NewtonWorld* newtonWorld, ShapeKind kind, int shapeId, const dFloat* offsetMatrix,
                          std::unique_ptr<btCollisionShape> core, const btVector3& dimensions) {
    NewtonWorld* world = edit(newtonWorld);
    if (!world) return nullptr;
    NewtonCollision* shape = world->memory.create<NewtonCollision>(world, kind, shapeId);
    if (!shape) return nullptr;
    shape->core = std::move(core);
    shape->dimensions = dimensions;
    shape->offset = engine::toTransform(offsetMatrix);
    if (!(shape->offset == btTransform::getIdentity())) {
        shape->placed = std::make_unique<btCompoundShape>(false, 1);
        shape->placed->addChildShape(shape->offset, shape->core.get());
    }
    world->shapes.add(shape);
    return shape;
}

std::vector<btVector3> readPoints(int count, const dFloat* cloud, int strideInBytes) {
    std::vector<btVector3> points;
    if (!cloud || count <= 0) return points;
    const int stride = std::max(strideInBytes, static_cast<int>(3 * sizeof(dFloat)));
    const auto* bytes = reinterpret_cast<const unsigned char*>(cloud);
    for (int i = 0; i < count; ++i) {
        const btVector3 point = engine::toVector(reinterpret_cast<const dFloat*>(bytes + static_cast<std::size_t>(i) * stride));
        if (engine::finite(point)) points.push_back(point);
    }
    return points;
}

// Bullet rounds a hull by its margin, outside the points; the hull is first
// shrunk by that margin so that the rounded surface passes through the points.
std::unique_ptr<btConvexHullShape> hullShape(const std::vector<btVector3>& points) {
    const engine::ComputedHull* shrunk =
        points.size() >= 4 ? &engine::computedHull(points, kLargestMargin, btScalar(0.25)) : nullptr;
    auto hull = std::make_unique<btConvexHullShape>();
    if (shrunk && shrunk->shrunkBy > 0 && shrunk->hull.vertices.size() >= 4) {
        for (int i = 0; i < shrunk->hull.vertices.size(); ++i) hull->addPoint(shrunk->hull.vertices[i], false);
        hull->setMargin(shrunk->shrunkBy);
    } else {
        for (const btVector3& point : points) hull->addPoint(point, false);
        hull->optimizeConvexHull();
        hull->setMargin(kThinHullMargin);
    }
    hull->recalcLocalAabb();
    return hull;
}

}  // namespace

namespace engine {

void retainShape(NewtonCollision& shape) {
    ++shape.references;
}

void releaseShape(NewtonCollision& shape) {
    if (--shape.references > 0) return;
    const std::vector<NewtonCollision*> parts = shape.parts;
    freeShape(shape);
    for (NewtonCollision* part : parts) releaseShape(*part);
}

void freeShape(NewtonCollision& shape) {
    NewtonWorld& world = *shape.world;
    world.shapes.remove(&shape);
    world.memory.destroy(&shape);
}

}  // namespace engine

NewtonCollision* NewtonCreateBox(const NewtonWorld* newtonWorld, dFloat dx, dFloat dy, dFloat dz, int shapeID,
                                 const dFloat* offsetMatrix) {
    const btVector3 half = btVector3(size(dx), size(dy), size(dz)) * btScalar(0.5);
    return addShape(newtonWorld, ShapeKind::Box, shapeID, offsetMatrix, std::make_unique<btBoxShape>(half), half);
}

NewtonCollision* NewtonCreateSphere(const NewtonWorld* newtonWorld, dFloat radiusX, dFloat radiusY, dFloat radiusZ,
                                    int shapeID, const dFloat* offsetMatrix) {
    const btVector3 radii(size(radiusX), size(radiusY), size(radiusZ));
    std::unique_ptr<btCollisionShape> core;
    if (radii.x() == radii.y() && radii.y() == radii.z()) {
        core = std::make_unique<btSphereShape>(radii.x());
    } else {
        // An ellipsoid: the hull of points on it, drawn in by the margin that
        // Bullet rounds the hull with, so that it reaches each radius exactly.
        // (A scaled sphere shape answers with points that are not the
        // ellipsoid's farthest, and its contacts rock a resting ellipsoid ever
        // harder.)
        const btScalar margin = marginFor(radii[radii.minAxis()]);
        auto hull = std::make_unique<btConvexHullShape>();
        for (const btVector3& point : engine::ellipsoidPoints(radii - btVector3(margin, margin, margin))) {
            hull->addPoint(point, false);
        }
        hull->optimizeConvexHull();
        hull->setMargin(margin);
        hull->recalcLocalAabb();
        core = std::move(hull);
    }
    return addShape(newtonWorld, ShapeKind::Sphere, shapeID, offsetMatrix, std::move(core), radii);
}

NewtonCollision* NewtonCreateCone(const NewtonWorld* newtonWorld, dFloat radius, dFloat height, int shapeID,
                                  const dFloat* offsetMatrix) {
    const btScalar r = size(radius);
    const btScalar h = size(height);
    auto cone = std::make_unique<btConeShapeX>(r, h);
    cone->setMargin(marginFor(std::min(r, h)));
    return addShape(newtonWorld, ShapeKind::Cone, shapeID, offsetMatrix, std::move(cone), btVector3(r, h, 0));
}

NewtonCollision* NewtonCreateCylinder(const NewtonWorld* newtonWorld, dFloat radius, dFloat height, int shapeID,
                                      const dFloat* offsetMatrix) {
    const btScalar r = size(radius);
    const btScalar h = size(height);
    return addShape(newtonWorld, ShapeKind::Cylinder, shapeID, offsetMatrix,
                    std::make_unique<btCylinderShapeX>(btVector3(h / 2, r, r)), btVector3(r, h, 0));
}

NewtonCollision* NewtonCreateCapsule(const NewtonWorld* newtonWorld, dFloat radius, dFloat height, int shapeID,
                                     const dFloat* offsetMatrix) {
    const btScalar r = size(radius);
    const btScalar h = std::max(size(height), 2 * r);
    return addShape(newtonWorld, ShapeKind::Capsule, shapeID, offsetMatrix,
                    std::make_unique<btCapsuleShapeX>(r, h - 2 * r), btVector3(r, h, 0));
}

NewtonCollision* NewtonCreateConvexHull(const NewtonWorld* newtonWorld, int count, const dFloat* vertexCloud,
                                        int strideInBytes, dFloat, int shapeID, const dFloat* offsetMatrix) {
    std::vector<btVector3> points = readPoints(count, vertexCloud, strideInBytes);
    if (points.empty()) points.emplace_back(0, 0, 0);
    NewtonCollision* shape =
        addShape(newtonWorld, ShapeKind::ConvexHull, shapeID, offsetMatrix, hullShape(points), btVector3(0, 0, 0));
    if (shape) shape->hullPoints = std::move(points);
    return shape;
}

NewtonCollision* NewtonCreateCompoundCollision(const NewtonWorld* newtonWorld, int count,
                                               NewtonCollision* const collisionPrimitiveArray[], int shapeID) {
    auto compound = std::make_unique<btCompoundShape>(true, std::max(count, 0));
    btCompoundShape& children = *compound;
    NewtonCollision* shape =
        addShape(newtonWorld, ShapeKind::Compound, shapeID, nullptr, std::move(compound), btVector3(0, 0, 0));
    if (!shape || !collisionPrimitiveArray) return shape;
    for (int i = 0; i < count; ++i) {
        NewtonCollision* part = collisionPrimitiveArray[i];
        if (!part || part->world != shape->world || !part->isConvex()) continue;
        engine::retainShape(*part);
        shape->parts.push_back(part);
        children.addChildShape(part->offset, part->core.get());
    }
    return shape;
}

void NewtonReleaseCollision(const NewtonWorld* newtonWorld, const NewtonCollision* collision) {
    NewtonCollision* shape = edit(collision);
    if (shape && shape->world == newtonWorld) engine::releaseShape(*shape);
}
