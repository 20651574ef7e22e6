// The eight body kinds: set-up, inertia, drawing where the shape is, hiding.
#include "physics/BodyTestSupport.h"

#include "KEVA_Physics/PhyPointBodies.h"
#include "KEVA_Physics/PhyPrimitiveBodies.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

class BodyKinds : public BodyScene {};

TEST_F(BodyKinds, BoxInertiaGrowsWithTheSquareRootsOfItsSizes) {
    PHY_Box box;
    box.SETBOX(world, GLVECTOR(1, 2, 3), GLVECTOR(0, 0, 0), GLVECTOR(1, 2, 3), 12);
    float mass = 0;
    Vec inertia;
    NewtonBodyGetMassMatrix(box.NEWBODY, &mass, &inertia.x, &inertia.y, &inertia.z);
    EXPECT_FLOAT_EQ(mass, 12);
    expectNear(inertia, {4.449f, 3.864f, 3.414f}, 0.001f, "box inertia");
    expectNear(positionOf(box.NEWBODY), {1, 2, 3}, 1e-6f, "box position");
}

TEST_F(BodyKinds, SetUpTurnsThenPlacesTheBodyAndLetsItFall) {
    PHY_Cylinder cylinder;
    cylinder.SETCYLINDER(world, GLVECTOR(1, 5, 2), GLVECTOR(0, 0, 90), 0.5f, 2, 12, 3);
    const TGLBaseMatrix m = matrixOf(cylinder.NEWBODY);
    expectNear({m[0], m[1], m[2]}, {0, 1, 0}, 1e-6f, "the cylinder's axis stands up");
    expectNear(positionOf(cylinder.NEWBODY), {1, 5, 2}, 1e-6f, "placed at its position");
    simulate(world, 0.5f);
    const Vec p = positionOf(cylinder.NEWBODY);
    EXPECT_LT(p.y, 4.0f);
    EXPECT_NEAR(p.x, 1, 1e-3);
    EXPECT_NEAR(p.z, 2, 1e-3);
}

TEST_F(BodyKinds, EachKindIsDrawnWhereItsShapeIsAndNotAtAllOnceHidden) {
    std::vector<BodyKind> kinds = everyKind(world, GLVECTOR(0, 0, 0), 4);
    for (BodyKind& kind : everyKind(world, GLVECTOR(0, 90, 90), 10)) kinds.push_back(kind);
    for (const BodyKind& e : kinds) {
        const Bounds drawn = boundsOf(drawnVertices(e.draw));
        const Bounds shape = shapeBounds(e.body);
        // The engine pads hull shapes by a small collision margin.
        expectNear(drawn.min, shape.min, 0.06f, e.name + " lower corner");
        expectNear(drawn.max, shape.max, 0.06f, e.name + " upper corner");
        e.hide();
        EXPECT_TRUE(drawnVertices(e.draw).empty()) << e.name << " is still drawn after DELETE";
    }
}

TEST_F(BodyKinds, TheConesApexIsDrawnWhereTheShapesApexIs) {
    PHY_Cone cone;
    cone.SETCONE(world, GLVECTOR(0, 3, 0), GLVECTOR(0, 0, 90), 0.8f, 2, 16, 1);
    const Vec up{0, 1, 0}, alongAxis{1, 0, 0};
    Vec apex;
    NewtonCollisionSupportVertex(NewtonBodyGetCollision(cone.NEWBODY), &alongAxis.x, &apex.x);
    Vec highest{0, -100, 0};
    for (const Vec& v : drawnVertices([&] { cone.DRAW(); }))
        if (dot(v, up) > dot(highest, up)) highest = v;
    expectNear(highest, {0, 3 + apex.x, 0}, 0.03f, "apex");
}

TEST_F(BodyKinds, ACapsuleShorterThanOneIsDrawnOneLongWithItsShapeUnchanged) {
    PHY_Capsule capsule;
    capsule.SETCAPSULE(world, GLVECTOR(0, 3, 0), GLVECTOR(0, 0, 0), 0.2f, 0.6f, 16, 1);
    const Bounds drawn = boundsOf(drawnVertices([&] { capsule.DRAW(); }));
    const Bounds shape = shapeBounds(capsule.NEWBODY);
    EXPECT_NEAR(drawn.max.x - drawn.min.x, 1.0f, 0.01f);
    EXPECT_NEAR(shape.max.x - shape.min.x, 0.6f, 0.02f);
    EXPECT_FLOAT_EQ(capsule.H, 0.6f);
}

TEST_F(BodyKinds, OtherBodiesStillBounceOffAHiddenBody) {
    PHY_Box shelf;
    shelf.SETBOX(world, GLVECTOR(0, 5, 0), GLVECTOR(0, 0, 0), GLVECTOR(2, 0.25, 2), 0);
    shelf.DELETE();
    PHY_Sphere ball;
    ball.SETSPHERE(world, GLVECTOR(0, 8, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 12, 1);
    simulate(world, 3);
    EXPECT_NEAR(positionOf(ball.NEWBODY).y, 5.75f, 0.05f) << "the ball rests on the hidden shelf";
}

TEST_F(BodyKinds, ACustomFaceBoxTurnsAboutTheCornerAtItsPosition) {
    PHY_SETGRAVITYFORCE(0, 0, 0);
    PHY_CustomFaceBox box;
    box.SETCUSTOMFACECUBE(world, GLVECTOR(3, 10, 0), GLVECTOR(0, 0, 0), GLVECTOR(0, 0, 0), GLVECTOR(1, 1, 1), 1);
    const Bounds shape = shapeBounds(box.CONVEXHULL.NEWBODY);
    expectNear(shape.min, {3, 10, 0}, 0.06f, "the box's low corner at its position");
    expectNear(shape.max, {4, 11, 1}, 0.06f, "the box's high corner");
    const Vec spin{0, 0, 2};
    NewtonBodySetOmega(box.CONVEXHULL.NEWBODY, &spin.x);
    simulate(world, 0.5f);
    expectNear(positionOf(box.CONVEXHULL.NEWBODY), {3, 10, 0}, 0.01f, "the corner stays");
    const TGLBaseMatrix m = matrixOf(box.CONVEXHULL.NEWBODY);
    EXPECT_NEAR(m[0], std::cos(1.0f), 0.05f) << "the box has turned about z by one radian";
    EXPECT_NEAR(m[1], std::sin(1.0f), 0.05f);
}

TEST_F(BodyKinds, QualitiesBeyondThePointArraysAreClampedAndTooFewSidesRaised) {
    PHY_CustomFaceCylinder fine, coarse;
    fine.SETCUSTOMFACECYLINDER(world, GLVECTOR(-3, 2, 0), GLVECTOR(0, 0, 0), 0.5f, 1, 1000, 1);
    coarse.SETCUSTOMFACECYLINDER(world, GLVECTOR(3, 2, 0), GLVECTOR(0, 0, 0), 0.5f, 1, 0, 1);
    EXPECT_EQ(fine.QUALITY, 100);
    EXPECT_EQ(coarse.QUALITY, 3);
    PHY_CUSTOMFACETORUS ring;
    ring.SETCUSTOMFACETORUS(world, GLVECTOR(0, 4, -6), GLVECTOR(0, 0, 0), 0.1f, 0.5f, -4, 1);
    EXPECT_EQ(ring.QUALITY, 3);
    simulate(world, 0.5f);
    for (const NewtonBody* body : {fine.CONVEXHULL.NEWBODY, coarse.CONVEXHULL.NEWBODY, ring.COMPOUND.NEWBODY})
        EXPECT_TRUE(finite(positionOf(body)));
}
