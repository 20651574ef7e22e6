// The faces of convex shapes and the mass properties computed from them.
#include "KEVA_Physics/engine/EngineHullCache.h"
#include "KEVA_Physics/engine/EngineRecords.h"

namespace engine {
namespace {

// Curved shapes are faceted with this many segments around their axis and
// this many rings from pole to pole.
constexpr int kSegments = 24;
constexpr int kRings = 12;

void addRing(std::vector<btVector3>& points, btScalar x, btScalar radiusY, btScalar radiusZ) {
    for (int j = 0; j < kSegments; ++j) {
        const btScalar angle = SIMD_2_PI * static_cast<btScalar>(j) / kSegments;
        points.emplace_back(x, radiusY * btCos(angle), radiusZ * btSin(angle));
    }
}

// Points of a sphere cap between polar angles from and to (0 = +x pole),
// scaled by radii and moved along x by shift.
void addCap(std::vector<btVector3>& points, const btVector3& radii, btScalar shift, int fromRing, int toRing) {
    for (int i = fromRing; i <= toRing; ++i) {
        const btScalar polar = SIMD_PI * static_cast<btScalar>(i) / kRings;
        addRing(points, shift + radii.x() * btCos(polar), radii.y() * btSin(polar), radii.z() * btSin(polar));
    }
}

// The corner points whose hull is the shape, in the shape's own frame.
std::vector<btVector3> outlinePoints(const NewtonCollision& shape) {
    const btVector3& d = shape.dimensions;
    std::vector<btVector3> points;
    switch (shape.kind) {
    case ShapeKind::Box:
        for (int corner = 0; corner < 8; ++corner) {
            points.emplace_back(corner & 1 ? d.x() : -d.x(), corner & 2 ? d.y() : -d.y(), corner & 4 ? d.z() : -d.z());
        }
        break;
    case ShapeKind::Sphere:
        points = ellipsoidPoints(d);
        break;
    case ShapeKind::Cone:
        points.emplace_back(d.y() / 2, 0, 0);
        addRing(points, -d.y() / 2, d.x(), d.x());
        break;
    case ShapeKind::Cylinder:
        addRing(points, -d.y() / 2, d.x(), d.x());
        addRing(points, d.y() / 2, d.x(), d.x());
        break;
    case ShapeKind::Capsule: {
        const btScalar straight = d.y() / 2 - d.x();
        const btVector3 radii(d.x(), d.x(), d.x());
        addCap(points, radii, straight, 0, kRings / 2);
        addCap(points, radii, -straight, kRings / 2, kRings);
        break;
    }
    case ShapeKind::ConvexHull:
        points = shape.hullPoints;
        break;
    case ShapeKind::Compound:
    case ShapeKind::Tree:
        break;
    }
    return points;
}

Polygons hullFaces(const std::vector<btVector3>& points, const btTransform& place) {
    Polygons faces;
    if (points.size() < 3) return faces;
    const btConvexHullComputer& hull = computedHull(points, 0, 0).hull;
    for (int f = 0; f < hull.faces.size(); ++f) {
        const btConvexHullComputer::Edge* start = &hull.edges[hull.faces[f]];
        const btConvexHullComputer::Edge* edge = start;
        int count = 0;
        do {
            faces.corners.push_back(place * hull.vertices[edge->getTargetVertex()]);
            ++count;
            edge = edge->getNextEdgeOfFace();
        } while (edge != start);
        faces.counts.push_back(count);
    }
    return faces;
}

// Volume, first moments and second moments of the solid bounded by the
// polygons, summed tetrahedron by tetrahedron from the frame's origin.
struct Moments {
    btScalar volume = 0;
    btVector3 first{0, 0, 0};
    btMatrix3x3 second{0, 0, 0, 0, 0, 0, 0, 0, 0};

    void addTetrahedron(const btVector3& a, const btVector3& b, const btVector3& c) {
        const btMatrix3x3 columns(a.x(), b.x(), c.x(), a.y(), b.y(), c.y(), a.z(), b.z(), c.z());
        const btScalar determinant = a.dot(b.cross(c));
        // Covariance of the tetrahedron (0, a, b, c): det · A · C · Aᵀ with C the
        // covariance of the unit tetrahedron.
        static const btMatrix3x3 unit(btScalar(2.0 / 120), btScalar(1.0 / 120), btScalar(1.0 / 120),
                                      btScalar(1.0 / 120), btScalar(2.0 / 120), btScalar(1.0 / 120),
                                      btScalar(1.0 / 120), btScalar(1.0 / 120), btScalar(2.0 / 120));
        const btMatrix3x3 covariance = columns * unit * columns.transpose();
        for (int row = 0; row < 3; ++row) second[row] += covariance[row] * determinant;
        volume += determinant / 6;
        first += (a + b + c) * (determinant / 24);
    }

    void add(const Polygons& polygons) {
        std::size_t firstCorner = 0;
        for (int count : polygons.counts) {
            const btVector3* corner = &polygons.corners[firstCorner];
            for (int i = 1; i + 1 < count; ++i) addTetrahedron(corner[0], corner[i], corner[i + 1]);
            firstCorner += static_cast<std::size_t>(count);
        }
    }
};

// A shape without volume (a flat hull) still gets an inertia: that of its box.
MassProperties boxProperties(const NewtonCollision& shape) {
    btVector3 low;
    btVector3 high;
    shape.shape()->getAabb(btTransform::getIdentity(), low, high);
    const btVector3 half = (high - low) * btScalar(0.5);
    const btVector3 square = half * half;
    MassProperties properties;
    properties.centre = (high + low) * btScalar(0.5);
    properties.inertia = btVector3(square.y() + square.z(), square.x() + square.z(), square.x() + square.y()) / 3;
    return properties;
}

MassProperties measuredProperties(const NewtonCollision& shape) {
    if (shape.kind == ShapeKind::Tree) return {};
    Moments moments;
    forEachConvexPiece(shape, btTransform::getIdentity(),
                       [&](const NewtonCollision& piece, const btTransform&) { moments.add(convexPolygons(piece)); });
    if (moments.volume < 0) {  // faces wound the other way round
        moments.volume = -moments.volume;
        moments.first = -moments.first;
        for (int row = 0; row < 3; ++row) moments.second[row] = -moments.second[row];
    }
    if (!(moments.volume > SIMD_EPSILON * SIMD_EPSILON)) return boxProperties(shape);
    MassProperties properties;
    properties.volume = moments.volume;
    properties.centre = moments.first / moments.volume;
    // Second moments about the centre, then the inertia per unit mass.
    btMatrix3x3 about = moments.second;
    for (int row = 0; row < 3; ++row) {
        about[row] -= properties.centre * (properties.centre[row] * moments.volume);
    }
    const btScalar trace = about[0][0] + about[1][1] + about[2][2];
    properties.inertia = btVector3(trace - about[0][0], trace - about[1][1], trace - about[2][2]) / moments.volume;
    return properties;
}

}  // namespace

std::vector<btVector3> ellipsoidPoints(const btVector3& radii) {
    std::vector<btVector3> points;
    addCap(points, radii, 0, 0, kRings);
    return points;
}

const Polygons& convexPolygons(const NewtonCollision& shape) {
    if (!shape.polygons) shape.polygons = std::make_unique<Polygons>(hullFaces(outlinePoints(shape), shape.offset));
    return *shape.polygons;
}

MassProperties massProperties(const NewtonCollision& shape) {
    if (!shape.properties) shape.properties = measuredProperties(shape);
    return *shape.properties;
}

}  // namespace engine
