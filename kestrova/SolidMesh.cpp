// Recording solids into a mesh, and drawing the mesh placed by a body's matrix.
#include "kestrova/SolidMesh.h"

#include "kestrova/FacingEye.h"
#include "kestrova/SolidBatch.h"

#include <algorithm>
#include <cmath>

namespace {

// The column-major 3 x 3 matrix m applied to (x, y, z).
std::array<float, 3> turn(const float* m, float x, float y, float z) {
    return {m[0] * x + m[3] * y + m[6] * z, m[1] * x + m[4] * y + m[7] * z, m[2] * x + m[5] * y + m[8] * z};
}

std::array<float, 3> turn(const float* m, double x, double y, double z) {
    return turn(m, static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

}  // namespace

void SolidMesh::setFrame(const TGLBaseMatrix& frame) {
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row) frame_[3 * column + row] = frame[4 * column + row];
    // Normals follow the inverse transpose of the linear part: its cofactors
    // divided by its determinant.
    const auto a = [&](int row, int column) { return frame[4 * column + row]; };
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int r1 = (row + 1) % 3, r2 = (row + 2) % 3, c1 = (column + 1) % 3, c2 = (column + 2) % 3;
            normalFrame_[3 * column + row] = a(r1, c1) * a(r2, c2) - a(r1, c2) * a(r2, c1);
        }
    const float det = a(0, 0) * normalFrame_[0] + a(0, 1) * normalFrame_[3] + a(0, 2) * normalFrame_[6];
    if (det != 0)
        for (float& value : normalFrame_) value /= det;
}

void SolidMesh::closesRoundOrigin() { closed_ = true; }

void SolidMesh::begin(GLenum mode) {
    mode_ = mode;
    primitive_.clear();
}

void SolidMesh::normal(double x, double y, double z) { next_.normal = turn(normalFrame_.data(), x, y, z); }

void SolidMesh::texCoord(double s, double t) { next_.tex = {static_cast<float>(s), static_cast<float>(t)}; }

void SolidMesh::vertex(double x, double y, double z) {
    const std::array<float, 3> p = turn(frame_.data(), x, y, z);
    next_.pos = {p[0] + frame_[9], p[1] + frame_[10], p[2] + frame_[11]};
    primitive_.push_back(next_);
}

// The primitive as triangles wound as GL winds its parts.
void SolidMesh::end() {
    const int n = static_cast<int>(primitive_.size());
    const int first = static_cast<int>(vertices_.size());
    if (mode_ == GL_POINTS) {
        points_.insert(points_.end(), primitive_.begin(), primitive_.end());
        primitive_.clear();
        return;
    }
    vertices_.insert(vertices_.end(), primitive_.begin(), primitive_.end());
    switch (mode_) {
        case GL_TRIANGLES:
            for (int i = 0; i + 2 < n; i += 3) addTriangle(first, i, i + 1, i + 2);
            break;
        case GL_TRIANGLE_STRIP:
            for (int i = 0; i + 2 < n; ++i) {
                if (i % 2 == 0) addTriangle(first, i, i + 1, i + 2);
                else addTriangle(first, i + 1, i, i + 2);
            }
            break;
        // Quads are split along the diagonals that Mesa splits them along, so
        // that the colours lit at the corners, and the texture at a cone's
        // apex, spread across them as they did when drawn as quads.
        case GL_QUADS:
            for (int i = 0; i + 3 < n; i += 4) {
                addTriangle(first, i, i + 1, i + 2);
                addTriangle(first, i, i + 2, i + 3);
            }
            break;
        case GL_QUAD_STRIP:
            for (int i = 0; i + 3 < n; i += 2) {
                addTriangle(first, i, i + 1, i + 3);
                addTriangle(first, i, i + 3, i + 2);
            }
            break;
        default:
            break;
    }
    primitive_.clear();
}

