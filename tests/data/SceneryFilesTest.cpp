// The generated sceneries read with an independent reader (lib3ds): what the
// game's scenes rely on them to hold, and where a walker starts and stays.
#include "SceneryTestSupport.h"

#include "kestrova/TgaReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>

namespace {

struct SceneryCase {
    const char* file;
    float scale;          // as the scene loads it
    Point start;          // the player's start, in the scene's coordinates (y up)
    std::size_t objects;  // at least
    float groundLow, groundHigh;  // where the start's ground may lie, scene units
    float minX, maxX, minY, maxY;  // where a walker must stay, file units
};

const SceneryCase CASES[] = {
    {"citta incas.3ds", 2.5f, {50, 60, -60}, 20, 10, 40, -320, 320, -320, 320},
    {"castello1.3ds", 3.2f, {0, 300, 450}, 15, 1, 6, -250, 250, -125, 375},
};

// The scene shows file point (x, y, z) at (x, z, y) times its scale.
Point toFile(Point scenePoint, float scale) { return {scenePoint[0] / scale, scenePoint[2] / scale, scenePoint[1] / scale}; }

bool isPowerOfTwo(std::uint32_t n) { return n != 0 && (n & (n - 1)) == 0; }

bool isShortLowerCaseName(const std::string& name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos || dot == 0 || dot > 8 || name.size() - dot - 1 > 3) return false;
    return std::none_of(name.begin(), name.end(), [](char c) { return std::isupper(static_cast<unsigned char>(c)); });
}

class SceneryFile : public ::testing::TestWithParam<SceneryCase> {
protected:
    void SetUp() override {
        const auto read = readWithLib3ds(dataPath(GetParam().file));
        ASSERT_TRUE(read) << GetParam().file;
        scenery = *read;
    }
    Scenery scenery;
};

TEST_P(SceneryFile, HoldsEnoughObjectsAndTrianglesWithinTheFormatsLimits) {
    EXPECT_GE(scenery.meshes.size(), GetParam().objects);
    std::size_t triangles = 0, mixed = 0;  // mixed: triangles of objects with several material groups
    for (const SceneryMesh& m : scenery.meshes) {
        triangles += m.triangles.size();
        EXPECT_LE(m.vertices, 65535u) << m.name;
        EXPECT_EQ(m.texels, m.vertices) << m.name << ": texture coordinates for every vertex";
        EXPECT_LE(m.name.size(), 10u) << m.name;
        if (std::set<std::string>(m.faceMaterials.begin(), m.faceMaterials.end()).size() > 1) mixed += m.triangles.size();
    }
    EXPECT_GE(triangles, 5000u);
    EXPECT_LE(triangles, 20000u);
    // The ground's tiles may be of one material each; the buildings are not.
    EXPECT_GE(mixed * 4, triangles * 3) << "most triangles lie in objects with several material groups";
    EXPECT_EQ(scenery.lights, 1);
    EXPECT_EQ(scenery.cameras, 1);
}

TEST_P(SceneryFile, MaterialsAreOfEveryKindAndTheirMapsLoad) {
    ASSERT_GE(scenery.materials.size(), 5u);
    int twoSided = 0, seeThrough = 0, bumpy = 0;
    std::set<std::string> maps;
    for (const SceneryMaterial& m : scenery.materials) {
        EXPECT_LE(m.name.size(), 10u) << m.name;
        twoSided += m.twoSided;
        seeThrough += m.transparency >= 0.4f && m.transparency <= 0.6f;
        bumpy += !m.bumpMap.empty();
        for (const std::string& map : {m.map, m.bumpMap})
            if (!map.empty()) maps.insert(map);
    }
    EXPECT_GE(twoSided, 1);
    EXPECT_GE(seeThrough, 1);
    EXPECT_GE(bumpy, 1);
    EXPECT_TRUE(maps.count("grass.tga") && maps.count("wood.tga")) << "grass and wood";
    EXPECT_TRUE(maps.count("thatch.tga") || maps.count("rooftile.tga")) << "a roof";
    for (const std::string& map : maps) {
        EXPECT_TRUE(isShortLowerCaseName(map)) << map;
        TGATEXTURE texture;
        const std::vector<std::uint8_t> bytes = readDataFile(map);
        ASSERT_TRUE(READTGA(bytes, texture)) << map << " is in the data folder and loads";
        EXPECT_TRUE(isPowerOfTwo(texture.WIDTH) && isPowerOfTwo(texture.HEIGHT)) << map;
    }
}

// The file meets the game's reader with every chunk it reads and some it skips.
TEST_P(SceneryFile, HoldsEveryKindOfChunkTheGameMeets) {
    const std::vector<std::uint16_t> ids = chunkIds(readDataFile(GetParam().file));
    std::map<std::uint16_t, int> count;
    for (const std::uint16_t id : ids) ++count[id];
    for (const std::uint16_t id : {0x0002, 0x3D3E, 0x0100, 0xA000, 0x0010, 0x0011, 0x0012, 0xA040, 0xA050, 0xA081, 0xA200,
                                   0xA230, 0xA300, 0x4110, 0x4120, 0x4130, 0x4140, 0x4150, 0x4160, 0x4600, 0x4700, 0xB013})
        EXPECT_GT(count[id], 0) << std::hex << "chunk 0x" << id;
    EXPECT_EQ(static_cast<std::size_t>(count[0xB002]), scenery.meshes.size()) << "a keyframer node per object";
}

TEST_P(SceneryFile, GroundUnderTheStartFacesUpAtTheRightDepth) {
    const SceneryCase& c = GetParam();
    const auto hit = castRay(scenery, toFile(c.start, c.scale), {0, 0, -1});
    ASSERT_TRUE(hit) << "something to land on";
    const float groundHeight = c.start[1] - hit->distance * c.scale;
    EXPECT_GE(groundHeight, c.groundLow);
    EXPECT_LE(groundHeight, c.groundHigh);
    EXPECT_GT(hit->normal[2], 0.99f) << "level and facing up";
}

// Level rays from where the player stands meet a face turned towards them
// before they leave the ground the scene can hold.
TEST_P(SceneryFile, WallsAndSlopesKeepAWalkerInside) {
    const SceneryCase& c = GetParam();
    Point origin = toFile(c.start, c.scale);
    origin[2] -= castRay(scenery, origin, {0, 0, -1})->distance - 3.5f / c.scale;
    for (int i = 0; i < 32; ++i) {
        const float a = 2 * 3.14159265f * static_cast<float>(i) / 32;
        const Point direction = {std::cos(a), std::sin(a), 0};
        const auto hit = castRay(scenery, origin, direction);
        ASSERT_TRUE(hit) << "direction " << i;
        const float x = origin[0] + direction[0] * hit->distance, y = origin[1] + direction[1] * hit->distance;
        EXPECT_TRUE(x > c.minX && x < c.maxX && y > c.minY && y < c.maxY) << "direction " << i << " ends at " << x << ", " << y;
        EXPECT_LT(direction[0] * hit->normal[0] + direction[1] * hit->normal[1], 0) << "direction " << i << " meets a face's front";
    }
}

INSTANTIATE_TEST_SUITE_P(Generated, SceneryFile, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<SceneryCase>& scenery) {
                             return std::string(scenery.param.scale < 3 ? "IncaCity" : "Castle");
                         });

}  // namespace
