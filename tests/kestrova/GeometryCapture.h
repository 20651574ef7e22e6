#pragma once
// Records what a drawing routine emits, through the GL feedback buffer, in the
// routine's own object coordinates.
#include "base/GLTypes.h"

#include <array>
#include <functional>
#include <vector>

struct CapturedVertex {
    TGLVector pos;                  // object coordinates
    std::array<float, 4> color;     // lit colour
    std::array<float, 4> texCoord;  // texture coordinates, or the unit normal (see below)
};

struct CapturedPrimitive {
    enum Kind { Point, Line, Polygon } kind;
    std::vector<CapturedVertex> vertices;
};

enum class CaptureMode {
    TexCoords,  // texCoord holds the texture coordinates sent
    Normals     // texCoord holds the normal sent, normalised
};

// Runs `draw` in feedback mode under an orthographic view of the cube
// -extent..extent with the identity model-view matrix (so window coordinates
// convert straight back to object coordinates). Clipped geometry is lost, so
// keep the drawing inside the cube. The GL state `draw` changes stays changed.
std::vector<CapturedPrimitive> captureGeometry(const std::function<void()>& draw,
                                               CaptureMode mode = CaptureMode::TexCoords, float extent = 10.0f);

std::vector<CapturedPrimitive> polygonsOf(const std::vector<CapturedPrimitive>& primitives);

// Cross product, dot product and differences for checks on captured geometry.
TGLVector operator-(const TGLVector& a, const TGLVector& b);
float dot(const TGLVector& a, const TGLVector& b);
float length(const TGLVector& v);
// The normal of a polygon's winding (Newell's method): it points towards a
// viewer who sees the vertices counter-clockwise; its length is twice the area.
TGLVector windingNormal(const CapturedPrimitive& polygon);
TGLVector centroid(const CapturedPrimitive& polygon);
TGLVector normalOf(const CapturedVertex& v);  // in Normals mode

// Window coordinates (y from the bottom, depth 0..1) of an object point under
// the current matrices and viewport.
std::array<double, 3> windowPointOf(double x, double y, double z);
