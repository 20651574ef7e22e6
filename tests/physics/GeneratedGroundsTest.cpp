// The generated landscape and sceneries made solid as the game scenes make
// them: bodies dropped on them come to rest on the ground, never in it; the
// landscape cut at any line gives no grid.
#include "physics/LandTestSupport.h"

#include "KEVA_Physics/PhyHeightMap.h"
#include "KEVA_Physics/PhyScenery.h"
#include "KEVA_Physics/TerrainFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

std::string dataPath(const std::string& name) { return std::string(KESTROVA_TEST_DATA) + "/" + name; }

// The height of the first static surface a ray meets going straight down from (x, from, z).
float staticGroundBelow(const NewtonWorld* world, float x, float from, float z) {
    const float p0[3] = {x, from, z}, p1[3] = {x, from - 2000, z};
    float nearest = 1;
    const auto onlyStatic = [](const NewtonBody* body, const NewtonCollision*, void*) -> unsigned {
        float mass = 0, ix = 0, iy = 0, iz = 0;
        NewtonBodyGetMassMatrix(body, &mass, &ix, &iy, &iz);
        return mass == 0 ? 1 : 0;
    };
    const auto keepNearest = [](const NewtonBody*, const float*, int, void* data, float param) -> float {
        float& best = *static_cast<float*>(data);
        best = std::min(best, param);
        return param;
    };
    NewtonWorldRayCast(world, p0, p1, keepNearest, &nearest, onlyStatic);
    return from - 2000 * nearest;
}

class GeneratedGrounds : public LandScene {
protected:
    void SetUp() override {
        LandScene::SetUp();
        if (!std::filesystem::exists(dataPath("castello1.3ds"))) GTEST_SKIP() << "the sceneries are not generated yet";
    }

    // Boxes and spheres dropped 3 above the ground on a 3 x 3 grid of `spacing`
    // round (x, z) rest on the ground after `seconds`, having never sunk into it.
    void expectBodiesRestRound(float x, float z, float spacing, float seconds) {
        const auto ground = [this](float px, float pz) { return staticGroundBelow(world, px, 1000, pz); };
        std::vector<std::pair<float, float>> places;
        for (int i = -1; i <= 1; ++i)
            for (int j = -1; j <= 1; ++j) places.emplace_back(x + i * spacing, z + j * spacing);
        const DroppedBodies dropped = dropBodies(world, places, ground, 3);
        // Under a body's deepest point, the ground is looked for from just above the body.
        std::vector<float> sinking(dropped.all.size(), 0);
        for (int step = 0; step < static_cast<int>(seconds * 60); ++step) {
            NewtonUpdate(world, 1.0f / 60);
            for (std::size_t b = 0; b < dropped.all.size(); ++b) {
                const Vec p = lowestWorldPoint(dropped.all[b]);
                sinking[b] = std::max(sinking[b], staticGroundBelow(world, p.x, p.y + 1.5f, p.z) - p.y);
            }
        }
        for (std::size_t b = 0; b < dropped.all.size(); ++b) {
            SCOPED_TRACE("body " + std::to_string(b) + " dropped at " + std::to_string(places[b].first) + ", " +
                         std::to_string(places[b].second));
            const Vec p = lowestWorldPoint(dropped.all[b]);
            EXPECT_LT(sinking[b], 0.15f) << "sank into the ground";
            EXPECT_NEAR(p.y, staticGroundBelow(world, p.x, p.y + 1.5f, p.z), 0.1f) << "does not lie on the ground";
            EXPECT_LT(length(velocityOf(dropped.all[b])), 0.1f) << "still moves";
        }
    }
};

}  // namespace

// Every line of the head and tail, and every 25th in between (each cut is read from the start).
TEST(GeneratedLandscape, CutAtAnyLineItGivesNoGrid) {
    if (!std::filesystem::exists(dataPath("grotta.ter"))) GTEST_SKIP() << "the landscape is not generated yet";
    std::ifstream in(dataPath("grotta.ter"), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_TRUE(PARSETERRAIN(text));
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    std::size_t line = 0;
    for (std::size_t end = text.find('\n'); end + 1 < text.size(); end = text.find('\n', end + 1), ++line)
        if (line < 300 || line + 300 > lines || line % 25 == 0) {
            ASSERT_FALSE(PARSETERRAIN(std::string_view(text).substr(0, end + 1))) << "cut after line " << line;
        }
}

TEST_F(GeneratedGrounds, BodiesComeToRestOnTheLandscape) {
    PHY_SETWORLDSIZE(world, -800, -800, -800, 800, 800, 800);
    PHY_HeightMap land;
    land.LOADFROMFILE(world, GLVECTOR(0, -100, 0), 15, dataPath("grotta.ter"));
    ASSERT_NE(land.NEWBODY, nullptr);
    // Round the player's start the valley falls away; its lowest hollow lies further along.
    expectBodiesRestRound(0, 330, 8, 30);
}

TEST_F(GeneratedGrounds, BodiesComeToRestInTheIncaCity) {
    PHY_SETWORLDSIZE(world, -800, -800, -800, 800, 800, 800);
    TGL3DSModel city;
    city.LOADMODEL3DS(2.5f, dataPath("citta incas.3ds"));
    PHY_ADD3DSCOLLISION(world, nullptr, city, false);
    expectBodiesRestRound(50, -60, 6, 10);
}

TEST_F(GeneratedGrounds, BodiesComeToRestInTheCastle) {
    PHY_SETWORLDSIZE(world, -900, -900, -1200, 900, 900, 1200);
    TGL3DSModel castle;
    castle.LOADMODEL3DS(3.2f, dataPath("castello1.3ds"));
    PHY_ADD3DSCOLLISION(world, nullptr, castle, false);
    expectBodiesRestRound(0, 450, 8, 10);
}
