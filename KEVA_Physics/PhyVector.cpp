#include "KEVA_Physics/PhyVector.h"

TGLVector VECDIV(const TGLVector& v, double d) { return VECMUL(v, 1.0 / d); }

TGLVector VECDIV2(const TGLVector& a, const TGLVector& b) { return TGLVector{a.X / b.X, a.Y / b.Y, a.Z / b.Z}; }

TGLVector INVERT(const TGLVector& v) { return TGLVector{-v.X, -v.Y, -v.Z}; }
