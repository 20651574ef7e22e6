#include "KEVA_Physics/PhyBodySetup.h"

#include "kestrova/Matrix.h"
#include "kestrova/Solids.h"

static_assert(sizeof(TGLVector) == 3 * sizeof(float), "the engine reads points as packed float triples");

namespace phy {

NewtonCollision* convexHullShape(NewtonWorld* world, std::span<const TGLVector> points) {
    return NewtonCreateConvexHull(world, static_cast<int>(points.size()), reinterpret_cast<const float*>(points.data()),
                                  sizeof(TGLVector), 0.01f, 0, nullptr);
}

NewtonBody* bodyFromShape(NewtonWorld* world, NewtonCollision* shape) {
    const TGLBaseMatrix identity = MATRIXLOADIDENTITY();
    NewtonBody* body = NewtonCreateBody(world, shape, identity.data());
    NewtonReleaseCollision(world, shape);
    return body;
}

void placeBody(NewtonBody* body, const TGLVector& pos, const TGLVector& rot, const TGLVector& inertia, float mass) {
    PHY_SETBODYANGLE(body, rot);
    PHY_SETBODYPROP(body, pos, inertia, mass);
    PHY_SETBODYPROPCALLBACK(body);
}

void drawInPlace(const SolidMesh& mesh, const NewtonBody* body) {
    TGLBaseMatrix place{};
    NewtonBodyGetMatrix(body, place.data());
    mesh.draw(place);
}

void drawBoxPlaced(bool shown, const NewtonBody* body, const TGLVector& min, const TGLVector& max) {
    const SolidKey key{BOX_SOLID, min.X, min.Y, min.Z, max.X, max.Y, max.Z};
    drawPlaced(shown, body, key, [&](SolidMesh& mesh) { CUBO(mesh, min.X, min.Y, min.Z, max.X, max.Y, max.Z, 1); });
}

}  // namespace phy
