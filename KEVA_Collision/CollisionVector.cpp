// Vector helpers of the overlap tests, computed in double and stored as floats.
#include "KEVA_Collision/CollisionVector.h"

#include <cmath>

namespace collision {

namespace {

TGLVector rotateX(double c, double s, const TGLVector& v) {
    return GLVECTOR(v.X, c * v.Y - s * v.Z, s * v.Y + c * v.Z);
}
TGLVector rotateY(double c, double s, const TGLVector& v) {
    return GLVECTOR(c * v.X - s * v.Z, v.Y, s * v.X + c * v.Z);
}
TGLVector rotateZ(double c, double s, const TGLVector& v) {
    return GLVECTOR(c * v.X - s * v.Y, s * v.X + c * v.Y, v.Z);
}

double cosine(float degrees) { return std::cos(double(DEGTORAD(degrees))); }
double sine(float degrees) { return std::sin(double(DEGTORAD(degrees))); }

}  // namespace

TGLVector VECROTX(float angle, const TGLVector& v) { return rotateX(cosine(angle), sine(angle), v); }
TGLVector VECROTY(float angle, const TGLVector& v) { return rotateY(cosine(angle), sine(angle), v); }
TGLVector VECROTZ(float angle, const TGLVector& v) { return rotateZ(cosine(angle), sine(angle), v); }

TGLVector VECROT(const TGLVector& v, float x, float y, float z) { return VECROTY(y, VECROTX(x, VECROTZ(z, v))); }

Turn TURNOF(const TGLVector& rotation) {
    return Turn{cosine(rotation.X), sine(rotation.X),   cosine(rotation.Y),
                sine(rotation.Y),   cosine(rotation.Z), sine(rotation.Z)};
}

TGLVector TURN(const Turn& turn, const TGLVector& v) {
    return rotateY(turn.CY, turn.SY, rotateX(turn.CX, turn.SX, rotateZ(turn.CZ, turn.SZ, v)));
}

float VECLENGHT(const TGLVector& v) {
    return static_cast<float>(std::sqrt(double(v.X) * v.X + double(v.Y) * v.Y + double(v.Z) * v.Z));
}

TGLVector CROSS(const TGLVector& v1, const TGLVector& v2) {
    return GLVECTOR(double(v1.Y) * v2.Z - double(v1.Z) * v2.Y, double(v1.Z) * v2.X - double(v1.X) * v2.Z,
                    double(v1.X) * v2.Y - double(v1.Y) * v2.X);
}

float DOT(const TGLVector& v1, const TGLVector& v2) {
    return static_cast<float>(double(v1.X) * v2.X + double(v1.Y) * v2.Y + double(v1.Z) * v2.Z);
}

TGLVector GETVECUNIT(const TGLVector& v) {
    float length = VECLENGHT(v);
    if (length == 0) length = 1;
    return TGLVector{v.X / length, v.Y / length, v.Z / length};
}

}  // namespace collision
