// Sphere and triangle overlap tests.
#include "KEVA_Collision/TriangleTests.h"

#include "KEVA_Collision/CollisionVector.h"

#include <cmath>

namespace collision {

TTRIANGLECOLLISION PIT;

namespace {

TGLVector lastPlanePoint;

// A segment counts as parallel to a plane when the cosine of its angle with the
// normal is at most this. Comparing with <= keeps zero-length segments and the
// planes of degenerate triangles (normal zero) parallel.
constexpr double PARALLEL_COSINE = 0.001;

TGLVector placed(const TGLVector& pos, const TGLVector& rot, const TGLVector& corner) {
    return VECADD(pos, VECROT(corner, rot));
}

double squaredLength(const TGLVector& v) { return double(v.X) * v.X + double(v.Y) * v.Y + double(v.Z) * v.Z; }

// The angle between two unit vectors; NaN stays NaN and fails every test.
double angleBetween(const TGLVector& u, const TGLVector& v) {
    double cosine = DOT(u, v);
    if (cosine < -1) cosine = -1;
    if (cosine > 1) cosine = 1;
    return std::acos(cosine);
}

}  // namespace

bool SPHEREINSIDESPHERE2(const TGLVector& centre1, const TGLVector& centre2, float radius1, float radius2) {
    return VECLENGHT(VECSUB(centre1, centre2)) <= radius1 + radius2;
}

bool LINEPLANEINTERSECTIONPOINT(const TGLVector& p1, const TGLVector& p2, const TGLVector& plane,
                                const TGLVector& normal) {
    const TGLVector dir = VECSUB(p2, p1);
    const float lineLength = DOT(dir, normal);
    // |lineLength| > PARALLEL_COSINE * |dir| * |normal|, squared.
    const double squaredBound = PARALLEL_COSINE * PARALLEL_COSINE * squaredLength(dir) * squaredLength(normal);
    if (!(double(lineLength) * lineLength > squaredBound)) return false;
    const float distPlane = DOT(VECSUB(plane, p1), normal);
    const float percentage = distPlane / lineLength;
    if (!(percentage >= 0 && percentage <= 1)) return false;
    lastPlanePoint = VECADD(p1, VECMUL(dir, percentage));
    return true;
}

TGLVector GETLPIP() { return lastPlanePoint; }

bool POINTINTRIANGLE(const TGLVector& point, const TGLVector& a, const TGLVector& b, const TGLVector& c, float volume) {
    PIT = TTRIANGLECOLLISION{a, b, c};
    const TGLVector v1 = GETVECUNIT(VECSUB(point, a));
    const TGLVector v2 = GETVECUNIT(VECSUB(point, b));
    const TGLVector v3 = GETVECUNIT(VECSUB(point, c));
    float sum = 0;
    sum += static_cast<float>(angleBetween(v1, v2));
    sum += static_cast<float>(angleBetween(v2, v3));
    sum += static_cast<float>(angleBetween(v3, v1));
    return std::fabs(sum - 2 * KESTROVA_PI) <= volume + 0.1f;
}

bool INTERSECTIONTRIANGLES(const TGLVector& a1, const TGLVector& b1, const TGLVector& c1, const TGLVector& a2,
                           const TGLVector& b2, const TGLVector& c2) {
    const TGLVector normal = CROSS(VECSUB(b1, a1), VECSUB(c1, a1));
    // No edge can cross a plane that has all three corners strictly on one side.
    const float da = DOT(VECSUB(a2, a1), normal), db = DOT(VECSUB(b2, a1), normal), dc = DOT(VECSUB(c2, a1), normal);
    if ((da > 0 && db > 0 && dc > 0) || (da < 0 && db < 0 && dc < 0)) return false;
    const TGLVector edges[3][2] = {{a2, b2}, {b2, c2}, {c2, a2}};
    for (const auto& edge : edges)
        if (LINEPLANEINTERSECTIONPOINT(edge[0], edge[1], a1, normal) && POINTINTRIANGLE(GETLPIP(), a1, b1, c1, 0))
            return true;
    return false;
}

bool TRIANGLEINTRIANGLE(const TGLVector& pos1, const TGLVector& rot1, const TGLVector& a1, const TGLVector& b1,
                        const TGLVector& c1, const TGLVector& pos2, const TGLVector& rot2, const TGLVector& a2,
                        const TGLVector& b2, const TGLVector& c2) {
    const TGLVector va1 = placed(pos1, rot1, a1), vb1 = placed(pos1, rot1, b1), vc1 = placed(pos1, rot1, c1);
    const TGLVector va2 = placed(pos2, rot2, a2), vb2 = placed(pos2, rot2, b2), vc2 = placed(pos2, rot2, c2);
    return INTERSECTIONTRIANGLES(va1, vb1, vc1, va2, vb2, vc2) || INTERSECTIONTRIANGLES(va2, vb2, vc2, va1, vb1, vc1);
}

}  // namespace collision
