// The three box forms: one face table walker over eight corners.
#include "kestrova/Solids.h"

#include "kestrova/SolidSink.h"

namespace {

// A face corner: which of the eight corners, and its texture coordinates as
// indices into the form's texture values {0, u, v, w}.
struct FaceCorner {
    int corner;
    int s, t;
};
using Face = std::array<FaceCorner, 4>;
using FaceTable = std::array<Face, 6>;

// Corners of the axis-aligned forms are numbered by their sides: bit 0 set
// for x+, bit 1 for y+, bit 2 for z+. Texture index 1, 2, 3 stands for the
// x, y, z extent (or the repeat size of the corner form).
constexpr int X = 1, Y = 2, Z = 4;
constexpr FaceTable AXIS_ALIGNED_FACES = {{
    {{{Z, 0, 0}, {X | Z, 1, 0}, {X | Y | Z, 1, 2}, {Y | Z, 0, 2}}},  // front (z+)
    {{{0, 1, 0}, {Y, 1, 2}, {X | Y, 0, 2}, {X, 0, 0}}},              // back (z-)
    {{{Y, 0, 3}, {Y | Z, 0, 0}, {X | Y | Z, 1, 0}, {X | Y, 1, 3}}},  // top (y+)
    {{{0, 1, 3}, {X, 0, 3}, {X | Z, 0, 0}, {Z, 1, 0}}},              // bottom (y-)
    {{{X, 3, 0}, {X | Y, 3, 2}, {X | Y | Z, 0, 2}, {X | Z, 0, 0}}},  // right (x+)
    {{{0, 0, 0}, {Z, 3, 0}, {Y | Z, 3, 2}, {Y, 0, 2}}},              // left (x-)
}};

// Corners of the eight-corner form in argument order a1 b1 c1 d1 a2 b2 c2 d2.
constexpr int A1 = 0, B1 = 1, C1 = 2, D1 = 3, A2 = 4, B2 = 5, C2 = 6, D2 = 7;
constexpr FaceTable EIGHT_CORNER_FACES = {{
    {{{B1, 0, 0}, {A1, 1, 0}, {A2, 1, 1}, {B2, 0, 1}}},
    {{{C1, 1, 0}, {D1, 1, 1}, {D2, 0, 1}, {C2, 0, 0}}},
    {{{D1, 0, 1}, {C1, 0, 0}, {A1, 1, 0}, {B1, 1, 1}}},
    {{{B2, 1, 1}, {A2, 0, 1}, {C2, 0, 0}, {D2, 1, 0}}},
    {{{A1, 1, 0}, {C1, 1, 1}, {C2, 0, 1}, {A2, 0, 0}}},
    {{{B2, 0, 0}, {D2, 1, 0}, {D1, 1, 1}, {B1, 0, 1}}},
}};

// One quad primitive of six faces, each with the normal of its first three
// corners.
void drawFaces(SolidSink& sink, const std::array<TGLVector, 8>& corners, const FaceTable& faces,
               const std::array<float, 4>& tex) {
    sink.begin(GL_QUADS);
    for (const Face& face : faces) {
        const TGLVector& p1 = corners[face[0].corner];
        const TGLVector& p2 = corners[face[1].corner];
        const TGLVector& p3 = corners[face[2].corner];
        FINDNORMAL(p1.X, p1.Y, p1.Z, p2.X, p2.Y, p2.Z, p3.X, p3.Y, p3.Z);
        sink.normal(FNORMAL[0], FNORMAL[1], FNORMAL[2]);
        for (int k = 0; k < 4; ++k) {
            const TGLVector& p = corners[face[k].corner];
            sink.texCoord(tex[face[k].s], tex[face[k].t]);
            sink.vertex(p.X, p.Y, p.Z);
        }
    }
    sink.end();
}

void drawAxisAlignedBox(SolidSink& sink, float x1, float y1, float z1, float x2, float y2, float z2, const std::array<float, 4>& tex) {
    std::array<TGLVector, 8> corners;
    for (int i = 0; i < 8; ++i)
        corners[i] = TGLVector{(i & X) ? x2 : x1, (i & Y) ? y2 : y1, (i & Z) ? z2 : z1};
    drawFaces(sink, corners, AXIS_ALIGNED_FACES, tex);
}

}  // namespace

void CUBO(float x, float y, float z, float sx, float sy, float sz) {
    drawAxisAlignedBox(immediateSink(), x - sx, y - sy, z - sz, x + sx, y + sy, z + sz, {0, sx, sy, sz});
}

void CUBO(float x1, float y1, float z1, float x2, float y2, float z2, float tsize) {
    CUBO(immediateSink(), x1, y1, z1, x2, y2, z2, tsize);
}

void CUBO(SolidSink& sink, float x1, float y1, float z1, float x2, float y2, float z2, float tsize) {
    drawAxisAlignedBox(sink, x1, y1, z1, x2, y2, z2, {0, tsize, tsize, tsize});
}

void CUBO(const TGLVector& a1, const TGLVector& b1, const TGLVector& c1, const TGLVector& d1, const TGLVector& a2,
          const TGLVector& b2, const TGLVector& c2, const TGLVector& d2, float tsize) {
    CUBO(immediateSink(), a1, b1, c1, d1, a2, b2, c2, d2, tsize);
}

void CUBO(SolidSink& sink, const TGLVector& a1, const TGLVector& b1, const TGLVector& c1, const TGLVector& d1,
          const TGLVector& a2, const TGLVector& b2, const TGLVector& c2, const TGLVector& d2, float tsize) {
    drawFaces(sink, {a1, b1, c1, d1, a2, b2, c2, d2}, EIGHT_CORNER_FACES, {0, tsize, tsize, tsize});
}
