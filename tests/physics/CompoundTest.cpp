// Compounds, the blocks they are made of, pyramid placement and quad meshes.
#include "physics/BodyTestSupport.h"

#include "KEVA_Physics/PhyBlockPlacement.h"
#include "KEVA_Physics/PhyCompound.h"
#include "KEVA_Physics/PhyCompoundBlocks.h"
#include "KEVA_Physics/PhyFaceQuadMesh.h"
#include "KEVA_Physics/PhyPointBodies.h"

#include <array>
#include <string>
#include <vector>

namespace {


Bounds bounds(const NewtonCollision* shape) {
    const TGLBaseMatrix identity = identityAt({});
    Bounds b;
    NewtonCollisionCalculateAABB(shape, identity.data(), &b.min.x, &b.max.x);
    return b;
}

}  // namespace

class Compounds : public BodyScene {};

TEST_F(Compounds, ABlockIsPlacedAtTheOffsetPlusTheTurnedPosition) {
    PHY_COMPOUNDBLOCKS blocks;
    NewtonCollision* shape =
        blocks.CYLINDER(world, GLVECTOR(1, 2, 3), GLVECTOR(0, 1, 0), GLVECTOR(0, 0, 90), 0.5f, 2, 16);
    // Standing along y from 0 to 2 above its position, turned onto -x, then moved.
    const Bounds b = bounds(shape);
    expectNear(b.min, {-1, 1.5f, 2.5f}, 0.06f, "lower corner");
    expectNear(b.max, {1, 2.5f, 3.5f}, 0.06f, "upper corner");
    NewtonReleaseCollision(world, shape);
}

TEST_F(Compounds, EachBlockIsDrawnWhereItsShapeIs) {
    PHY_COMPOUNDBLOCKS blocks;
    const TGLVector offset = GLVECTOR(0.5, -1, 2), pos = GLVECTOR(0, 0.5, 0.25), rot = GLVECTOR(90, 0, 0);
    struct Case {
        PHY_COMPOUNDBLOCKSTYPE type;
        NewtonCollision* shape;
    };
    const std::array<Case, 4> cases{{
        {PHYCOMPBOX2, blocks.BOX2(world, offset, pos, rot, GLVECTOR(1, 1, 1), GLVECTOR(-1, 1, 1), GLVECTOR(1, -1, 1),
                                  GLVECTOR(-1, -1, 1), GLVECTOR(0.5, 0.5, -1), GLVECTOR(-0.5, 0.5, -1),
                                  GLVECTOR(0.5, -0.5, -1), GLVECTOR(-0.5, -0.5, -1))},
        {PHYCOMPCONE, blocks.CONE(world, offset, pos, rot, 0.8f, 2, 16)},
        {PHYCOMPTRUNCCONE, blocks.TRUNCCONE(world, offset, pos, rot, 0.3f, 0.8f, 1.2f, 16)},
        {PHYCOMPCYLINDER, blocks.CYLINDER(world, offset, pos, rot, 0.6f, 1.5f, 16)},
    }};
    for (const Case& c : cases) {
        const Bounds drawn = boundsOf(drawnVertices([&] { blocks.DRAW(c.type); }));
        const Bounds shape = bounds(c.shape);
        const std::string what = "block type " + std::to_string(c.type);
        expectNear(drawn.min, shape.min, 0.06f, what);
        expectNear(drawn.max, shape.max, 0.06f, what);
        NewtonReleaseCollision(world, c.shape);
    }
    blocks.DELETE();
    EXPECT_TRUE(drawnVertices([&] { blocks.DRAW(PHYCOMPCYLINDER); }).empty());
}

TEST_F(Compounds, TheTruncatedConeIsNarrowAtTheTop) {
    PHY_COMPOUNDBLOCKS blocks;
    NewtonReleaseCollision(world, blocks.TRUNCCONE(world, {}, {}, {}, 0.3f, 0.8f, 1.2f, 16));
    for (const Vec& v : drawnVertices([&] { blocks.DRAW(PHYCOMPTRUNCCONE); })) {
        const float radius = std::sqrt(v.x * v.x + v.z * v.z);
        EXPECT_LE(radius, (v.y > 0 ? 0.3f : 0.8f) + 1e-4f) << "at height " << v.y;
    }
}

TEST_F(Compounds, BlockQualityIsClampedToThePointArray) {
    PHY_COMPOUNDBLOCKS blocks;
    NewtonReleaseCollision(world, blocks.CYLINDER(world, {}, {}, {}, 1, 1, 5000));
    NewtonReleaseCollision(world, blocks.CONE(world, {}, {}, {}, 1, 1, -3));
    EXPECT_EQ(blocks.CYLINDER_.QUALITY, 100);
    EXPECT_EQ(blocks.CONE_.QUALITY, 3);
}

