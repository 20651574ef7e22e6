#pragma once
// The 4 x 4 matrix that bones are posed with: column-major (element
// 4 * column + row), translation in elements 12, 13 and 14.
#include "KEVA_3DS/ModelTypes.h"

#include <array>

class clsMatrix {
public:
    clsMatrix() { LOADIDENTITY(); }

    void LOADIDENTITY();
    void SETMATRIXVALUES(const float values[16]);
    void GETMATRIX(float values[16]) const;
    // self := self x other, both taken as affine (bottom row 0, 0, 0, 1).
    void POSTMULTIPLY(const clsMatrix& other);
    // The rotation part Rz(angles[2]) * Ry(angles[1]) * Rx(angles[0]); the
    // translation and bottom row are left as they are.
    void SETROTATIONRADIANS(const float angles[3]);
    void SETTRANSLATION(const float t[3]);
    // v := v - translation.
    void INVERSETRANSLATEVECT(float v[3]) const;
    // v := the transposed rotation part applied to v.
    void INVERSEROTATEVECT(float v[3]) const;

    // The rotation part applied to v, then the translation added.
    T3dpoint TRANSFORMPOINT(const T3dpoint& v) const;
    // The rotation part alone applied to v.
    T3dpoint ROTATEVECT(const T3dpoint& v) const;
    T3dpoint TRANSLATION() const { return {M_MATRIX[12], M_MATRIX[13], M_MATRIX[14]}; }

    std::array<float, 16> M_MATRIX{};
};

// A rotation of `radians` about one axis (0 = x, 1 = y, 2 = z).
clsMatrix AXISROTATION(int axis, float radians);
