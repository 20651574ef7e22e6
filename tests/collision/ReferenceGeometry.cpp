// Reference geometry in double precision, independent of the collision unit.
#include "ReferenceGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace reference {

Vec operator+(const Vec& a, const Vec& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(const Vec& a, const Vec& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(double s, const Vec& v) { return {s * v.x, s * v.y, s * v.z}; }
double dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(const Vec& a, const Vec& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double length(const Vec& v) { return std::sqrt(dot(v, v)); }
Vec vec(const TGLVector& v) { return {v.X, v.Y, v.Z}; }
TGLVector glvector(const Vec& v) { return GLVECTOR(v.x, v.y, v.z); }

Matrix operator*(const Matrix& a, const Matrix& b) {
    Matrix m{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 3; ++k) m[r][c] += a[r][k] * b[k][c];
    return m;
}

Vec operator*(const Matrix& m, const Vec& v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

namespace {
double radians(double degrees) { return degrees * M_PI / 180; }
}  // namespace

Matrix turnX(double degrees) {
    const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return {{{1, 0, 0}, {0, c, -s}, {0, s, c}}};
}

Matrix turnY(double degrees) {
    const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return {{{c, 0, -s}, {0, 1, 0}, {s, 0, c}}};
}

Matrix turnZ(double degrees) {
    const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return {{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
}

Matrix turnOf(const Vec& degrees) { return turnY(degrees.y) * turnX(degrees.x) * turnZ(degrees.z); }

Vec place(const Vec& pos, const Vec& rotation, const Vec& local) { return pos + turnOf(rotation) * local; }

double distanceToSegment(const Vec& p, const Vec& a, const Vec& b) {
    const Vec ab = b - a;
    const double span = dot(ab, ab);
    const double t = span == 0 ? 0 : std::clamp(dot(p - a, ab) / span, 0.0, 1.0);
    return length(p - (a + t * ab));
}

Crossing crossingOf(const Vec& p, const Vec& q, const Triangle& t) {
    Crossing c;
    const Vec n = cross(t[1] - t[0], t[2] - t[0]);
    const double dp = dot(p - t[0], n), dq = dot(q - t[0], n);
    c.cosine = std::fabs(dp - dq) / (length(q - p) * length(n));
    if (dp == dq) return c;
    c.meetsPlane = true;
    c.parameter = dp / (dp - dq);
    const Vec x = p + c.parameter * (q - p);
    c.inside = true;
    c.edgeShare = std::numeric_limits<double>::infinity();
    for (int i = 0; i < 3; ++i) {
        const Vec& a = t[i];
        const Vec& b = t[(i + 1) % 3];
        if (dot(cross(b - a, x - a), n) < 0) c.inside = false;
        c.edgeShare = std::min(c.edgeShare, distanceToSegment(x, a, b) / length(b - a));
    }
    return c;
}

double ConvexSolid::signedDistance(const Vec& p) const {
    double farthest = -std::numeric_limits<double>::infinity();
    for (const Plane& plane : planes) farthest = std::max(farthest, dot(p - plane.point, plane.normal));
    return farthest;
}

namespace {

ConvexSolid placed(const Vec& pos, const Vec& rotation, const std::vector<Plane>& local) {
    const Matrix turn = turnOf(rotation);
    ConvexSolid solid;
    for (const Plane& plane : local) solid.planes.push_back({pos + turn * plane.point, turn * plane.normal});
    return solid;
}

// Corner k of the prism's ring of radius r at height y.
Vec ringCorner(int k, int n, double r, double y) {
    const double angle = -2 * M_PI * k / n;
    return {r * std::cos(angle), y, r * std::sin(angle)};
}

std::vector<Triangle> placedTriangles(const Vec& pos, const Vec& rotation, const std::vector<Triangle>& local) {
    std::vector<Triangle> world;
    for (const Triangle& t : local)
        world.push_back({place(pos, rotation, t[0]), place(pos, rotation, t[1]), place(pos, rotation, t[2])});
    return world;
}

double longestEdge(const Triangle& t) {
    return std::max({length(t[1] - t[0]), length(t[2] - t[1]), length(t[0] - t[2])});
}

struct Sampling {
    const ConvexSolid& solid;
    double margin, spacing;
    bool someInside = false, someOutside = false, allInside = true, allOutside = true;

    // The signed distance is convex, so a triangle's largest value is at a
    // corner; it changes no faster than the distance walked, so its smallest
    // value is at most one edge below the corners'.
    void sample(const Triangle& t) {
        const double d[3] = {solid.signedDistance(t[0]), solid.signedDistance(t[1]), solid.signedDistance(t[2])};
        const double largest = std::max({d[0], d[1], d[2]}), smallest = std::min({d[0], d[1], d[2]});
        const double edge = longestEdge(t);
        someInside = someInside || smallest < -margin;
        someOutside = someOutside || largest > margin;
        allInside = allInside && largest < -margin;
        if (largest < -margin || smallest - edge > margin) return;
        if (edge <= spacing) {
            allOutside = false;
            return;
        }
        const Vec ab = 0.5 * (t[0] + t[1]), bc = 0.5 * (t[1] + t[2]), ca = 0.5 * (t[2] + t[0]);
        for (const Triangle& piece :
             {Triangle{t[0], ab, ca}, Triangle{ab, t[1], bc}, Triangle{ca, bc, t[2]}, Triangle{ab, bc, ca}}) {
            sample(piece);
            if (someInside && someOutside) return;
        }
    }
};

}  // namespace

ConvexSolid box(const Vec& pos, const Vec& rotation, const Vec& low, const Vec& high) {
    return placed(pos, rotation,
                  {{high, {1, 0, 0}},
                   {high, {0, 1, 0}},
                   {high, {0, 0, 1}},
                   {low, {-1, 0, 0}},
                   {low, {0, -1, 0}},
                   {low, {0, 0, -1}}});
}

ConvexSolid prism(const Vec& pos, const Vec& rotation, int n, double r, double h) {
    std::vector<Plane> planes = {{{0, h, 0}, {0, 1, 0}}, {{0, 0, 0}, {0, -1, 0}}};
    for (int k = 0; k < n; ++k) {
        const double middle = -2 * M_PI * (k + 0.5) / n;
        planes.push_back({ringCorner(k, n, r, 0), {std::cos(middle), 0, std::sin(middle)}});
    }
    return placed(pos, rotation, planes);
}

std::vector<Triangle> boxSurface(const Vec& pos, const Vec& rotation, const Vec& low, const Vec& high) {
    const auto corner = [&](int i) {
        return Vec{i & 1 ? high.x : low.x, i & 2 ? high.y : low.y, i & 4 ? high.z : low.z};
    };
    // Each face as four corners that differ in two bits, cut along one diagonal.
    const int faces[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 4, 5}, {2, 3, 6, 7}, {0, 2, 4, 6}, {1, 3, 5, 7}};
    std::vector<Triangle> local;
    for (const auto& f : faces) {
        local.push_back({corner(f[0]), corner(f[1]), corner(f[2])});
        local.push_back({corner(f[2]), corner(f[1]), corner(f[3])});
    }
    return placedTriangles(pos, rotation, local);
}

std::vector<Triangle> prismSurface(const Vec& pos, const Vec& rotation, int n, double r, double h) {
    std::vector<Triangle> local;
    for (int k = 0; k < n; ++k) {
        const Vec b0 = ringCorner(k, n, r, 0), b1 = ringCorner(k + 1, n, r, 0);
        const Vec t0 = ringCorner(k, n, r, h), t1 = ringCorner(k + 1, n, r, h);
        local.push_back({b0, b1, t0});
        local.push_back({t0, b1, t1});
        local.push_back({Vec{0, 0, 0}, b0, b1});
        local.push_back({Vec{0, h, 0}, t0, t1});
    }
    return placedTriangles(pos, rotation, local);
}

Verdict classify(const std::vector<Triangle>& surface, const ConvexSolid& solid, double margin, double spacing) {
    Sampling sampling{solid, margin, spacing};
    for (const Triangle& t : surface) {
        sampling.sample(t);
        if (sampling.someInside && sampling.someOutside) return Verdict::Cross;
    }
    if (sampling.allInside) return Verdict::Inside;
    return sampling.allOutside ? Verdict::Apart : Verdict::TooClose;
}

double uniform(std::mt19937& random, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
}

Vec uniformVec(std::mt19937& random, double low, double high) {
    return {uniform(random, low, high), uniform(random, low, high), uniform(random, low, high)};
}

}  // namespace reference
