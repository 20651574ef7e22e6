#include "GeometryCapture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <stdexcept>

namespace {

constexpr int WIDTH_PX = 800, HEIGHT_PX = 600;
constexpr float ASPECT = static_cast<float>(HEIGHT_PX) / WIDTH_PX;

// Feedback layout of GL_3D_COLOR_TEXTURE in RGBA mode: x y z, r g b a, s t r q.
constexpr int VERTEX_FLOATS = 11;

CapturedVertex readVertex(const float* f, float extent) {
    CapturedVertex v;
    v.pos.X = (f[0] / (WIDTH_PX / 2.0f) - 1.0f) * extent;
    v.pos.Y = (f[1] / (HEIGHT_PX / 2.0f) - 1.0f) * extent * ASPECT;
    v.pos.Z = (2.0f * f[2] - 1.0f) * extent;
    v.color = {f[3], f[4], f[5], f[6]};
    v.texCoord = {f[7], f[8], f[9], f[10]};
    return v;
}

// Generated texture coordinates only reach the output of an enabled texture
// unit with a complete texture, so a white texel is bound meanwhile.
void setNormalTexGen(bool on) {
    static GLuint texture = 0;
    if (texture == 0) {
        const unsigned char white[4] = {255, 255, 255, 255};
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    }
    glBindTexture(GL_TEXTURE_2D, on ? texture : 0);
    for (GLenum coord : {GL_S, GL_T, GL_R}) glTexGeni(coord, GL_TEXTURE_GEN_MODE, GL_NORMAL_MAP);
    for (GLenum cap : {GL_TEXTURE_2D, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R}) {
        if (on)
            glEnable(cap);
        else
            glDisable(cap);
    }
}

}  // namespace

std::vector<CapturedPrimitive> captureGeometry(const std::function<void()>& draw, CaptureMode mode, float extent) {
    std::vector<float> buffer(1 << 22);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // Near and far swapped so that window depth grows with object z.
    glOrtho(-extent, extent, -extent * ASPECT, extent * ASPECT, extent, -extent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    if (mode == CaptureMode::Normals) {
        glEnable(GL_NORMALIZE);
        setNormalTexGen(true);
    }
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint size = glRenderMode(GL_RENDER);
    if (mode == CaptureMode::Normals) setNormalTexGen(false);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    if (size < 0) throw std::runtime_error("feedback buffer overflow");

    std::vector<CapturedPrimitive> primitives;
    for (int at = 0; at < size;) {
        const auto token = static_cast<GLenum>(buffer[at++]);
        int count = 0;
        CapturedPrimitive::Kind kind = CapturedPrimitive::Point;
        switch (token) {
            case GL_POINT_TOKEN: count = 1; break;
            case GL_LINE_TOKEN:
            case GL_LINE_RESET_TOKEN: kind = CapturedPrimitive::Line; count = 2; break;
            case GL_POLYGON_TOKEN: kind = CapturedPrimitive::Polygon; count = static_cast<int>(buffer[at++]); break;
            case GL_PASS_THROUGH_TOKEN: ++at; continue;
            default: throw std::runtime_error("unexpected feedback token");
        }
        CapturedPrimitive primitive{kind, {}};
        for (int i = 0; i < count; ++i, at += VERTEX_FLOATS) primitive.vertices.push_back(readVertex(&buffer[at], extent));
        primitives.push_back(primitive);
    }
    return primitives;
}

std::vector<CapturedPrimitive> polygonsOf(const std::vector<CapturedPrimitive>& primitives) {
    std::vector<CapturedPrimitive> polygons;
    for (const CapturedPrimitive& p : primitives)
        if (p.kind == CapturedPrimitive::Polygon) polygons.push_back(p);
    return polygons;
}

TGLVector operator-(const TGLVector& a, const TGLVector& b) { return TGLVector{a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }

float dot(const TGLVector& a, const TGLVector& b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }

float length(const TGLVector& v) { return std::sqrt(dot(v, v)); }

TGLVector windingNormal(const CapturedPrimitive& polygon) {
    TGLVector n;
    const auto& v = polygon.vertices;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const TGLVector& a = v[i].pos;
        const TGLVector& b = v[(i + 1) % v.size()].pos;
        n.X += (a.Y - b.Y) * (a.Z + b.Z);
        n.Y += (a.Z - b.Z) * (a.X + b.X);
        n.Z += (a.X - b.X) * (a.Y + b.Y);
    }
    return n;
}

TGLVector centroid(const CapturedPrimitive& polygon) {
    TGLVector c;
    for (const CapturedVertex& v : polygon.vertices) {
        c.X += v.pos.X;
        c.Y += v.pos.Y;
        c.Z += v.pos.Z;
    }
    const float n = static_cast<float>(polygon.vertices.size());
    return TGLVector{c.X / n, c.Y / n, c.Z / n};
}

TGLVector normalOf(const CapturedVertex& v) { return TGLVector{v.texCoord[0], v.texCoord[1], v.texCoord[2]}; }

std::array<double, 3> windowPointOf(double x, double y, double z) {
    std::array<double, 16> modelview{}, projection{};
    std::array<GLint, 4> viewport{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    std::array<double, 3> w{};
    gluProject(x, y, z, modelview.data(), projection.data(), viewport.data(), &w[0], &w[1], &w[2]);
    return w;
}
