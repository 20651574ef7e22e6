// Shapes: their sizes and axes, volumes and inertia, closest points, faces,
// static meshes, and bad sizes and masses that must not break a world.
#include <limits>
#include <vector>

#include "PhysicsTestSupport.h"

namespace {

using EngineShape = PhysicsTest;

float volumeOf(NewtonCollision* shape) {
    return NewtonConvexCollisionCalculateVolume(shape);
}

Vec support(const NewtonCollision* shape, const Vec& dir) {
    Vec v;
    NewtonCollisionSupportVertex(shape, &dir.x, &v.x);
    return v;
}

TEST_F(EngineShape, VolumesMatchTheSolidsTheyStandFor) {
    EXPECT_NEAR(volumeOf(NewtonCreateBox(world, 2, 4, 6, 0, nullptr)), 48, 1e-3f);
    EXPECT_NEAR(volumeOf(NewtonCreateSphere(world, 1, 1, 1, 0, nullptr)), 4 * kPi / 3, 0.05f * 4 * kPi / 3);
    EXPECT_NEAR(volumeOf(NewtonCreateSphere(world, 1, 2, 3, 0, nullptr)), 8 * kPi, 0.05f * 8 * kPi);
    EXPECT_NEAR(volumeOf(NewtonCreateCylinder(world, 1, 2, 0, nullptr)), 2 * kPi, 0.03f * 2 * kPi);
    EXPECT_NEAR(volumeOf(NewtonCreateCone(world, 1, 3, 0, nullptr)), kPi, 0.03f * kPi);
    // A capsule's height is its whole length: a cylinder of 2 and two half spheres.
    EXPECT_NEAR(volumeOf(NewtonCreateCapsule(world, 1, 4, 0, nullptr)), 2 * kPi + 4 * kPi / 3, 0.05f * 10.5f);
    const dFloat corners[] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    EXPECT_NEAR(volumeOf(NewtonCreateConvexHull(world, 4, corners, 12, 0.01f, 0, nullptr)), 1.0f / 6, 1e-4f);
}

TEST_F(EngineShape, AnOffsetPlacesTheShapeAndACompoundAddsItsParts) {
    const TGLBaseMatrix shifted = identityAt({3, 0, 0});
    NewtonCollision* left = NewtonCreateBox(world, 2, 2, 2, 0, nullptr);
    NewtonCollision* right = NewtonCreateBox(world, 2, 2, 2, 0, shifted.data());
    EXPECT_NEAR(support(right, {1, 0, 0}).x, 4, 1e-4f);
    NewtonCollision* parts[] = {left, right};
    NewtonCollision* pair = NewtonCreateCompoundCollision(world, 2, parts, 0);
    EXPECT_NEAR(volumeOf(pair), 16, 1e-3f);
    Vec inertia;
    Vec centre;
    NewtonConvexCollisionCalculateInertialMatrix(pair, &inertia.x, &centre.x);
    EXPECT_NEAR(centre.x, 1.5f, 1e-4f);
    // Two unit cubes 1.5 either side of the centre: (2²+2²)/12 + 1.5² about y.
    EXPECT_NEAR(inertia.y, 8.0f / 12 + 2.25f, 1e-3f);
    EXPECT_NEAR(inertia.x, 8.0f / 12, 1e-3f);
}

TEST_F(EngineShape, ConeCylinderAndCapsuleLieAlongX) {
    NewtonCollision* cone = NewtonCreateCone(world, 1, 4, 0, nullptr);
    EXPECT_NEAR(support(cone, {1, 0, 0}).x, 2, 0.05f);  // the apex
    EXPECT_NEAR(support(cone, {0, 1, 0}).y, 1, 0.05f);
    Vec inertia;
    Vec centre;
    NewtonConvexCollisionCalculateInertialMatrix(cone, &inertia.x, &centre.x);
    EXPECT_NEAR(centre.x, -1, 0.02f);  // a quarter of the height above the base
    NewtonCollision* cylinder = NewtonCreateCylinder(world, 0.5f, 3, 0, nullptr);
    EXPECT_NEAR(support(cylinder, {1, 0, 0}).x, 1.5f, 1e-3f);
    EXPECT_NEAR(support(cylinder, {0, 0, 1}).z, 0.5f, 1e-3f);
    NewtonCollision* capsule = NewtonCreateCapsule(world, 0.5f, 3, 0, nullptr);
    EXPECT_NEAR(support(capsule, {1, 0, 0}).x, 1.5f, 1e-3f);
    EXPECT_NEAR(support(capsule, {0, 1, 0}).y, 0.5f, 1e-3f);
    NewtonCollision* ellipsoid = NewtonCreateSphere(world, 1, 2, 3, 0, nullptr);
    EXPECT_NEAR(support(ellipsoid, {0, 0, 1}).z, 3, 1e-3f);
    EXPECT_NEAR(support(ellipsoid, {0, 1, 0}).y, 2, 1e-3f);
}

TEST_F(EngineShape, BoxInertiaPerUnitMassIsTheSolidBoxs) {
    Vec inertia;
    Vec centre;
    NewtonConvexCollisionCalculateInertialMatrix(NewtonCreateBox(world, 2, 4, 6, 0, nullptr), &inertia.x, &centre.x);
    EXPECT_NEAR(inertia.x, (16 + 36) / 12.0f, 1e-3f);
    EXPECT_NEAR(inertia.y, (4 + 36) / 12.0f, 1e-3f);
    EXPECT_NEAR(inertia.z, (4 + 16) / 12.0f, 1e-3f);
    EXPECT_NEAR(length(centre), 0, 1e-5f);
}

TEST_F(EngineShape, TheBoundingBoxFollowsTheMatrix) {
    NewtonCollision* box = NewtonCreateBox(world, 2, 4, 6, 0, nullptr);
    // Turned a quarter about z and moved to (10, 0, 0): x and y swap.
    const TGLBaseMatrix m = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 10, 0, 0, 1};
    Vec low;
    Vec high;
    NewtonCollisionCalculateAABB(box, m.data(), &low.x, &high.x);
    EXPECT_NEAR(low.x, 8, 1e-3f);
    EXPECT_NEAR(high.x, 12, 1e-3f);
    EXPECT_NEAR(high.y, 1, 1e-3f);
    EXPECT_NEAR(high.z, 3, 1e-3f);
}