// Faces drawn with culling off also show their back, with the same normal
// since the lighting is one-sided: such a face is kept wound both ways. A
// triangle with two corners at one point covers no pixel (the half of every
// quad of a fan round a centre) and is left out.
void SolidMesh::addTriangle(int first, int a, int b, int c) {
    const auto same = [this](int i, int j) { return primitive_[i].pos == primitive_[j].pos; };
    if (same(a, b) || same(b, c) || same(a, c)) return;
    const std::array<float, 3>&p = primitive_[a].pos, &q = primitive_[b].pos, &r = primitive_[c].pos;
    const float u[3] = {q[0] - p[0], q[1] - p[1], q[2] - p[2]}, v[3] = {r[0] - p[0], r[1] - p[1], r[2] - p[2]};
    std::array<float, 3> n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0)
        for (float& x : n) x /= length;
    const std::array<float, 4> plane = {n[0], n[1], n[2], n[0] * p[0] + n[1] * p[1] + n[2] * p[2]};
    for (const auto& corner : {p, q, r})
        reach_ = std::max(reach_, std::sqrt(corner[0] * corner[0] + corner[1] * corner[1] + corner[2] * corner[2]));
    // The outward side of a closed solid's face has the origin behind it.
    for (int k : {a, b, c}) triangles_.push_back(static_cast<GLuint>(first + k));
    planes_.push_back(plane);
    inside_.push_back(closed_ && bothSides_ && !(plane[3] > 0));
    if (bothSides_) {
        for (int k : {a, c, b}) triangles_.push_back(static_cast<GLuint>(first + k));
        planes_.push_back({-plane[0], -plane[1], -plane[2], -plane[3]});
        inside_.push_back(closed_ && plane[3] > 0);
    }
}

void SolidMesh::cullingOff() { bothSides_ = true; }

void SolidMesh::cullingOn() {
    bothSides_ = false;
    turnsCullingOn_ = true;
}

namespace {

void sendPlacedVertex(const SolidMesh::Vertex& v, const float* linear, const TGLBaseMatrix& place) {
    const std::array<float, 3> n = turn(linear, v.normal[0], v.normal[1], v.normal[2]);
    const std::array<float, 3> p = turn(linear, v.pos[0], v.pos[1], v.pos[2]);
    glNormal3fv(n.data());
    glTexCoord2fv(v.tex.data());
    glVertex3f(p[0] + place[12], p[1] + place[13], p[2] + place[14]);
}

// Sends the triangles as one primitive, placed by the body's linear part and shift.
void sendPlaced(const std::vector<SolidMesh::Vertex>& vertices, const std::vector<GLuint>& triangles,
                const float* linear, const TGLBaseMatrix& place) {
    if (triangles.empty()) return;
    glBegin(GL_TRIANGLES);
    for (GLuint k : triangles) sendPlacedVertex(vertices[k], linear, place);
    glEnd();
}

void sendPlacedPoints(const std::vector<SolidMesh::Vertex>& points, const float* linear, const TGLBaseMatrix& place) {
    if (points.empty()) return;
    glBegin(GL_POINTS);
    for (const SolidMesh::Vertex& v : points) sendPlacedVertex(v, linear, place);
    glEnd();
}

// Appends the triangles' indices to `indices`, renumbered from `next` on in
// the order their vertices are first used, and calls use(k) once for each
// mesh vertex k they use, in that order.
template <typename Use>
void renumberUsed(std::size_t vertexCount, const std::vector<GLuint>& triangles, GLuint next,
                  std::vector<GLuint>& indices, Use&& use) {
    constexpr GLuint NOT_USED = ~0u;
    static std::vector<GLuint> usedAt;  // each mesh vertex's new index
    usedAt.assign(vertexCount, NOT_USED);
    for (GLuint k : triangles) {
        if (usedAt[k] == NOT_USED) {
            usedAt[k] = next++;
            use(k);
        }
        indices.push_back(usedAt[k]);
    }
}

// Sends the triangles as one indexed array inside the body's matrix, with only
// the vertices they use: the renderer lights every vertex of the range it is
// given, and the triangles facing the eye use about half of a round solid's.
void sendInBody(const std::vector<SolidMesh::Vertex>& vertices, const std::vector<GLuint>& triangles,
                const TGLBaseMatrix& place) {
    static std::vector<SolidMesh::Vertex> used;
    static std::vector<GLuint> renumbered;
    used.clear();
    renumbered.clear();
    renumberUsed(vertices.size(), triangles, 0, renumbered, [&](GLuint k) { used.push_back(vertices[k]); });
    glPushMatrix();
    glMultMatrixf(place.data());
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glInterleavedArrays(GL_T2F_N3F_V3F, 0, used.data());
    glDrawRangeElements(GL_TRIANGLES, 0, static_cast<GLuint>(used.size() - 1), static_cast<GLsizei>(renumbered.size()),
                        GL_UNSIGNED_INT, renumbered.data());
    glPopClientAttrib();
    glPopMatrix();
}

}  // namespace

