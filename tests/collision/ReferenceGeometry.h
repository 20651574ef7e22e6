#pragma once
// Double-precision geometry written apart from the collision unit, to check its
// answers against: axis rotations built as matrices, exact segment-triangle
// crossings, and closed convex solids given by their bounding planes.
#include "base/GLTypes.h"

#include <array>
#include <random>
#include <vector>

// The point the tests place their solids round.
inline const TGLVector ORIGIN{0, 0, 0};

namespace reference {

struct Vec {
    double x = 0, y = 0, z = 0;
};
Vec operator+(const Vec& a, const Vec& b);
Vec operator-(const Vec& a, const Vec& b);
Vec operator*(double s, const Vec& v);
double dot(const Vec& a, const Vec& b);
Vec cross(const Vec& a, const Vec& b);
double length(const Vec& v);
Vec vec(const TGLVector& v);
TGLVector glvector(const Vec& v);

using Matrix = std::array<std::array<double, 3>, 3>;  // [row][column]
Matrix operator*(const Matrix& a, const Matrix& b);
Vec operator*(const Matrix& m, const Vec& v);
// The three axis turns, angles in degrees; the one about y turns x towards z.
Matrix turnX(double degrees);
Matrix turnY(double degrees);
Matrix turnZ(double degrees);
// Ry * Rx * Rz: about z first, then x, then y.
Matrix turnOf(const Vec& degrees);

// A local point placed by a position and a rotation triple.
Vec place(const Vec& pos, const Vec& rotation, const Vec& local);

using Triangle = std::array<Vec, 3>;

// Distance from p to the segment a-b.
double distanceToSegment(const Vec& p, const Vec& a, const Vec& b);

// Where the line through p and q meets a triangle's plane: `parameter` along
// p -> q (a crossing of the segment when within 0..1), whether that point is
// `inside` the triangle, its distance to the nearest edge as a share of that
// edge's length (`edgeShare`), and the `cosine` of the line's angle with the
// normal.
struct Crossing {
    bool meetsPlane = false;
    double parameter = 0;
    bool inside = false;
    double edgeShare = 0;
    double cosine = 0;
};
Crossing crossingOf(const Vec& p, const Vec& q, const Triangle& t);

// A closed convex solid as its bounding planes: a point p is inside when every
// (p - point) . normal < 0. The largest of those values is the signed distance
// inside (negated) and a lower bound of the distance outside.
struct Plane {
    Vec point, normal;  // unit normal pointing out
};
struct ConvexSolid {
    std::vector<Plane> planes;
    double signedDistance(const Vec& p) const;
};
// The box between two local corners (x1 < x2, ...), placed.
ConvexSolid box(const Vec& pos, const Vec& rotation, const Vec& low, const Vec& high);
// The n-sided prism of radius r around local y from 0 to h, corners at the
// angles -2 pi k / n from x, placed.
ConvexSolid prism(const Vec& pos, const Vec& rotation, int n, double r, double h);

// Closed surfaces as triangles, placed.
std::vector<Triangle> boxSurface(const Vec& pos, const Vec& rotation, const Vec& low, const Vec& high);
std::vector<Triangle> prismSurface(const Vec& pos, const Vec& rotation, int n, double r, double h);

// What sampling one surface against another solid says about their surfaces.
enum class Verdict { Cross, Apart, Inside, TooClose };
// The surface's triangles are sampled at their corners and cut into four
// wherever the other solid's boundary may come within `margin`, down to pieces
// of `spacing`. Cross when some point is more than margin inside and some more
// than margin outside; Apart or Inside when the whole surface is known to stay
// more than margin outside or inside; TooClose otherwise.
Verdict classify(const std::vector<Triangle>& surface, const ConvexSolid& solid, double margin, double spacing);

double uniform(std::mt19937& random, double low, double high);
Vec uniformVec(std::mt19937& random, double low, double high);

}  // namespace reference
