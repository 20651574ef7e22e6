// The eye point in a placed solid's frame, from the model-view and projection.
#include "kestrova/FacingEye.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// True for the projections gluPerspective and glFrustum make: the eye at the
// origin, looking along -z, x and y keeping their sense on screen.
bool perspectiveRoundEye(const TGLBaseMatrix& p) {
    return p[3] == 0 && p[7] == 0 && p[11] == -1 && p[15] == 0 && p[12] == 0 && p[13] == 0 &&
           p[0] * p[5] - p[4] * p[1] > 0;
}

// a * b for column-major 4 x 4 matrices whose last rows are (0, 0, 0, 1).
TGLBaseMatrix affineProduct(const TGLBaseMatrix& a, const TGLBaseMatrix& b) {
    TGLBaseMatrix m{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row) {
            float sum = column == 3 ? a[12 + row] : 0;
            for (int k = 0; k < 3; ++k) sum += a[4 * k + row] * b[4 * column + k];
            m[4 * column + row] = sum;
        }
    m[15] = 1;
    return m;
}

}  // namespace

bool backFacesCulledAsUsual() {
    if (!glIsEnabled(GL_CULL_FACE)) return false;
    GLint mode = 0, front = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &mode);
    glGetIntegerv(GL_FRONT_FACE, &front);
    TGLBaseMatrix projection{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    return mode == GL_BACK && front == GL_CCW && perspectiveRoundEye(projection);
}

std::optional<std::array<float, 3>> eyeInPlacedFrame(const TGLBaseMatrix& place) {
    if (!backFacesCulledAsUsual()) return std::nullopt;
    TGLBaseMatrix modelView{};
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    return eyeInPlacedFrame(modelView, place);
}

std::optional<std::array<float, 3>> eyeInPlacedFrame(const TGLBaseMatrix& modelView, const TGLBaseMatrix& place) {
    if (modelView[3] != 0 || modelView[7] != 0 || modelView[11] != 0 || modelView[15] != 1) return std::nullopt;
    // The solid's frame to eye space is x -> B x + t; the eye is where that
    // gives the origin: -B^-1 t, with B^-1 its cofactors over its determinant.
    const TGLBaseMatrix m = affineProduct(modelView, place);
    const auto b = [&m](int row, int column) { return m[4 * column + row]; };
    std::array<float, 9> cofactor{};  // of B, by rows
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int r1 = (row + 1) % 3, r2 = (row + 2) % 3, c1 = (column + 1) % 3, c2 = (column + 2) % 3;
            cofactor[3 * row + column] = b(r1, c1) * b(r2, c2) - b(r1, c2) * b(r2, c1);
        }
    const float det = b(0, 0) * cofactor[0] + b(0, 1) * cofactor[1] + b(0, 2) * cofactor[2];
    if (!(det > 0) || !std::isfinite(det)) return std::nullopt;
    // B^-1 = transpose(cofactors) / det.
    std::array<float, 3> eye{};
    for (int i = 0; i < 3; ++i)
        eye[i] = -(cofactor[i] * m[12] + cofactor[3 + i] * m[13] + cofactor[6 + i] * m[14]) / det;
    return eye;
}
