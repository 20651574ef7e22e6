#include "KEVA_Physics/PhyVector.h"

TGLVector VECSUB(const TGLVector& a, const TGLVector& b) {
    return TGLVector{a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}

TGLVector VECADD(const TGLVector& a, const TGLVector& b) {
    return TGLVector{a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}

TGLVector VECMUL(const TGLVector& v, double d) {
    return GLVECTOR(v.X * d, v.Y * d, v.Z * d);
}

TGLVector VECDIV(const TGLVector& v, double d) {
    return VECMUL(v, 1.0 / d);
}

TGLVector VECDIV2(const TGLVector& a, const TGLVector& b) {
    return TGLVector{a.X / b.X, a.Y / b.Y, a.Z / b.Z};
}

TGLVector INVERT(const TGLVector& v) {
    return TGLVector{-v.X, -v.Y, -v.Z};
}
