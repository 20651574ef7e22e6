#include "KEVA_3DS/BoneMatrix.h"

#include <cmath>

void clsMatrix::LOADIDENTITY() {
    M_MATRIX.fill(0);
    M_MATRIX[0] = M_MATRIX[5] = M_MATRIX[10] = M_MATRIX[15] = 1;
}

void clsMatrix::SETMATRIXVALUES(const float values[16]) {
    for (int i = 0; i < 16; ++i) M_MATRIX[static_cast<std::size_t>(i)] = values[i];
}

void clsMatrix::GETMATRIX(float values[16]) const {
    for (int i = 0; i < 16; ++i) values[i] = M_MATRIX[static_cast<std::size_t>(i)];
}

void clsMatrix::POSTMULTIPLY(const clsMatrix& other) {
    const auto& a = M_MATRIX;
    const auto& b = other.M_MATRIX;
    std::array<float, 16> product{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row) {
            float sum = column == 3 ? a[static_cast<std::size_t>(12 + row)] : 0.0f;
            for (int k = 0; k < 3; ++k)
                sum += a[static_cast<std::size_t>(4 * k + row)] * b[static_cast<std::size_t>(4 * column + k)];
            product[static_cast<std::size_t>(4 * column + row)] = sum;
        }
    product[15] = 1;
    M_MATRIX = product;
}

void clsMatrix::SETROTATIONRADIANS(const float angles[3]) {
    const float cr = std::cos(angles[0]), sr = std::sin(angles[0]);
    const float cp = std::cos(angles[1]), sp = std::sin(angles[1]);
    const float cy = std::cos(angles[2]), sy = std::sin(angles[2]);
    M_MATRIX[0] = cp * cy;
    M_MATRIX[1] = cp * sy;
    M_MATRIX[2] = -sp + 0.0f;  // a negative zero is stored as +0
    M_MATRIX[4] = sr * sp * cy - cr * sy;
    M_MATRIX[5] = sr * sp * sy + cr * cy;
    M_MATRIX[6] = sr * cp;
    M_MATRIX[8] = cr * sp * cy + sr * sy;
    M_MATRIX[9] = cr * sp * sy - sr * cy;
    M_MATRIX[10] = cr * cp;
}

void clsMatrix::SETTRANSLATION(const float t[3]) {
    M_MATRIX[12] = t[0];
    M_MATRIX[13] = t[1];
    M_MATRIX[14] = t[2];
}

void clsMatrix::INVERSETRANSLATEVECT(float v[3]) const {
    for (int i = 0; i < 3; ++i) v[i] -= M_MATRIX[static_cast<std::size_t>(12 + i)];
}

void clsMatrix::INVERSEROTATEVECT(float v[3]) const {
    const auto& m = M_MATRIX;
    const float x = v[0] * m[0] + v[1] * m[1] + v[2] * m[2];
    const float y = v[0] * m[4] + v[1] * m[5] + v[2] * m[6];
    const float z = v[0] * m[8] + v[1] * m[9] + v[2] * m[10];
    v[0] = x;
    v[1] = y;
    v[2] = z;
}

T3dpoint clsMatrix::ROTATEVECT(const T3dpoint& v) const {
    const auto& m = M_MATRIX;
    return {m[0] * v.X + m[4] * v.Y + m[8] * v.Z, m[1] * v.X + m[5] * v.Y + m[9] * v.Z,
            m[2] * v.X + m[6] * v.Y + m[10] * v.Z};
}

T3dpoint clsMatrix::TRANSFORMPOINT(const T3dpoint& v) const {
    const T3dpoint r = ROTATEVECT(v);
    return {r.X + M_MATRIX[12], r.Y + M_MATRIX[13], r.Z + M_MATRIX[14]};
}

clsMatrix AXISROTATION(int axis, float radians) {
    float angles[3] = {0, 0, 0};
    angles[axis] = radians;
    clsMatrix m;
    m.SETROTATIONRADIANS(angles);
    return m;
}
