// The landscape: .ter files read into grids, the land drawn and made solid.
#include "physics/BodyTestSupport.h"
#include "physics/LandTestSupport.h"

#include "KEVA_Physics/PhyHeightMap.h"
#include "KEVA_Physics/TerrainFile.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {

// A .ter file of nX x nY samples with heights h(x, y), with the empty and
// bracket lines such files carry.
std::string terText(int nX, int nY, const std::function<float(int, int)>& h, const char* newline = "\n") {
    const auto line = [&](const std::string& text) { return text + newline; };
    std::string text = line("KESTROVA HEIGHT MAP") + line(" [size]") + line("");
    text += line("dX: " + std::to_string(std::to_string(nX).size())) +
            line("dY: " + std::to_string(std::to_string(nY).size()));
    text += line("nX: " + std::to_string(nX)) + line("nY: " + std::to_string(nY)) + line(" [heights]");
    for (int x = 0; x < nX; ++x)
        for (int y = 0; y < nY; ++y) {
            char number[16];
            std::snprintf(number, sizeof number, " %.4g", static_cast<double>(h(x, y)));
            text += line(number);
        }
    return text;
}

}  // namespace

TEST(TerrainFile, HeightsComeInXMajorOrderAndBrokenFilesGiveNoGrid) {
    const std::string good = terText(
        3, 2, [](int x, int y) { return 10.0f * x + y; }, "\r\n");
    const auto grid = PARSETERRAIN(good);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->nX, 3);
    EXPECT_EQ(grid->nY, 2);
    EXPECT_FLOAT_EQ(grid->at(2, 1), 21.0f);
    EXPECT_FLOAT_EQ(grid->at(1, 0), 10.0f);

    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    for (const std::string& broken :
         {replaced("dX: 1", "dX: 5"), replaced("nX: 3", "nX: 0"),
          replaced("dX: 1", "dX: 4").replace(good.find("nX: 3"), 5, "nX: 1502"), replaced(" 21", " nan"),
          replaced(" 10\r", " 1,5\r"), replaced("nY: 2", "nY: x"), std::string()})
        EXPECT_FALSE(PARSETERRAIN(broken)) << broken;
    // Cut at the end of any line before the last, the file lacks heights.
    for (std::size_t end = good.find('\n'); end + 1 < good.size(); end = good.find('\n', end + 1))
        EXPECT_FALSE(PARSETERRAIN(good.substr(0, end + 1))) << "cut after byte " << end;
    EXPECT_FALSE(LOADTERRAINFILE("/nonexistent/grotta.ter"));
}

TEST_F(LandScene, CollidesWithWholeHeightsAndDrawsThemAsRead) {
    // x-major: h[0][0] = 3.7, h[0][1] = 1, h[1][0] = 2, h[1][1] = 0.
    const float heights[] = {3.7f, 1, 2, 0};
    PHY_HeightMap land;
    land.LOADFROMFILE(world, GLVECTOR(0, 0, 0), 2,
                      write("small.ter", terText(2, 2, [&](int x, int y) { return heights[2 * x + y]; })));
    ASSERT_NE(land.NEWBODY, nullptr);
    ASSERT_EQ(land.VERT.size(), 16u) << "one quad, and three left at the origin";
    EXPECT_NEAR(land.VERT[3].Y, 3 * 2 * 0.15f, 1e-5f);
    EXPECT_NEAR(land.VERT[3].X, -2, 1e-5f) << "the grid is centred on the position";
    const Bounds drawn = boundsOf(drawnVertices([&] { land.DRAW(); }));
    EXPECT_NEAR(drawn.max.y, 3.7f * 2 * 0.15f, 1e-4f);
    EXPECT_NEAR(drawn.min.x, -2, 1e-4f);
    EXPECT_NEAR(drawn.max.z, 0, 1e-4f);
}

TEST_F(LandScene, ShowsEvenlyLitFromAboveAndNothingFromBelow) {
    PHY_HeightMap land;
    land.LOADFROMFILE(world, GLVECTOR(0, 0, 0), 2, write("flat.ter", terText(9, 9, [](int, int) { return 5.0f; })));
    glMatrixMode(GL_PROJECTION);
    glOrtho(-10, 10, -7.5, 7.5, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const float fromViewer[] = {0, 0, 1, 0}, black[] = {0, 0, 0, 1}, grey[] = {0.8f, 0.8f, 0.8f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, fromViewer);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
    glMaterialfv(GL_FRONT, GL_AMBIENT, black);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, grey);
    glMaterialfv(GL_FRONT, GL_SPECULAR, black);

    glRotatef(90, 1, 0, 0);  // looking down
    land.DRAW();
    for (const auto& [x, y] : {std::pair{400, 300}, std::pair{300, 200}, std::pair{500, 380}})
        EXPECT_NEAR(pixelAt(x, y)[0], 204, 3) << "unit normals facing up at " << x << ", " << y;
    GLint cullMode = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullMode);
    EXPECT_EQ(cullMode, GL_BACK) << "the land leaves back faces culled";

    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glRotatef(-90, 1, 0, 0);  // looking up
    land.DRAW();
    EXPECT_EQ(pixelAt(400, 300)[0], 0);
}

