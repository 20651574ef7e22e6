// Static meshes ("tree collisions"): faces collected between begin and end,
// then kept in a bounding-volume tree for collisions.
#include <BulletCollision/CollisionDispatch/btInternalEdgeUtility.h>
#include <BulletCollision/CollisionShapes/btEmptyShape.h>

#include <algorithm>

#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;

namespace {

engine::TreeMesh* buildingMesh(const NewtonCollision* treeCollision) {
    engine::TreeMesh* mesh = treeCollision ? edit(treeCollision)->tree.get() : nullptr;
    return mesh && mesh->building ? mesh : nullptr;
}

// A thin skin around the triangles gives convex bodies clean, flat contacts
// (without it a box dropped on a mesh lands on one corner first).
constexpr btScalar kMeshMargin = btScalar(0.01);

bool hasArea(const btVector3& a, const btVector3& b, const btVector3& c) {
    return (b - a).cross(c - a).length2() > SIMD_EPSILON * SIMD_EPSILON;
}

}  // namespace

NewtonCollision* NewtonCreateTreeCollision(const NewtonWorld* newtonWorld, int shapeID) {
    NewtonWorld* world = edit(newtonWorld);
    if (!world) return nullptr;
    NewtonCollision* shape = world->memory.create<NewtonCollision>(world, engine::ShapeKind::Tree, shapeID);
    if (!shape) return nullptr;
    shape->tree = std::make_unique<engine::TreeMesh>();
    shape->core = std::make_unique<btEmptyShape>();
    world->shapes.add(shape);
    return shape;
}

void NewtonTreeCollisionBeginBuild(const NewtonCollision* treeCollision) {
    engine::TreeMesh* mesh = treeCollision ? edit(treeCollision)->tree.get() : nullptr;
    if (mesh && !mesh->built) mesh->building = true;
}

void NewtonTreeCollisionAddFace(const NewtonCollision* treeCollision, int vertexCount, const dFloat* vertexPtr,
                                int strideInBytes, int faceAttribute) {
    engine::TreeMesh* mesh = buildingMesh(treeCollision);
    if (!mesh || !vertexPtr || vertexCount < 3) return;
    const int stride = std::max(strideInBytes, static_cast<int>(3 * sizeof(dFloat)));
    const auto* bytes = reinterpret_cast<const unsigned char*>(vertexPtr);
    std::vector<btVector3> corners;
    for (int i = 0; i < vertexCount; ++i) {
        corners.push_back(engine::toVector(reinterpret_cast<const dFloat*>(bytes + static_cast<std::size_t>(i) * stride)));
        if (!engine::finite(corners.back())) return;
    }
    const int first = static_cast<int>(mesh->faces.corners.size());
    mesh->faces.corners.insert(mesh->faces.corners.end(), corners.begin(), corners.end());
    mesh->faces.counts.push_back(vertexCount);
    mesh->attributes.push_back(faceAttribute);
    for (int i = 1; i + 1 < vertexCount; ++i) {
        if (!hasArea(corners[0], corners[i], corners[i + 1])) continue;
        mesh->triangles.insert(mesh->triangles.end(), {first, first + i, first + i + 1});
    }
}

void NewtonTreeCollisionEndBuild(const NewtonCollision* treeCollision, int optimize) {
    engine::TreeMesh* mesh = buildingMesh(treeCollision);
    if (!mesh) return;
    NewtonCollision& shape = *edit(treeCollision);
    mesh->building = false;
    mesh->built = true;
    if (mesh->triangles.empty()) return;  // nothing to collide with: the shape stays empty
    mesh->indexed = std::make_unique<btTriangleIndexVertexArray>(
        static_cast<int>(mesh->triangles.size() / 3), mesh->triangles.data(), static_cast<int>(3 * sizeof(int)),
        static_cast<int>(mesh->faces.corners.size()), mesh->faces.corners[0].m_floats,
        static_cast<int>(sizeof(btVector3)));
    const std::unique_ptr<btCollisionShape> empty = std::move(shape.core);  // until no body holds it
    auto triangles = std::make_unique<btBvhTriangleMeshShape>(mesh->indexed.get(), optimize != 0);
    mesh->edges = std::make_unique<btTriangleInfoMap>();
    triangles->setMargin(kMeshMargin);
    btGenerateInternalEdgeInfo(triangles.get(), mesh->edges.get());
    shape.core = std::move(triangles);
    for (NewtonBody* body : shape.world->bodies.all()) {
        if (body->collision == &shape) engine::refreshBodyShape(*body);
    }
}
