#pragma once
// Sums, differences and multiples of vectors, for the physics layer and the
// overlap tests alike. Each returns a new vector.
#include "base/GLTypes.h"

TGLVector VECSUB(const TGLVector& a, const TGLVector& b);
TGLVector VECADD(const TGLVector& a, const TGLVector& b);
// Each component times d, computed in double.
TGLVector VECMUL(const TGLVector& v, double d);