TEST_F(LandScene, SeenFromWithinShowsNoHoleInAnyDirection) {
    // A wide flat land, of which a view from its middle takes in only a part:
    // whatever of it lies in view is drawn, whichever way the eye turns.
    PHY_HeightMap land;
    land.LOADFROMFILE(world, GLVECTOR(40, -10, -30), 2, write("wide.ter", terText(100, 100, [](int, int) { return 0.0f; })));
    glMatrixMode(GL_PROJECTION);
    gluPerspective(45, 800.0 / 600.0, 0.1, 1000);
    glMatrixMode(GL_MODELVIEW);
    glColor3f(1, 1, 1);
    for (int heading = 0; heading < 360; heading += 30) {
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        glRotatef(20, 1, 0, 0);  // looking down a little
        glRotatef(static_cast<float>(heading), 0, 1, 0);
        glTranslatef(-40, 0, 30);  // 10 above the land's middle
        land.DRAW();
        for (int y = 300; y < 600; y += 50)
            for (int x = 0; x < 800; x += 40)
                EXPECT_EQ(pixelAt(x, y)[0], 255) << "heading " << heading << ", pixel " << x << ", " << y;
    }
}

TEST_F(LandScene, VanishesWhileItsFileIsGoneAndLoadingAgainReplacesItsList) {
    const std::string path = write("land.ter", terText(4, 4, [](int x, int y) { return float(x + y); }));
    const auto lists = [] {
        int count = 0;
        for (GLuint name = 1; name < 1000; ++name) count += glIsList(name) ? 1 : 0;
        return count;
    };
    const int before = lists();
    PHY_HeightMap land;
    for (int reset = 0; reset < 10; ++reset) land.LOADFROMFILE(world, GLVECTOR(0, 0, 0), 1, path);
    EXPECT_EQ(lists(), before + 1);
    EXPECT_FALSE(drawnVertices([&] { land.DRAW(); }).empty());
    std::filesystem::remove(path);
    EXPECT_TRUE(drawnVertices([&] { land.DRAW(); }).empty());

    PHY_HeightMap missing;
    missing.LOADFROMFILE(world, GLVECTOR(0, 0, 0), 1, path);
    EXPECT_EQ(missing.NEWBODY, nullptr);
    EXPECT_TRUE(missing.VERT.empty());
}

TEST_F(LandScene, WearsItsTextureReplacedOnReloadAndStaysPlainWithoutOne) {
    const std::string flat = write("flat.ter", terText(9, 9, [](int, int) { return 5.0f; }));
    // A red 2 x 2 TGA: header, then blue, green, red per pixel.
    std::vector<std::uint8_t> red = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0};
    for (int pixel = 0; pixel < 4; ++pixel) red.insert(red.end(), {0, 0, 255});
    const auto textures = [] {
        int count = 0;
        for (GLuint name = 1; name < 1000; ++name) count += glIsTexture(name) ? 1 : 0;
        return count;
    };
    glMatrixMode(GL_PROJECTION);
    glOrtho(-10, 10, -7.5, 7.5, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glRotatef(90, 1, 0, 0);  // looking down on white land
    glColor3f(1, 1, 1);
    const int before = textures();

    PHY_HeightMap land;
    land.TEXIMAGE = write("red.tga", red);
    for (int reset = 0; reset < 10; ++reset) land.LOADFROMFILE(world, GLVECTOR(0, 0, 0), 2, flat);
    EXPECT_EQ(textures(), before + 1) << "reloading frees the texture it replaces";
    land.DRAW();
    EXPECT_EQ(pixelAt(400, 300)[0], 255);
    EXPECT_EQ(pixelAt(400, 300)[1], 0) << "the land wears its texture";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "what is drawn next is not textured";

    land.TEXIMAGE = (folder / "missing.tga").string();
    land.LOADFROMFILE(world, GLVECTOR(0, 0, 0), 2, flat);
    EXPECT_EQ(textures(), before);
    glClear(GL_COLOR_BUFFER_BIT);
    land.DRAW();
    EXPECT_EQ(pixelAt(400, 300)[1], 255) << "without its image the land is drawn plain";
}

TEST_F(LandScene, BoxesAndSpheresDroppedOnTheLandComeToRestOnItsSurface) {
    // A bowl: a flat floor with slopes of about 17 degrees round it, whole-number heights.
    const auto h = [](float x, float y) {
        return 2 * std::max(0.0f, std::abs(x - 10) - 3) + 2 * std::max(0.0f, std::abs(y - 10) - 3);
    };
    const float scale = 2;
    PHY_HeightMap land;
    land.LOADFROMFILE(world, GLVECTOR(0, -3, 0), scale,
                      write("bowl.ter", terText(21, 21, [&](int x, int y) { return h(float(x), float(y)); })));
    const auto surface = [&](float x, float z) { return -3 + h(x / scale + 10.5f, z / scale + 10.5f) * scale * 0.15f; };
    std::vector<std::pair<float, float>> places;
    for (float x : {-15.0f, -1.0f, 13.0f})
        for (float z : {-16.0f, 0.5f, 12.0f}) places.emplace_back(x, z);
    const DroppedBodies dropped = dropBodies(world, places, surface, 2);
    const std::vector<float> sinking = deepestSinking(world, dropped.all, surface, 10);
    for (std::size_t b = 0; b < dropped.all.size(); ++b) {
        const Vec lowest = lowestWorldPoint(dropped.all[b]);
        SCOPED_TRACE("body " + std::to_string(b) + " dropped at " + std::to_string(places[b].first) + ", " +
                     std::to_string(places[b].second));
        EXPECT_LT(sinking[b], 0.1f) << "sank into the land";
        EXPECT_NEAR(lowest.y, surface(lowest.x, lowest.z), 0.08f) << "does not lie on the land";
        EXPECT_LT(length(velocityOf(dropped.all[b])), 0.05f) << "still moves";
    }
}
