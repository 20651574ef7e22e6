#pragma once
// Inside the engine interface only, never included above it: the records behind
// the opaque handles of NewtonImport.h, kept on Bullet.
#include <BulletCollision/CollisionShapes/btTriangleInfoMap.h>
#include <btBulletDynamicsCommon.h>

#include <cmath>
#include <cstddef>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "KEVA_Physics/engine/EngineSolver.h"
#include "KEVA_Physics/engine/KEVA_NewtonExt.h"
#include "KEVA_Physics/engine/NewtonImport.h"

namespace engine {

// The records of one world come from the world's memory callbacks.
struct Memory {
    NewtonAllocMemory allocate = nullptr;
    NewtonFreeMemory release = nullptr;

    template <class T, class... Args>
    T* create(Args&&... args) const {
        static_assert(alignof(T) <= alignof(std::max_align_t), "memory callbacks align like malloc");
        void* block = allocate ? allocate(static_cast<int>(sizeof(T))) : ::operator new(sizeof(T));
        return block ? new (block) T(std::forward<Args>(args)...) : nullptr;
    }

    template <class T>
    void destroy(T* record) const {
        if (!record) return;
        record->~T();
        if (release) {
            release(record, static_cast<int>(sizeof(T)));
        } else {
            ::operator delete(record);
        }
    }
};

// The records a world owns; removal in constant time (order not kept).
template <class T>
class Registry {
public:
    void add(T* record) {
        record->slot = records_.size();
        records_.push_back(record);
    }
    void remove(T* record) {
        T* last = records_.back();
        records_[record->slot] = last;
        last->slot = record->slot;
        records_.pop_back();
    }
    std::size_t size() const { return records_.size(); }
    T* operator[](std::size_t index) const { return records_[index]; }
    const std::vector<T*>& all() const { return records_; }

private:
    std::vector<T*> records_;
};

enum class ShapeKind { Box, Sphere, Cone, Cylinder, Capsule, ConvexHull, Compound, Tree };

// Closed polygons, their corners one after another.
struct Polygons {
    std::vector<btVector3> corners;
    std::vector<int> counts;
};

// The faces of a static mesh and the triangles Bullet collides with.
struct TreeMesh {
    Polygons faces;
    std::vector<int> attributes;
    std::vector<int> triangles;  // three indices into faces.corners each
    std::unique_ptr<btTriangleIndexVertexArray> indexed;
    std::unique_ptr<btTriangleInfoMap> edges;  // which edges are inside the surface
    bool building = false;
    bool built = false;
};

// Volume, centre of volume and inertia per unit mass about that centre.
struct MassProperties {
    btScalar volume = 0;
    btVector3 centre{0, 0, 0};
    btVector3 inertia{0, 0, 0};
};

struct PairMaterial {
    btScalar elasticity = btScalar(0.2);
    btScalar kineticFriction = btScalar(0.5);
};

// Elasticity and friction for every pair of material groups.
class MaterialTable {
public:
    int createGroup();
    int groupCount() const { return groups_; }
    PairMaterial& pair(int id0, int id1);
    const PairMaterial& pair(int id0, int id1) const;
    bool valid(int id) const { return id >= 0 && id < groups_; }

private:
    int groups_ = 1;
    std::vector<PairMaterial> pairs_ = std::vector<PairMaterial>(1);
};

// Keeps the bones of one ragdoll from colliding with each other.
class PairFilter : public btOverlapFilterCallback {
public:
    bool needBroadphaseCollision(btBroadphaseProxy* proxy0, btBroadphaseProxy* proxy1) const override;
};

}  // namespace engine

struct NewtonCollision {
    NewtonCollision(NewtonWorld* owner, engine::ShapeKind shapeKind, int id) : world(owner), kind(shapeKind), shapeId(id) {}

    NewtonWorld* world;
    engine::ShapeKind kind;
    int shapeId;
    int references = 1;
    std::size_t slot = 0;
    btVector3 dimensions{0, 0, 0};              // box: half sizes; sphere: radii; cone, cylinder, capsule: (radius, height, 0)
    std::vector<btVector3> hullPoints;          // convex hull: the points given
    std::vector<NewtonCollision*> parts;        // compound: its parts, one reference each
    std::unique_ptr<engine::TreeMesh> tree;     // static mesh (outlives core, which reads it)
    std::unique_ptr<btCollisionShape> core;     // the shape in its own frame
    btTransform offset = btTransform::getIdentity();
    std::unique_ptr<btCompoundShape> placed;    // core placed by offset, when there is one
    mutable std::unique_ptr<engine::Polygons> polygons;  // convex: faces in the body frame, made on first use
    mutable std::optional<engine::MassProperties> properties;  // made on first use

