#pragma once
// Vector helpers of the overlap tests. Each returns a new value and changes
// none of its inputs; angles are in degrees. Sums, differences and multiples
// are the toolkit's (VECADD, VECSUB, VECMUL).
#include "kestrova/VectorSums.h"

namespace collision {

// Turns about one axis. VECROTY turns x towards z: 90 degrees take (1, 0, 0)
// to (0, 0, 1).
TGLVector VECROTX(float angle, const TGLVector& v);
TGLVector VECROTY(float angle, const TGLVector& v);
TGLVector VECROTZ(float angle, const TGLVector& v);
// About z first, then x, then y: how a local point is turned into the world.
TGLVector VECROT(const TGLVector& v, float x, float y, float z);
inline TGLVector VECROT(const TGLVector& v, const TGLVector& rotation) {
    return VECROT(v, rotation.X, rotation.Y, rotation.Z);
}

// The sines and cosines of a rotation triple, for turning many points alike:
// TURN(TURNOF(rotation), v) is exactly VECROT(v, rotation).
struct Turn {
    double CX, SX, CY, SY, CZ, SZ;
};
Turn TURNOF(const TGLVector& rotation);
TGLVector TURN(const Turn& turn, const TGLVector& v);

float VECLENGHT(const TGLVector& v);
TGLVector CROSS(const TGLVector& v1, const TGLVector& v2);
float DOT(const TGLVector& v1, const TGLVector& v2);
// v scaled to length 1; the zero vector stays zero.
TGLVector GETVECUNIT(const TGLVector& v);

}  // namespace collision
