// Vector helpers and the vehicle scene's force formulas.
#include "KEVA_Physics/PhyVector.h"

#include "KEVA_Physics/PhyGravity.h"

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

TGLVector PUTGRAVITY(const TGLVector& point, const TGLVector& gravity, float mobj) {
    TGLVector pull = VECDIV(VECSUB(VECMUL(gravity, 9.81), point), GR * MM * mobj);
    if (gravity.X == 0) pull.X = 0;
    if (gravity.Y == 0) pull.Y = 0;
    if (gravity.Z == 0) pull.Z = 0;
    return pull;
}

float PUTFRICTION(float friction, float mass, float speed) {
    return -friction * mass * speed;
}