    btCollisionShape* shape() const { return placed ? static_cast<btCollisionShape*>(placed.get()) : core.get(); }
    bool isConvex() const { return kind != engine::ShapeKind::Compound && kind != engine::ShapeKind::Tree; }
};

struct NewtonBody {
    NewtonBody(NewtonWorld* owner, NewtonCollision* shape);

    NewtonWorld* world;
    NewtonCollision* collision;  // one reference
    std::size_t slot = 0;
    btRigidBody rigid;  // its frame sits at the centre of mass
    std::unique_ptr<btCompoundShape> massCentred;  // the collision seen from the centre of mass, when off the origin
    btVector3 centreOfMass{0, 0, 0};
    btScalar mass = 0;
    btVector3 inertia{0, 0, 0};
    btVector3 force{0, 0, 0};
    btVector3 torque{0, 0, 0};
    // What its callback applied when that last changed notably; a resting
    // body wakes when the callback's force drifts away from it.
    btVector3 wakingForce{0, 0, 0};
    btVector3 wakingTorque{0, 0, 0};
    NewtonApplyForceAndTorque forceCallback = nullptr;
    void* userData = nullptr;
    int materialGroup = 0;
    btScalar linearDamping = 0;
    bool continuous = false;
    bool outsideWorld = false;
    bool inDynamics = false;  // handed to Bullet's world (see admitWaitingBodies)
    // Bullet sweeps it when it moves fast, with a sphere that stands for all of
    // it, so the world need not step in smaller steps for it.
    bool compactSwept = false;
    NewtonRagDollBone* bone = nullptr;

    bool isDynamic() const { return mass > 0; }
};

enum class JointKind { Ball, Hinge, Slider, UpVector, Grab };

struct NewtonJoint {
    NewtonJoint(NewtonWorld* owner, JointKind jointKind, NewtonBody* childBody, NewtonBody* parentBody)
        : world(owner), kind(jointKind), child(childBody), parent(parentBody) {}

    NewtonWorld* world;
    JointKind kind;
    NewtonBody* child;
    NewtonBody* parent;  // null: the fixed world
    std::size_t slot = 0;
    std::unique_ptr<btTypedConstraint> constraint;
    btVector3 pivotInChild{0, 0, 0};   // ball: the pivot in the Bullet frames of child and parent
    btVector3 pivotInParent{0, 0, 0};
};

struct NewtonRagDollBone {
    NewtonRagDoll* ragdoll = nullptr;
    NewtonRagDollBone* parent = nullptr;
    NewtonBody* body = nullptr;
    NewtonJoint* joint = nullptr;  // to the parent bone
    void* userData = nullptr;
    int id = 0;
};

struct NewtonRagDoll {
    explicit NewtonRagDoll(NewtonWorld* owner) : world(owner) {}

    NewtonWorld* world;
    std::size_t slot = 0;
    std::vector<NewtonRagDollBone*> bones;
    NewtonApplyForceAndTorque forceCallback = nullptr;
    bool building = false;
};

struct NewtonWorld {
    NewtonWorld(NewtonAllocMemory allocate, NewtonFreeMemory release);
    ~NewtonWorld();

    engine::Memory memory;
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher;
    std::size_t broadphaseRoom = 1024;  // bodies the broadphase holds before it grows
    std::unique_ptr<bt32BitAxisSweep3> broadphase;
    engine::ShuffledSolver solver;
    btDiscreteDynamicsWorld dynamics;
    engine::PairFilter pairFilter;
    engine::MaterialTable materials;
    btVector3 sizeMin{-100, -100, -100};
    btVector3 sizeMax{100, 100, 100};
    btScalar minimumFrameRate = 60;
    int solverModel = 0;
    int frictionModel = 0;
    int platform = 0;
    bool updating = false;
    std::vector<NewtonBody*> doomed;  // destroyed during an update: freed when it ends
    std::vector<NewtonBody*> waiting;  // created, not yet handed to Bullet's world
    engine::Registry<NewtonRagDoll> ragdolls;
    engine::Registry<NewtonJoint> joints;
    engine::Registry<NewtonBody> bodies;
    engine::Registry<NewtonCollision> shapes;
};

