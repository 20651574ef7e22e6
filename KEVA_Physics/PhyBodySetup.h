#pragma once
// The few steps every body kind of the layer shares when it is built.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "KEVA_Physics/PhyBody.h"
#include "base/GLTypes.h"
#include "kestrova/SolidMeshCache.h"

#include <span>

namespace phy {

// The convex hull of `points` (tolerance 0.01, shape id 0, no offset),
// owned by the caller.
NewtonCollision* convexHullShape(NewtonWorld* world, std::span<const TGLVector> points);

// A body holding `shape` at the identity matrix; the shape is released, so
// the body is its only owner.
NewtonBody* bodyFromShape(NewtonWorld* world, NewtonCollision* shape);

// Turns the body by `rot` (degrees), gives it mass and inertia, places it at
// `pos` and lets it fall under the layer's gravity, in that order.
void placeBody(NewtonBody* body, const TGLVector& pos, const TGLVector& rot, const TGLVector& inertia, float mass);

// The last step of every kind's set-up: the record takes the body, which is
// placed as placeBody does, and shows it.
template <typename Kind>
void setUpKind(Kind& kind, NewtonBody* body, const TGLVector& pos, const TGLVector& rot, const TGLVector& inertia,
               float mass) {
    kind.NEWBODY = body;
    placeBody(body, pos, rot, inertia, mass);
    kind.DELLIST = true;
}

// Draws `mesh`, recorded in the body's frame, placed by the body's current matrix.
void drawInPlace(const SolidMesh& mesh, const NewtonBody* body);

// The kinds' numbers in the keys of their solids (SolidMeshCache.h).
enum SolidKind { BOX_SOLID = 1, CONE_SOLID, CYLINDER_SOLID, CAPSULE_SOLID, SPHERE_SOLID, PRISM_SOLID, TORUS_SOLID };

// Draws the body's solid placed by its current matrix, unless the body is
// hidden: the solid that record(mesh) records in the body's frame, once for
// every body of the same kind and sizes (`key`).
template <typename Record>
void drawPlaced(bool shown, const NewtonBody* body, const SolidKey& key, Record&& record) {
    if (shown) drawInPlace(cachedSolid(key, record), body);
}

// A box body's solid: the box between two corners of its frame, the texture
// repeated every unit.
void drawBoxPlaced(bool shown, const NewtonBody* body, const TGLVector& min, const TGLVector& max);

}  // namespace phy