TEST_F(EngineShape, PointDistanceGivesTheClosestPointAndTheNormalTowardsIt) {
    NewtonCollision* box = NewtonCreateBox(world, 2, 2, 2, 0, nullptr);
    const TGLBaseMatrix at = identityAt({10, 0, 0});
    const Vec point{5, 0.5f, 0};
    Vec contact;
    Vec normal;
    ASSERT_EQ(NewtonCollisionPointDistance(world, &point.x, box, at.data(), &contact.x, &normal.x, 0), 0);
    EXPECT_NEAR(contact.x, 9, 1e-3f);
    EXPECT_NEAR(contact.y, 0.5f, 1e-3f);
    EXPECT_NEAR(normal.x, 1, 1e-4f);
    EXPECT_NEAR(length(normal), 1, 1e-5f);

    const Vec inside{10.2f, 0, 0};
    EXPECT_EQ(NewtonCollisionPointDistance(world, &inside.x, box, at.data(), &contact.x, &normal.x, 0), 1);

    NewtonCollision* sphere = NewtonCreateSphere(world, 2, 2, 2, 0, nullptr);
    const Vec above{10, 7, 0};
    ASSERT_EQ(NewtonCollisionPointDistance(world, &above.x, sphere, at.data(), &contact.x, &normal.x, 0), 0);
    EXPECT_NEAR(contact.y, 2, 1e-3f);
    EXPECT_NEAR(normal.y, -1, 1e-4f);
}

struct Outline {
    int polygons = 0;
    int corners = 0;
    Vec low{1e9f, 1e9f, 1e9f};
    Vec high{-1e9f, -1e9f, -1e9f};
    std::vector<int> faceIds;
};

Outline outline(const NewtonCollision* shape, const TGLBaseMatrix& m) {
    Outline result;
    NewtonCollisionForEachPolygonDo(
        shape, m.data(),
        [](void* user, int count, const dFloat* corners, int faceId) {
            auto& out = *static_cast<Outline*>(user);
            ++out.polygons;
            out.corners += count;
            out.faceIds.push_back(faceId);
            for (int i = 0; i < count; ++i) {
                const Vec p{corners[3 * i], corners[3 * i + 1], corners[3 * i + 2]};
                out.low = {std::min(out.low.x, p.x), std::min(out.low.y, p.y), std::min(out.low.z, p.z)};
                out.high = {std::max(out.high.x, p.x), std::max(out.high.y, p.y), std::max(out.high.z, p.z)};
            }
        },
        &result);
    return result;
}