TEST_F(Compounds, TheCentreOfMassSitsOneUnitBelowTheOriginWhateverTheParts) {
    PHY_SETGRAVITYFORCE(0, 0, 0);
    std::array<PHY_COMPOUNDBLOCKS, 2> blocks;
    const std::array<NewtonCollision*, 2> parts{
        blocks[0].CYLINDER(world, {}, GLVECTOR(0, 2, 0), {}, 0.5f, 4, 12),
        blocks[1].CONE(world, {}, GLVECTOR(0, 4.5, 0), {}, 0.7f, 1, 12)};
    PHY_COMPOUND rocket;
    rocket.SETCOMPOUND(world, parts, GLVECTOR(-5, 10, 0), GLVECTOR(0, 0, 0), 2, 5);
    PHY_CUSTOMFACETORUS ring;
    ring.SETCUSTOMFACETORUS(world, GLVECTOR(5, 10, 0), GLVECTOR(0, 0, 0), 0.3f, 2, 16, 5);

    for (const NewtonBody* body : {rocket.NEWBODY, ring.COMPOUND.NEWBODY}) {
        Vec centre;
        NewtonBodyGetCentreOfMass(body, &centre.x);
        expectNear(centre, {0, -1, 0}, 1e-6f, "centre of mass");
        // Spinning freely, the body turns about that point.
        const Vec pivot = worldPoint(body, {0, -1, 0});
        const Vec spin{0, 0, 1.5f};
        NewtonBodySetOmega(body, &spin.x);
        simulate(world, 1);
        expectNear(worldPoint(body, {0, -1, 0}), pivot, 0.01f, "pivot");
        EXPECT_GT(length(positionOf(body) - (pivot + Vec{0, 1, 0})), 0.5f) << "the origin has swung round the pivot";
    }
}

TEST_F(Compounds, PyramidBlocksStackWithHalfBlockShiftsAndDropOffsetsWhereTheMaximumIsZero) {
    for (int l = 0; l < 4; ++l)
        expectNear(vec(PHY_CREATEPYRAMIDBLOCKS(4, 6, -2, 0.5f, 0.7f, 0.6f, 0, 3, l, 2, 0, 0, 0)), {4, 6 + 1.4f * l, -2},
                   1e-5f, "layer " + std::to_string(l));
    // The impact scene's wall: row 0, layer 2, column 3.
    expectNear(vec(PHY_CREATEPYRAMIDBLOCKS(4, 6, -2, 0, 0.7f, 0.7f, 0.0025f, 0, 2, 3, 0, 10, 10)),
               {4, 6 + 1.4025f * 2 + (0.025f - 10) / 2, -2 + 1.4025f * 4 + (0.025f - 10) / 2}, 1e-4f, "wall block");
    // A square pyramid: both horizontal offsets, layer 1 shifted by half a block.
    expectNear(vec(PHY_CREATEPYRAMIDBLOCKS(0, 0, 0, 1, 0.5f, 1, 0.5f, 2, 1, 1, 4, 0, 4)),
               {2.5f * 2.5f + (2 - 4) / 2.0f, 1.5f, 2.5f * 1.5f + (2 - 4) / 2.0f}, 1e-5f, "pyramid block");
}

TEST_F(Compounds, AQuadMeshTakesWholeQuadsOnlyAndCarriesBodies) {
    // Two quads of a 4 x 2 step at y = 2, and one point left over.
    const std::vector<TGLVector> points{
        GLVECTOR(-2, 2, 1), GLVECTOR(0, 2, 1), GLVECTOR(0, 2, -1), GLVECTOR(-2, 2, -1),
        GLVECTOR(0, 2, 1),  GLVECTOR(2, 2, 1), GLVECTOR(2, 2, -1), GLVECTOR(0, 2, -1),
        GLVECTOR(9, 9, 9)};
    NewtonCollision* mesh = PHY_CREATEFACEQUAD(world, points, 0);
    const TGLBaseMatrix identity = identityAt({});
    NewtonBody* step = NewtonCreateBody(world, mesh, identity.data());
    NewtonReleaseCollision(world, mesh);
    const Bounds b = shapeBounds(step);
    EXPECT_LT(b.max.y, 2.1f) << "the left-over point made no face";
    PHY_Box crate;
    crate.SETBOX(world, GLVECTOR(1, 4, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.4, 0.4, 0.4), 1);
    simulate(world, 2);
    EXPECT_NEAR(positionOf(crate.NEWBODY).y, 2.4f, 0.05f);
}

TEST_F(Compounds, EmptyPartListsPointListsAndMeshesNeitherCrashNorGiveNaN) {
    PHY_COMPOUND nothing;
    nothing.SETCOMPOUND(world, {}, GLVECTOR(0, 3, 0), GLVECTOR(0, 0, 0), 5, 1);
    PHY_CONVEXHULL noPoints;
    noPoints.SETCONVEXHULL(world, {}, 7, GLVECTOR(3, 3, 0), GLVECTOR(0, 0, 0), 1);
    PHY_CONVEXHULL negativeCount;
    negativeCount.SETCONVEXHULL(world, negativeCount.BODYPOINT, -5, GLVECTOR(-3, 3, 0), GLVECTOR(0, 0, 0), 1);
    negativeCount.SETORIGIN(GLVECTOR(1, 1, 1), 2501);
    negativeCount.SETORIGIN(GLVECTOR(1, 1, 1), -1);
    NewtonCollision* noQuads = PHY_CREATEFACEQUAD(world, std::vector<TGLVector>(3), 0);
    NewtonReleaseCollision(world, noQuads);
    simulate(world, 1);
    for (const NewtonBody* body : {nothing.NEWBODY, noPoints.NEWBODY, negativeCount.NEWBODY})
        EXPECT_TRUE(finite(positionOf(body)));
}