// The triangles that face `eye`, when OpenGL would cull the others anyway,
// less the inner sides of a closed solid seen from outside it: they are
// neither placed nor lit nor set up for nothing.
const std::vector<GLuint>& SolidMesh::facing(const std::optional<std::array<float, 3>>& eye) const {
    if (!eye) return triangles_;
    static std::vector<GLuint> kept;
    kept.clear();
    const float distance = std::sqrt((*eye)[0] * (*eye)[0] + (*eye)[1] * (*eye)[1] + (*eye)[2] * (*eye)[2]);
    const bool outside = distance > reach_;
    for (std::size_t t = 0; t < planes_.size(); ++t)
        if (facesEye(planes_[t], *eye, distance + reach_) && !(outside && inside_[t]))
            kept.insert(kept.end(), &triangles_[3 * t], &triangles_[3 * t] + 3);
    return kept;
}

// Adds the triangles that face the eye to the batch, placed, each vertex of
// the mesh placed once however many triangles share it.
void SolidMesh::addTo(PlacedSolids& batch, const TGLBaseMatrix& place) const {
    const std::optional<std::array<float, 3>> eye =
        batch.cullsBackFaces ? eyeInPlacedFrame(batch.modelView, place) : std::nullopt;
    const std::vector<GLuint>& triangles = facing(eye);
    const float linear[9] = {place[0], place[1], place[2], place[4], place[5], place[6], place[8], place[9], place[10]};
    const std::size_t first = batch.triangles.size();
    renumberUsed(vertices_.size(), triangles, static_cast<GLuint>(batch.vertices.size()), batch.triangles,
                 [&](GLuint k) {
                     const Vertex& v = vertices_[k];
                     const std::array<float, 3> p = turn(linear, v.pos[0], v.pos[1], v.pos[2]);
                     batch.vertices.push_back({v.tex, turn(linear, v.normal[0], v.normal[1], v.normal[2]),
                                               {p[0] + place[12], p[1] + place[13], p[2] + place[14]}});
                 });
    batch.endBody(first, {place[12], place[13], place[14]});
}

void SolidMesh::draw(const TGLBaseMatrix& place) const {
    const float linear[9] = {place[0], place[1], place[2], place[4], place[5], place[6], place[8], place[9], place[10]};
    if (PlacedSolids* batch = openSolidBatch()) {
        addTo(*batch, place);
    } else {
        const std::vector<GLuint>& triangles = facing(eyeInPlacedFrame(place));
        // Up to here placing costs less than a draw call of its own (measured
        // with bench_draw on Mesa's software renderer).
        constexpr std::size_t MOST_PLACED = 96;
        if (triangles.size() > MOST_PLACED) sendInBody(vertices_, triangles, place);
        else sendPlaced(vertices_, triangles, linear, place);
    }
    sendPlacedPoints(points_, linear, place);
    // The batch's solids placed with culling off are sent with it off.
    if (turnsCullingOn_ && !glIsEnabled(GL_CULL_FACE)) {
        sendSolidBatch();
        glEnable(GL_CULL_FACE);
    }
}
