#include "kestrova/Matrix.h"

#include <cmath>

namespace {

// The nine elements of the yaw * pitch * roll rotation in row-major order
// (r[row][column]), angles in radians.
using Rotation3 = std::array<std::array<float, 3>, 3>;

Rotation3 eulerRotation(const TGLVector& a) {
    const float cr = std::cos(a.X), sr = std::sin(a.X);
    const float cp = std::cos(a.Y), sp = std::sin(a.Y);
    const float cy = std::cos(a.Z), sy = std::sin(a.Z);
    return {{{cy * cp, cy * (sp * sr) - sy * cr, cy * (sp * cr) + sy * sr},
             {sy * cp, sy * (sp * sr) + cy * cr, sy * (sp * cr) - cy * sr},
             {-sp, cp * sr, cp * cr}}};
}

TGLVector toRadians(const TGLVector& degrees) {
    return TGLVector{DEGTORAD(degrees.X), DEGTORAD(degrees.Y), DEGTORAD(degrees.Z)};
}

}  // namespace

TGLBaseMatrix MATRIXLOADIDENTITY() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

TGLBaseMatrix MATRIXEULERDEG(const TGLVector& ang, const TGLBaseMatrix& base) {
    const Rotation3 r = eulerRotation(ang);
    TGLBaseMatrix m = base;
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row) m[col * 4 + row] = r[row][col];
    if (m[2] == 0.0f) m[2] = 0.0f;  // -sin(0) would be stored as -0
    return m;
}

TGLBaseMatrix MATRIXEULERRAD(const TGLVector& ang, const TGLBaseMatrix& base) {
    return MATRIXEULERDEG(toRadians(ang), base);
}

void MATRIXSETROTATION(const TGLVector& v, TGLBaseMatrix& m) {
    const Rotation3 r = eulerRotation(toRadians(v));
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row) m[row * 4 + col] = r[row][col];
}

void MATRIXSETTRANSFORM(const TGLVector& v, TGLBaseMatrix& m) {
    m[12] = v.X;
    m[13] = v.Y;
    m[14] = v.Z;
}

TGLVector MATRIXVECROT(const TGLVector& vec, const TGLBaseMatrix& m) {
    return TGLVector{m[0] * vec.X + m[4] * vec.Y + m[8] * vec.Z,
                     m[1] * vec.X + m[5] * vec.Y + m[9] * vec.Z,
                     m[2] * vec.X + m[6] * vec.Y + m[10] * vec.Z};
}

TGLVector MATRIXVECROT2(TGLVector& vec, const TGLBaseMatrix& m) {
    vec = MATRIXVECROT(vec, m);
    return vec;
}

TGLBaseMatrix MATRIXYAW(float ang) {
    const float c = std::cos(ang), s = std::sin(ang);
    return {c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1};
}

TGLBaseMatrix MATRIXPRODUCT(const TGLBaseMatrix& a, const TGLBaseMatrix& b) {
    TGLBaseMatrix m{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k) m[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
    return m;
}
