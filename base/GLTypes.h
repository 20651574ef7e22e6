#pragma once
// The two value types every layer passes around, and their smallest helpers.
#include <array>

struct TGLVector {
    float X = 0, Y = 0, Z = 0;
};

// Sixteen floats in OpenGL column-major order: 0..2 the image of x, 4..6 of y,
// 8..10 of z, 12..14 the translation, 15 the homogeneous 1. Engine body
// matrices share this layout, so a body is drawn with glMultMatrixf(m.data()).
using TGLBaseMatrix = std::array<float, 16>;

inline TGLVector GLVECTOR(double x, double y, double z) {
    return TGLVector{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

constexpr float KESTROVA_PI = 3.14159265358979323846f;

inline float DEGTORAD(float degree) { return degree * KESTROVA_PI / 180.0f; }
