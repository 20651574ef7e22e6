#pragma once
// Vector helpers on TGLVector (each returns a new vector); the sums,
// differences and multiples are the toolkit's.
#include "kestrova/VectorSums.h"

// v · (1/d)
TGLVector VECDIV(const TGLVector& v, double d);
// Component by component a / b.
TGLVector VECDIV2(const TGLVector& a, const TGLVector& b);
TGLVector INVERT(const TGLVector& v);
