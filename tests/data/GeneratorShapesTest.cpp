// The generator's shapes: solids closed and turned outwards, doorways a walker
// passes through, parapets with a merlon at each end, stairs a walker climbs.
#include "SceneryTestSupport.h"

#include "inca/IncaParts.h"
#include "mesh/Walls.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr Surface STONE = {0, 4};

Scenery sceneryOf(const Mesh& mesh) {
    SceneryMesh out{mesh.name, mesh.vertices.size(), mesh.vertices.size(), {}, {}};
    for (const Triangle& t : mesh.triangles) {
        std::array<Point, 3> corners{};
        const std::uint16_t index[] = {t.a, t.b, t.c};
        for (int k = 0; k < 3; ++k) {
            const Vec3 p = mesh.vertices[index[k]].position;
            corners[static_cast<std::size_t>(k)] = {p.x, p.y, p.z};
        }
        out.triangles.push_back(corners);
        out.faceMaterials.emplace_back("stone");
    }
    return {{out}, {}, 0, 0};
}

// Positive for a closed mesh whose faces turn counter-clockwise outwards.
float signedVolume(const Mesh& mesh) {
    float sum = 0;
    for (const Triangle& t : mesh.triangles)
        sum += dot(mesh.vertices[t.a].position, cross(mesh.vertices[t.b].position, mesh.vertices[t.c].position));
    return sum / 6;
}

TEST(GeneratorShapes, SolidsAreClosedAndTurnedOutwards) {
    Mesh prism;
    const Vec3 hexagon[] = {{2, 0, 0}, {1, 1.7320508f, 0}, {-1, 1.7320508f, 0}, {-2, 0, 0}, {-1, -1.7320508f, 0}, {1, -1.7320508f, 0}};
    addExtrusion(prism, hexagon, {0, 0, 3}, STONE, STONE);
    EXPECT_NEAR(signedVolume(prism), 6 * 1.7320508f * 3, 1e-3f);

    Mesh lying;  // a profile swept sideways, given clockwise this time
    const Vec3 wedge[] = {{0, 0, 0}, {0, 0, 2}, {0, 4, 0}};
    addExtrusion(lying, wedge, {5, 0, 0}, STONE, STONE);
    EXPECT_NEAR(signedVolume(lying), 4 * 5, 1e-3f);

    Mesh drum;
    addRoundSolid(drum, {{3, 4, 1}, 2, 2, 5, 32, true, true}, STONE, STONE);
    const float polygonArea = 0.5f * 32 * 4 * std::sin(2 * 3.14159265f / 32);
    EXPECT_NEAR(signedVolume(drum), polygonArea * 5, 1e-2f);
    for (const Vertex& v : drum.vertices) EXPECT_TRUE(std::isfinite(v.u) && std::isfinite(v.v));
}

TEST(GeneratorShapes, ATrapezoidalDoorwayLetsAWalkerThroughAndNarrowsAtTheTop) {
    Mesh wall;
    const Opening door = {10, 4.8f, 3.6f, 0, 12};
    addWall(wall, {{0, 0, 0}, {20, 0, 0}, 15, 1.2f}, {&door, 1}, STONE);
    const Scenery s = sceneryOf(wall);
    auto through = [&](float x, float z) { return castRay(s, {x, -5, z}, {0, 1, 0}); };
    EXPECT_FALSE(through(10, 1)) << "the middle of the doorway is open";
    EXPECT_FALSE(through(10 + 2.2f, 0.5f)) << "wide at the bottom";
    EXPECT_TRUE(through(10 + 2.2f, 11.5f)) << "narrower at the top";
    EXPECT_TRUE(through(10, 13)) << "the lintel";
    const auto beside = through(5, 1);
    ASSERT_TRUE(beside);
    EXPECT_LT(beside->normal[1], -0.99f) << "the wall's face turns towards the walker";
    EXPECT_NEAR(beside->distance, 5 - 0.6f, 1e-4f);
}

TEST(GeneratorShapes, ParapetsHaveAMerlonAtEachEnd) {
    for (const float length : {20.0f, 37.5f, 68.0f}) {
        const std::vector<Opening> gaps = crenels(length, 3.5f, 1.5f, 1.3f, 2.8f);
        ASSERT_FALSE(gaps.empty()) << length;
        const float merlon = gaps.front().centre - gaps.front().bottomWidth / 2;
        EXPECT_GT(merlon, 1) << length;
        EXPECT_NEAR(length - (gaps.back().centre + gaps.back().bottomWidth / 2), merlon, 1e-3f) << length;
        for (std::size_t i = 1; i < gaps.size(); ++i) EXPECT_NEAR(gaps[i].centre - gaps[i - 1].centre, merlon + 1.5f, 1e-3f);
    }
}

// At the city's scale (2.5) a walker climbs steps of one unit and slopes of about 30 degrees.
TEST(GeneratorShapes, CityStairsClimbInLowStepsToTheirTop) {
    const Stairs stairs = incaStairs({0, 0, 10}, {1, 0, 0}, 4);
    EXPECT_LE(stairs.rise / static_cast<float>(stairs.steps) * 2.5f, 1.0f);
    EXPECT_LE(std::atan2(stairs.rise, stairs.run * static_cast<float>(stairs.steps)), 31 * 3.14159265f / 180);
    Mesh mesh;
    addStairs(mesh, stairs, STONE, STONE);
    const Scenery s = sceneryOf(mesh);
    const float end = stairs.run * static_cast<float>(stairs.steps);
    const auto top = castRay(s, {end - 0.1f, 0, 20}, {0, 0, -1});
    ASSERT_TRUE(top);
    EXPECT_NEAR(20 - top->distance, 14, 1e-4f) << "the last step is level with the top";
    const auto first = castRay(s, {0.1f, 0, 20}, {0, 0, -1});
    ASSERT_TRUE(first);
    EXPECT_GT(first->normal[2], 0.99f);
}

}  // namespace