namespace engine {

// In one step a fast body moves at most this share of its thinnest extent: the
// world steps in smaller steps for it, or Bullet sweeps it (compactSwept).
constexpr btScalar kLargestMoveShare = btScalar(1.0 / 3.0);

// The engine's handles are const in its signatures; the records behind them are not.
template <class T>
T* edit(const T* handle) {
    return const_cast<T*>(handle);
}

inline const NewtonBody* bodyOf(const btCollisionObject* object) {
    return static_cast<const NewtonBody*>(object->getUserPointer());
}

inline btVector3 toVector(const dFloat* v) {
    return v ? btVector3(v[0], v[1], v[2]) : btVector3(0, 0, 0);
}

inline void store(const btVector3& v, dFloat* out) {
    if (!out) return;
    out[0] = v.x();
    out[1] = v.y();
    out[2] = v.z();
}

inline bool finite(const btVector3& v) {
    return std::isfinite(v.x()) && std::isfinite(v.y()) && std::isfinite(v.z());
}

// A rigid transform from sixteen floats: the rotation is made orthonormal; a
// null or invalid matrix gives the identity.
btTransform toTransform(const dFloat* matrix);
void store(const btTransform& transform, dFloat* matrix);
// A unit vector along v, or fallback when v has no direction.
btVector3 direction(const btVector3& v, const btVector3& fallback);
// A rotation whose x axis is the unit vector axis.
btMatrix3x3 basisAlong(const btVector3& axis);

// The body's matrix (its shape's frame) and placing the body by it.
btTransform bodyTransform(const NewtonBody& body);
void placeBody(NewtonBody& body, const btTransform& transform);
// A new body joins Bullet's world when the world is next stepped or asked
// about its bodies. Until then its mass and shape change in place: Bullet
// takes a body's kind only as it is added, and taking a body out again
// searches every body and contact pair: for a scene of a thousand bricks
// that would cost the square of their number.
void admitWaitingBodies(NewtonWorld& world);
// The world's broadphase for up to room bodies; making it room for all the
// world's bodies (before they are admitted); dropping every contact pair at once.
std::unique_ptr<bt32BitAxisSweep3> makeBroadphase(std::size_t room);
void makeRoomForBodies(NewtonWorld& world);
void dropAllPairs(NewtonWorld& world);
// Runs change (of the body's mass or shape) while the body is out of Bullet's world.
template <class Change>
void changeOutsideDynamics(NewtonBody& body, Change&& change) {
    if (!body.inDynamics) {
        change();
        return;
    }
    btDiscreteDynamicsWorld& dynamics = body.world->dynamics;
    dynamics.removeRigidBody(&body.rigid);
    change();
    dynamics.addRigidBody(&body.rigid);
}
// Wakes the body and lets it move again if it is back inside the world.
void wake(NewtonBody& body);
bool insideWorld(const NewtonBody& body);
// How many equal sub-steps the world's next update of `step` seconds takes.
int subStepCount(NewtonWorld& world, btScalar step);
// Hands Bullet the body's shape again after its collision or centre of mass changed.
void refreshBodyShape(NewtonBody& body);
// New contacts take their friction and restitution from the material table,
// round bodies meet rolling resistance, and contacts with a static mesh ignore
// the edges inside its surface.
void installContactCallbacks();

// Puts a new joint into the world: Bullet solves it with the joints' passes,
// and its bodies wake.
NewtonJoint* addJoint(const NewtonWorld* newtonWorld, JointKind kind, const NewtonBody* child,
                      const NewtonBody* parent, std::unique_ptr<btTypedConstraint> constraint);

// Lifetimes: shapes are counted; a body or joint goes at once.
void retainShape(NewtonCollision& shape);
void releaseShape(NewtonCollision& shape);
void freeShape(NewtonCollision& shape);
// During an update a body is only marked; it goes when the update ends.
void destroyBody(NewtonBody& body);
void destroyJoint(NewtonJoint& joint);
void destroyRagDoll(NewtonRagDoll& ragdoll);

// Every convex piece of a shape (the shape itself, or the parts of a compound)
// with its placement when the shape is placed by `place`.
template <class Visit>
void forEachConvexPiece(const NewtonCollision& shape, const btTransform& place, Visit&& visit) {
    if (shape.kind == ShapeKind::Compound) {
        for (const NewtonCollision* part : shape.parts) visit(*part, place);
    } else if (shape.isConvex()) {
        visit(shape, place);
    }
}

// Points on the ellipsoid of the given radii, ring by ring from pole to pole.
std::vector<btVector3> ellipsoidPoints(const btVector3& radii);
// The faces of a convex shape in its body frame (offset included).
const Polygons& convexPolygons(const NewtonCollision& shape);
MassProperties massProperties(const NewtonCollision& shape);

}  // namespace engine