TEST_F(EngineShape, EveryShapeKindIsWalkedFaceByFaceWhereTheMatrixPutsIt) {
    const TGLBaseMatrix at = identityAt({0, 10, 0});
    const Outline box = outline(NewtonCreateBox(world, 2, 4, 6, 0, nullptr), at);
    EXPECT_EQ(box.polygons, 6);
    EXPECT_EQ(box.corners, 24);
    EXPECT_NEAR(box.low.y, 8, 1e-4f);
    EXPECT_NEAR(box.high.z, 3, 1e-4f);

    NewtonCollision* curved[] = {NewtonCreateSphere(world, 1, 1, 1, 0, nullptr),
                                 NewtonCreateSphere(world, 1, 0.5f, 2, 0, nullptr),
                                 NewtonCreateCone(world, 1, 2, 0, nullptr),
                                 NewtonCreateCylinder(world, 1, 2, 0, nullptr),
                                 NewtonCreateCapsule(world, 1, 4, 0, nullptr)};
    for (NewtonCollision* shape : curved) {
        const Outline o = outline(shape, at);
        EXPECT_GT(o.polygons, 8);
        Vec low;
        Vec high;
        NewtonCollisionCalculateAABB(shape, at.data(), &low.x, &high.x);
        EXPECT_NEAR(o.low.x, low.x, 0.05f);
        EXPECT_NEAR(o.high.x, high.x, 0.05f);
        EXPECT_NEAR(o.high.y, high.y, 0.05f);
    }
    NewtonCollision* parts[] = {curved[2], curved[3]};
    EXPECT_EQ(outline(NewtonCreateCompoundCollision(world, 2, parts, 0), at).polygons,
              outline(curved[2], at).polygons + outline(curved[3], at).polygons);
}

NewtonCollision* floorMesh(const NewtonWorld* world) {
    NewtonCollision* tree = NewtonCreateTreeCollision(world, 0);
    NewtonTreeCollisionBeginBuild(tree);
    // A quad and a triangle, with a stride of four floats per point.
    const dFloat quad[] = {-10, 0, -10, 0, -10, 0, 10, 0, 10, 0, 10, 0, 10, 0, -10, 0};
    NewtonTreeCollisionAddFace(tree, 4, quad, 16, 7);
    const dFloat triangle[] = {10, 0, -10, 10, 0, 10, 20, 0, 0};
    NewtonTreeCollisionAddFace(tree, 3, triangle, 12, 9);
    NewtonTreeCollisionEndBuild(tree, 1);
    return tree;
}

TEST_F(EngineShape, ABoxRestsStillOnAStaticMesh) {
    NewtonCollision* tree = floorMesh(world);
    NewtonBody* ground = NewtonCreateBody(world, tree, nullptr);
    NewtonReleaseCollision(world, tree);
    NewtonBodySetMassMatrix(ground, 10, 1, 1, 1);  // a static mesh stays static
    NewtonBody* box = addBox(world, {2, 1, 3}, {1, 1, 1}, 5);  // across the quad's diagonal
    simulate(world, 1.0f, 0.012f);
    const Vec landed = positionOf(box);
    EXPECT_NEAR(landed.y, 0.5f, 0.02f);
    EXPECT_LT(length(landed - Vec{2, 0.5f, 3}), 0.03f);
    // It may still shift by a millimetre or so while it settles; then it falls
    // asleep and stays put.
    simulate(world, 3.0f, 0.012f);
    const Vec settled = positionOf(box);
    EXPECT_LT(length(settled - landed), 3e-3f);
    EXPECT_EQ(NewtonBodyGetSleepState(box), 1);
    simulate(world, 2.0f, 0.012f);
    EXPECT_LT(length(positionOf(box) - settled), 1e-5f);
    EXPECT_FLOAT_EQ(positionOf(ground).y, 0);

    const Outline faces = outline(tree, identityAt({0, 0, 0}));
    EXPECT_EQ(faces.polygons, 2);
    EXPECT_EQ(faces.corners, 7);
    EXPECT_EQ(faces.faceIds, (std::vector<int>{7, 9}));
    Vec low;
    Vec high;
    NewtonCollisionCalculateAABB(tree, identityAt({0, 0, 0}).data(), &low.x, &high.x);
    EXPECT_NEAR(low.x, -10, 0.02f);
    EXPECT_NEAR(high.x, 20, 0.02f);
}

