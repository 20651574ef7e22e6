// Scenery models made solid: bodies rest on their floors, ramps and roofs.
#include "physics/LandTestSupport.h"
#include "support/Writer3ds.h"

#include "KEVA_Physics/PhyScenery.h"

#include <algorithm>
#include <cmath>

using namespace w3ds;

namespace {

// A square in the file's ground plane at height z (file z is up), counter-clockwise from above.
Bytes square(const std::string& name, float x0, float y0, float x1, float y1, float z) {
    return object(name, vertices({{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}}) + faces({{0, 1, 2}, {0, 2, 3}}));
}

// A ramp rising along file x from height 0 at x0 to `rise` at x1.
Bytes ramp(float x0, float x1, float y0, float y1, float rise) {
    return object("Ramp",
                  vertices({{x0, y0, 0}, {x1, y0, rise}, {x1, y1, rise}, {x0, y1, 0}}) + faces({{0, 1, 2}, {0, 2, 3}}));
}

}  // namespace

class SceneryCollision : public LandScene {};

TEST_F(SceneryCollision, BoxesAndSpheresComeToRestOnFloorRampAndRoof) {
    // At scale 2: a floor at y 0 from -20 to 20, a roof at y 6 over x -16 .. -8, a ramp of 14 degrees.
    TGL3DSModel scenery;
    scenery.LOADMODEL3DS(2, write("scenery.3ds", file(square("Floor", -10, -10, 10, 10, 0) +
                                                      square("Roof", -8, -4, -4, 4, 3) + ramp(2, 8, -4, 4, 1.5f))));
    PHY_ADD3DSCOLLISION(world, nullptr, scenery, false);
    const auto surface = [](float x, float z) {
        if (x >= -16 && x <= -8 && std::abs(z) <= 8) return 6.0f;
        if (x >= 4 && x <= 16 && std::abs(z) <= 8) return (x - 4) / 12 * 3;
        return 0.0f;
    };
    const std::vector<std::pair<float, float>> places = {{-14, -3}, {-10, 3}, {8, -2}, {10, 5}, {0, 0}, {-4, 14}};
    const DroppedBodies dropped = dropBodies(world, places, surface, 2);
    const std::vector<float> sinking = deepestSinking(world, dropped.all, surface, 8);
    for (std::size_t b = 0; b < dropped.all.size(); ++b) {
        SCOPED_TRACE("body " + std::to_string(b));
        const Vec lowest = lowestWorldPoint(dropped.all[b]);
        EXPECT_LT(sinking[b], 0.1f);
        EXPECT_NEAR(lowest.y, surface(lowest.x, lowest.z), 0.08f);
        EXPECT_LT(length(velocityOf(dropped.all[b])), 0.05f);
    }
}

TEST_F(SceneryCollision, TheWorldBoxBecomesTheModelsOnlyWhenAsked) {
    TGL3DSModel scenery;
    scenery.LOADMODEL3DS(1, write("floor.3ds", file(square("Floor", -10, -10, 10, 10, 0))));
    // The model's box reaches from y 0 to 0, so a body above it is outside the world box and stays put.
    PHY_Box kept, frozen;
    kept.SETBOX(world, GLVECTOR(0, 5, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 1);
    PHY_ADD3DSCOLLISION(world, nullptr, scenery, false);
    simulate(world, 1);
    EXPECT_LT(positionOf(kept.NEWBODY).y, 1) << "the scene's own world box stays";

    PHY_ADD3DSCOLLISION(world, nullptr, scenery, true);
    frozen.SETBOX(world, GLVECTOR(3, 5, 0), GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 1);
    simulate(world, 1);
    EXPECT_NEAR(positionOf(frozen.NEWBODY).y, 5, 0.01f) << "a body outside the model's box is not simulated";
}

TEST_F(SceneryCollision, AMeshOfMoreThan65535IndicesIsSolidToItsLastTriangle) {
    // 150 x 150 vertices, 44,402 triangles: 133,206 indices.
    constexpr int n = 150;
    std::vector<T3dpoint> points;
    std::vector<std::array<std::uint16_t, 3>> triangles;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) points.push_back({float(i), float(j), 0});
    for (int i = 0; i + 1 < n; ++i)
        for (int j = 0; j + 1 < n; ++j) {
            const auto at = [&](int a, int b) { return static_cast<std::uint16_t>(a * n + b); };
            triangles.push_back({at(i, j), at(i + 1, j), at(i + 1, j + 1)});
            triangles.push_back({at(i, j), at(i + 1, j + 1), at(i, j + 1)});
        }
    TGL3DSModel scenery;
    scenery.LOADMODEL3DS(1, write("grid.3ds", file(object("Grid", vertices(points) + faces(triangles)))));
    ASSERT_GT(scenery.GETSCENE3DS()->GETMESH(0)->FNUMINDICES, 65535);
    PHY_ADD3DSCOLLISION(world, nullptr, scenery, false);
    PHY_Sphere ball;
    ball.SETSPHERE(world, GLVECTOR(148.8, 2, 148.6), GLVECTOR(0, 0, 0), GLVECTOR(0.5, 0.5, 0.5), 12, 1);
    simulate(world, 3);
    EXPECT_NEAR(positionOf(ball.NEWBODY).y, 0.5f, 0.05f);
}
