#pragma once
// Overlap tests of spheres and triangles, the ground the solid tests build on.
// A triangle is given by three local corners and placed by a position and a
// rotation triple (degrees): a corner p lands at position + VECROT(p, rotation).
#include "KEVA_Collision/CollisionTypes.h"

namespace collision {

// The triangle most recently given to POINTINTRIANGLE.
extern TTRIANGLECOLLISION PIT;

// True when the spheres overlap or touch.
bool SPHEREINSIDESPHERE2(const TGLVector& centre1, const TGLVector& centre2, float radius1, float radius2);

// Whether the segment p1 -> p2 meets the plane through `plane` with normal
// `normal`, both ends included. A segment (nearly) parallel to the plane never
// does; the parallel test does not depend on the lengths of the segment and of
// the normal, so small solids touch as large ones do. The point met is kept
// for GETLPIP.
bool LINEPLANEINTERSECTIONPOINT(const TGLVector& p1, const TGLVector& p2, const TGLVector& plane,
                                const TGLVector& normal);
// The point found by the last LINEPLANEINTERSECTIONPOINT that met its plane.
TGLVector GETLPIP();

// Whether `point`, taken to lie in the triangle's plane, is inside the
// triangle: the angles it sees between the corners add up to a full turn,
// within volume + 0.1 radian.
bool POINTINTRIANGLE(const TGLVector& point, const TGLVector& a, const TGLVector& b, const TGLVector& c, float volume);

// Whether an edge of triangle 2 crosses triangle 1 (world corners).
bool INTERSECTIONTRIANGLES(const TGLVector& a1, const TGLVector& b1, const TGLVector& c1, const TGLVector& a2,
                           const TGLVector& b2, const TGLVector& c2);

// Whether the two placed triangles cross, in either direction. Triangles in
// one plane are never reported.
bool TRIANGLEINTRIANGLE(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                        const TGLVector& c1, const TGLVector& pos2, const TGLVector& rot2, const TGLVector& a2,
                        const TGLVector& b2, const TGLVector& c2);

}  // namespace collision