TEST_F(EngineShape, AMeshWithoutFacesCollidesWithNothing) {
    NewtonCollision* tree = NewtonCreateTreeCollision(world, 0);
    NewtonTreeCollisionBeginBuild(tree);
    const dFloat line[] = {0, 0, 0, 1, 0, 0, 2, 0, 0};
    NewtonTreeCollisionAddFace(tree, 3, line, 12, 1);   // no area
    NewtonTreeCollisionAddFace(tree, 2, line, 12, 1);   // too few points
    NewtonTreeCollisionAddFace(tree, 3, nullptr, 12, 1);
    NewtonTreeCollisionEndBuild(tree, 0);
    NewtonCreateBody(world, tree, nullptr);
    NewtonBody* box = addBox(world, {0.5f, 2, 0}, {1, 1, 1}, 1);
    simulate(world, 1.0f);
    EXPECT_LT(positionOf(box).y, -2);
}

// Bodies with unusable sizes, points or masses fall or stay without breaking the world.
TEST_F(EngineShape, DegenerateShapesAndMassesNeitherCrashNorGiveNaN) {
    addBox(world, {0, -0.5f, 0}, {40, 1, 40}, 0);
    const dFloat flat[] = {0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 1};
    const dFloat line[] = {0, 0, 0, 1, 1, 1, 2, 2, 2};
    const float nan = std::nanf("");
    const dFloat broken[] = {nan, 0, 0, 1, nan, 0};
    NewtonCollision* shapes[] = {
        NewtonCreateBox(world, 0, 0, 0, 0, nullptr),
        NewtonCreateBox(world, -1, nan, 1, 0, nullptr),
        NewtonCreateSphere(world, 0, 0, 0, 0, nullptr),
        NewtonCreateCapsule(world, 0, 0, 0, nullptr),
        NewtonCreateCone(world, 0, 1, 0, nullptr),
        NewtonCreateCylinder(world, 1, 0, 0, nullptr),
        NewtonCreateConvexHull(world, 4, flat, 12, 0.01f, 0, nullptr),
        NewtonCreateConvexHull(world, 3, line, 12, 0.01f, 0, nullptr),
        NewtonCreateConvexHull(world, 1, line, 12, 0.01f, 0, nullptr),
        NewtonCreateConvexHull(world, 0, nullptr, 12, 0.01f, 0, nullptr),
        NewtonCreateConvexHull(world, 2, broken, 0, 0.01f, 0, nullptr),
    };
    std::vector<NewtonBody*> bodies;
    float x = -15;
    for (NewtonCollision* shape : shapes) {
        ASSERT_NE(shape, nullptr);
        NewtonBody* body = NewtonCreateBody(world, shape, identityAt({x, 2, 0}).data());
        x += 2.5f;
        Vec inertia;
        Vec centre;
        NewtonConvexCollisionCalculateInertialMatrix(shape, &inertia.x, &centre.x);
        EXPECT_TRUE(finite(inertia) && finite(centre));
        NewtonBodySetMassMatrix(body, 3, inertia.x * 3, inertia.y * 3, inertia.z * 3);
        NewtonBodySetForceAndTorqueCallback(body, PHY_GETGRAVITYFORCE);
        NewtonReleaseCollision(world, shape);
        bodies.push_back(body);
    }
    const float masses[] = {0, -5, nan, std::numeric_limits<float>::infinity()};
    for (float mass : masses) {
        NewtonBody* body = addBox(world, {x, 2, 0}, {1, 1, 1}, 0);
        x += 2.5f;
        NewtonBodySetMassMatrix(body, mass, nan, -1, 0);
        NewtonBodySetForceAndTorqueCallback(body, PHY_GETGRAVITYFORCE);
        bodies.push_back(body);
    }
    // A compound of nothing has no surface: it falls through everything.
    NewtonBody* nothing = NewtonCreateBody(world, NewtonCreateCompoundCollision(world, 0, nullptr, 0), nullptr);
    NewtonBodySetMassMatrix(nothing, 1, 1, 1, 1);
    NewtonBodySetForceAndTorqueCallback(nothing, PHY_GETGRAVITYFORCE);
    const dFloat nanVector[3] = {nan, nan, nan};
    NewtonBodySetVelocity(bodies[0], nanVector);
    NewtonBodyAddForce(bodies[1], nanVector);
    simulate(world, 3.0f);
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        EXPECT_TRUE(finite(positionOf(bodies[i])) && finite(velocityOf(bodies[i])) && finite(omegaOf(bodies[i])));
        EXPECT_GT(positionOf(bodies[i]).y, -1) << "body " << i;
    }
    EXPECT_LT(positionOf(nothing).y, -10);
    for (std::size_t i = bodies.size() - 4; i < bodies.size(); ++i) {
        EXPECT_FLOAT_EQ(positionOf(bodies[i]).y, 2) << "a body without a usable mass is static";
    }
}

}  // namespace
