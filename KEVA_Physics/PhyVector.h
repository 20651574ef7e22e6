#pragma once
// Vector helpers on TGLVector (each returns a new vector), and the two force
// formulas of the vehicle scene, which moves its car without the engine.
#include "base/GLTypes.h"

TGLVector VECSUB(const TGLVector& a, const TGLVector& b);
TGLVector VECADD(const TGLVector& a, const TGLVector& b);
TGLVector VECMUL(const TGLVector& v, double d);
// v · (1/d)
TGLVector VECDIV(const TGLVector& v, double d);
// Component by component a / b.
TGLVector VECDIV2(const TGLVector& a, const TGLVector& b);
TGLVector INVERT(const TGLVector& v);

// (9.81·gravity − point) / (GR·MM·mobj), with every component whose gravity
// component is exactly 0 set to 0.
TGLVector PUTGRAVITY(const TGLVector& point, const TGLVector& gravity, float mobj);
// −friction · mass · speed.
float PUTFRICTION(float friction, float mass, float speed);
