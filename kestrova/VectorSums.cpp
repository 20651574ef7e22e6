#include "kestrova/VectorSums.h"

TGLVector VECSUB(const TGLVector& a, const TGLVector& b) { return TGLVector{a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }

TGLVector VECADD(const TGLVector& a, const TGLVector& b) { return TGLVector{a.X + b.X, a.Y + b.Y, a.Z + b.Z}; }

TGLVector VECMUL(const TGLVector& v, double d) { return GLVECTOR(v.X * d, v.Y * d, v.Z * d); }
