#pragma once
// Vector helpers on TGLVector (each returns a new vector).
#include "base/GLTypes.h"

TGLVector VECSUB(const TGLVector& a, const TGLVector& b);
TGLVector VECADD(const TGLVector& a, const TGLVector& b);
TGLVector VECMUL(const TGLVector& v, double d);
// v · (1/d)
TGLVector VECDIV(const TGLVector& v, double d);
// Component by component a / b.
TGLVector VECDIV2(const TGLVector& a, const TGLVector& b);
TGLVector INVERT(const TGLVector& v);
