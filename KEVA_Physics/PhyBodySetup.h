#pragma once
// The few steps every body kind of the layer shares when it is built.
#include "KEVA_Physics/engine/NewtonImport.h"
#include "KEVA_Physics/PhyBody.h"
#include "base/GLTypes.h"

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

// Runs `draw` inside the body's current transform, unless the body is hidden.
template <typename Draw>
void drawInBody(bool shown, const NewtonBody* body, Draw&& draw) {
    if (!shown) return;
    PHY_GETBODYPOROPBEGIN(body);
    draw();
    PHY_GETBODYPOROPEND();
}

}  // namespace phy
