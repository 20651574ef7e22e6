// Boxes against the view of the current matrices.
#include "KEVA_3DS/ViewVolume.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

ViewVolume ViewVolume::current() {
    std::array<float, 16> projection{}, modelView{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView.data());
    ViewVolume view;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += projection[4 * k + row] * modelView[4 * column + k];
            view.clip_[4 * column + row] = sum;
        }
    // The eye is the point the model-view takes to the origin: -A⁻¹ t, with
    // A⁻¹ from the cofactors of the linear part A.
    const auto a = [&](int row, int column) { return modelView[4 * column + row]; };
    float inverse[3][3];
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int r1 = (column + 1) % 3, r2 = (column + 2) % 3, c1 = (row + 1) % 3, c2 = (row + 2) % 3;
            inverse[row][column] = a(r1, c1) * a(r2, c2) - a(r1, c2) * a(r2, c1);
        }
    const float det = a(0, 0) * inverse[0][0] + a(0, 1) * inverse[1][0] + a(0, 2) * inverse[2][0];
    if (det != 0) {
        const float t[3] = {modelView[12], modelView[13], modelView[14]};
        float eye[3];
        for (int row = 0; row < 3; ++row)
            eye[row] = -(inverse[row][0] * t[0] + inverse[row][1] * t[1] + inverse[row][2] * t[2]) / det;
        view.eye_ = {eye[0], eye[1], eye[2]};
    }
    return view;
}

bool ViewVolume::mayShow(const T3dpoint& minimum, const T3dpoint& maximum) const {
    // Per side of the view (x, y and z against -w and +w) whether a corner is within it.
    bool within[6] = {};
    for (int corner = 0; corner < 8; ++corner) {
        const float p[3] = {(corner & 1) ? maximum.X : minimum.X, (corner & 2) ? maximum.Y : minimum.Y,
                            (corner & 4) ? maximum.Z : minimum.Z};
        float c[4];
        for (int row = 0; row < 4; ++row)
            c[row] = clip_[row] * p[0] + clip_[4 + row] * p[1] + clip_[8 + row] * p[2] + clip_[12 + row];
        for (int axis = 0; axis < 3; ++axis) {
            within[2 * axis] = within[2 * axis] || c[axis] >= -c[3];
            within[2 * axis + 1] = within[2 * axis + 1] || c[axis] <= c[3];
        }
    }
    return std::all_of(std::begin(within), std::end(within), [](bool w) { return w; });
}

float ViewVolume::farthestCorner(const T3dpoint& minimum, const T3dpoint& maximum) const {
    const float dx = std::max(std::abs(eye_.X - minimum.X), std::abs(eye_.X - maximum.X));
    const float dy = std::max(std::abs(eye_.Y - minimum.Y), std::abs(eye_.Y - maximum.Y));
    const float dz = std::max(std::abs(eye_.Z - minimum.Z), std::abs(eye_.Z - maximum.Z));
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}
