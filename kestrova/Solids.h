#pragma once
// Immediate-mode solids that bodies are drawn with. Each emits vertices,
// normals and texture coordinates; colour, material and texture are the
// caller's. The forms that take a SolidSink send them there instead (bodies
// record their solid once into a SolidMesh). Closed solids are counter-clockwise seen from outside, so back-face
// culling (SETGLREFRACTIVE) leaves their outside visible.
#include "base/GLTypes.h"

class SolidSink;

#include <array>
#include <cstdint>

// Unit normal of the last FINDNORMAL (x, y, z).
extern std::array<double, 3> FNORMAL;

// One line segment, a primitive of its own.
void LINE(float x1, float y1, float z1, float x2, float y2, float z2);
// Two vertices (with texture coordinates when `texture`) inside the caller's
// primitive: two calls make one quad.
void LINEFREE(float tx1, float ty1, float tx2, float ty2, float x1, float y1, float z1, float x2, float y2, float z2,
              bool texture);
// Stores in FNORMAL the unit normal of the triangle v1 v2 v3, pointing towards
// a viewer who sees it counter-clockwise; (0, 0, 0) for a degenerate triangle.
void FINDNORMAL(double v1x, double v1y, double v1z, double v2x, double v2y, double v2z, double v3x, double v3y,
                double v3z);

// One quad P1 P2 P3 P4 (P1 top-left, P2 top-right, P3 bottom-left, P4
// bottom-right: counter-clockwise seen from +z, texture upright), sent as P2,
// P1, P3, P4 with the normal of P2, P1, P3, or of P2, P3, P4 when those three
// give none.
void QUAD(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3, float x4, float y4,
          float z4);

// Box centred at (x, y, z) with half-extents sx, sy, sz; texture coordinates
// run up to the half-extents.
void CUBO(float x, float y, float z, float sx, float sy, float sz);
// Box between two corners, the texture repeated up to `tsize`.
void CUBO(float x1, float y1, float z1, float x2, float y2, float z2, float tsize);
void CUBO(SolidSink& sink, float x1, float y1, float z1, float x2, float y2, float z2, float tsize);
// Hexahedron from eight corners: a1 b1 d1 c1 go counter-clockwise round one end
// face seen from outside, a2 b2 d2 c2 round the other end (a2 joined to a1, and
// so on); the faces then come out counter-clockwise from outside.
void CUBO(const TGLVector& a1, const TGLVector& b1, const TGLVector& c1, const TGLVector& d1, const TGLVector& a2,
          const TGLVector& b2, const TGLVector& c2, const TGLVector& d2, float tsize);
void CUBO(SolidSink& sink, const TGLVector& a1, const TGLVector& b1, const TGLVector& c1, const TGLVector& d1,
          const TGLVector& a2, const TGLVector& b2, const TGLVector& c2, const TGLVector& d2, float tsize);

// Sphere of radius |r| at (sx, sy, sz) with |n| segments round the equator and
// half as many bands from pole to pole; a single point when |n| < 4 or r is 0.
void SFERA(float sx, float sy, float sz, float r, std::int32_t n);
void SFERA(SolidSink& sink, float sx, float sy, float sz, float r, std::int32_t n);
// Torus round the z axis at (x, y, z): tube radius `tuber`, `r` from the centre
// to the tube's centre line.
void TOROIDE(float x, float y, float z, float tuber, float r, std::int32_t sides, std::int32_t rings);
void TOROIDE(SolidSink& sink, float x, float y, float z, float tuber, float r, std::int32_t sides, std::int32_t rings);
// Capped cylinder from z to z + h round (x, y). The caps are drawn with
// culling off; culling is on afterwards.
void CILINDRO(float x, float y, float z, std::int32_t numcircle, std::int32_t numline, float r, float h, float tsize);
void CILINDRO(SolidSink& sink, float x, float y, float z, std::int32_t numcircle, std::int32_t numline, float r,
              float h, float tsize);
// Open tube from z to z + h round (x, y); culling untouched.
void TUBO(float x, float y, float z, std::int32_t numpoints, float r, float h);
// Cone with its base at z and its apex at z + h (a disc when h is 0), drawn
// with culling off; culling is on afterwards.
void CONO(float x, float y, float z, std::int32_t numpoints, float r, float h);
void CONO(SolidSink& sink, float x, float y, float z, std::int32_t numpoints, float r, float h);

// White wire-frame box between (x1, y1, -z1) and (x2, y2, -z2).
void DRAWGLVOLUMEOBJ(float sizeline, float x1, float y1, float z1, float x2, float y2, float z2);
