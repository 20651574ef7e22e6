// Buoyancy: the lift of the part of a body under a fluid's surface, and the
// fluid's drag on it.
#include <algorithm>

#include "KEVA_Physics/engine/EngineRecords.h"

using engine::edit;

namespace {

// The viscosities count per tenth of a second: water's 0.8 lets a floating body
// settle within a few bobs.
constexpr btScalar kDragRate = 10;

struct Plane {
    btVector3 normal;  // unit, pointing out of the fluid
    btScalar offset;   // normal · p + offset = 0 on the surface
    btScalar height(const btVector3& p) const { return normal.dot(p) + offset; }
    // The height of the corner of the box low .. high that stands highest.
    btScalar highest(const btVector3& low, const btVector3& high) const {
        btScalar h = offset;
        for (int axis = 0; axis < 3; ++axis) h += std::max(normal[axis] * low[axis], normal[axis] * high[axis]);
        return h;
    }
};

// Volume and its centre, summed from signed tetrahedra with a common apex.
struct Submerged {
    btScalar volume = 0;
    btVector3 moment{0, 0, 0};

    void addFan(const std::vector<btVector3>& polygon, const btVector3& apex) {
        for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
            const btVector3 a = polygon[0] - apex;
            const btVector3 b = polygon[i] - apex;
            const btVector3 c = polygon[i + 1] - apex;
            const btScalar v = a.dot(b.cross(c)) / 6;
            volume += v;
            moment += (apex + polygon[0] + polygon[i] + polygon[i + 1]) * (v / 4);
        }
    }
};

// The part of a polygon below the surface (one Sutherland–Hodgman pass).
std::vector<btVector3> clipBelow(const btVector3* corners, int count, const Plane& plane) {
    std::vector<btVector3> below;
    for (int i = 0; i < count; ++i) {
        const btVector3& a = corners[i];
        const btVector3& b = corners[(i + 1) % count];
        const btScalar ha = plane.height(a);
        const btScalar hb = plane.height(b);
        if (ha <= 0) below.push_back(a);
        if ((ha < 0 && hb > 0) || (ha > 0 && hb < 0)) below.push_back(a + (b - a) * (ha / (ha - hb)));
    }
    return below;
}

// The faces below the surface, closed by the surface itself: with the apex on
// the surface, the closing face adds nothing and can be left out. A shape whose
// bounding box lies wholly under the surface, as most floating bodies do, is
// submerged whole.
Submerged submerged(const NewtonCollision& shape, const btTransform& place, const Plane& plane) {
    Submerged result;
    btVector3 low;
    btVector3 high;
    shape.shape()->getAabb(place, low, high);
    if (plane.highest(low, high) <= 0) {
        const engine::MassProperties whole = engine::massProperties(shape);
        result.volume = whole.volume;
        result.moment = place(whole.centre) * whole.volume;
        return result;
    }
    const btVector3 apex = plane.normal * -plane.offset;
    engine::forEachConvexPiece(shape, place, [&](const NewtonCollision& piece, const btTransform& at) {
        const engine::Polygons& polygons = engine::convexPolygons(piece);
        std::vector<btVector3> corners;
        std::size_t first = 0;
        for (int count : polygons.counts) {
            corners.clear();
            for (int i = 0; i < count; ++i) corners.push_back(at * polygons.corners[first + i]);
            result.addFan(clipBelow(corners.data(), count, plane), apex);
            first += static_cast<std::size_t>(count);
        }
    });
    return result;
}

}  // namespace

void NewtonBodyAddBuoyancyForce(const NewtonBody* body, dFloat fluidDensity, dFloat fluidLinearViscosity,
                                dFloat fluidAngularViscosity, const dFloat* gravityVector,
                                NewtonGetBuoyancyPlane buoyancyPlane, void* context) {
    NewtonBody* record = edit(body);
    const btVector3 gravity = engine::toVector(gravityVector);
    if (!record || !record->isDynamic() || !engine::finite(gravity) || !std::isfinite(fluidDensity) ||
        !std::isfinite(fluidLinearViscosity) || !std::isfinite(fluidAngularViscosity)) {
        return;
    }
    const btTransform place = engine::bodyTransform(*record);
    dFloat matrix[16];
    engine::store(place, matrix);
    dFloat surface[4] = {0, 1, 0, 0};
    if (buoyancyPlane) buoyancyPlane(record->collision->shapeId, context, matrix, surface);
    const btVector3 normal(surface[0], surface[1], surface[2]);
    const btScalar length = normal.length();
    if (!(length > SIMD_EPSILON) || !std::isfinite(length) || !std::isfinite(surface[3])) return;
    const Plane plane{normal / length, surface[3] / length};

    const Submerged part = submerged(*record->collision, place, plane);
    const btScalar volume = btFabs(part.volume);
    const btScalar whole = engine::massProperties(*record->collision).volume;
    if (!(volume > 0) || !(whole > 0)) return;
    const btScalar fraction = std::min<btScalar>(volume / whole, 1);
    const btVector3 centre = part.moment / part.volume;

    btRigidBody& rigid = record->rigid;
    const btVector3 lift = gravity * (-fluidDensity * volume);
    const btVector3 arm = centre - rigid.getCenterOfMassPosition();
    const btMatrix3x3& basis = rigid.getWorldTransform().getBasis();
    const btVector3 spin = basis * (record->inertia * (rigid.getAngularVelocity() * basis));
    const btScalar drag = kDragRate * fraction;
    record->force += lift - rigid.getLinearVelocity() * (drag * fluidLinearViscosity * record->mass);
    record->torque += arm.cross(lift) - spin * (drag * fluidAngularViscosity);
}
