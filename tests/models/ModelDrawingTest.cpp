// Sceneries drawn as the scenes draw them: material colours, see-through
// panes, texture maps found beside the model, the GL state left behind, and
// the resources a reload gives back.
#include "models/ModelTestSupport.h"

#include "KEVA_3DS/Scenery3ds.h"

#include <GL/gl.h>

#include <filesystem>
#include <fstream>
#include <utility>

using namespace w3ds;

namespace {

// A square in the file's ground plane at height z, counter-clockwise seen from above,
// with v running from 0 at y0 to 1 at y1.
Bytes square(const std::string& name, float x0, float y0, float x1, float y1, float z, const std::string& mat) {
    return object(name, vertices({{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}}) +
                            mapping({{0, 0}, {1, 0}, {1, 1}, {0, 1}}) +
                            faces({{0, 1, 2}, {0, 2, 3}}, materialGroup(mat, {0, 1})));
}

// An uncompressed 24-bit TGA, bottom row first: the lower half black, the upper half white.
Bytes halfWhiteTga() {
    Bytes tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 8, 0, 24, 0};
    for (int row = 0; row < 8; ++row) tga.insert(tga.end(), 8 * 3, row < 4 ? 0 : 255);
    return tga;
}

class ModelDrawing : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        folder = std::filesystem::path(::testing::TempDir()) /
                 ("models-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        // Seen from straight above: file x to the right, file y down the screen, 40 pixels a unit.
        glMatrixMode(GL_PROJECTION);
        glOrtho(-10, 10, -7.5, 7.5, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glRotatef(90, 1, 0, 0);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glEnable(GL_DEPTH_TEST);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return (folder / name).string();
    }
    // The colour drawn at a point of the file's ground plane.
    std::vector<std::uint8_t> at(float x, float y) {
        return pixelAt(static_cast<int>((x + 10) * 40), static_cast<int>((y + 7.5f) * 40));
    }
    static void redraw(const TGL3DSModel& model) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        model.PUTMODEL3DS();
    }

    std::filesystem::path folder;
};

void expectColour(const std::vector<std::uint8_t>& rgba, int r, int g, int b) {
    EXPECT_NEAR(rgba[0], r, 3);
    EXPECT_NEAR(rgba[1], g, 3);
    EXPECT_NEAR(rgba[2], b, 3);
}

}  // namespace

TEST_F(ModelDrawing, MaterialColoursShowAndSeeThroughPanesBlendOverWhatIsBehind) {
    const Bytes materials = material("Red", byteColour(MAT_DIFFUSE, 255, 0, 0)) +
                            material("Blue", byteColour(MAT_DIFFUSE, 0, 0, 255) + percentage(MAT_TRANSPARENCY, 50));
    // The pane comes first in the file but is drawn after the ground; the last square names no material.
    TGL3DSModel scenery;
    scenery.LOADMODEL3DS(1, write("scene.3ds", file(materials + square("Pane", -8, -6, 0, 6, 1, "Blue") +
                                                    square("Ground", -8, -6, 8, 6, 0, "Red") +
                                                    square("Odd", 4, -2, 6, 2, 2, "Nothing"))));
    redraw(scenery);
    expectColour(at(4, 4), 128, 0, 0);  // colours are drawn at half strength
    expectColour(at(-4, 0), 64, 0, 64);
    expectColour(at(5, 0), 102, 102, 102);
}

TEST_F(ModelDrawing, TextureMapsAreFoundBesideTheModelAndShowTheRightWayUp) {
    write("checker.tga", halfWhiteTga());
    const Bytes materials = material("Tiles", byteColour(MAT_DIFFUSE, 255, 255, 255) + textureMap("CHECKER.TGA")) +
                            material("Lost", byteColour(MAT_DIFFUSE, 0, 255, 0) + textureMap("nothere.tga"));
    TGL3DSModel scenery;
    scenery.LOADMODEL3DS(1, write("tiles.3ds", file(materials + square("Floor", -8, -6, 0, 6, 0, "Tiles") +
                                                    square("Grass", 0, -6, 8, 6, 0, "Lost"))));
    EXPECT_NE(scenery.GETSCENE3DS()->GETMATERIAL(0)->FTEXID, 0);
    EXPECT_EQ(scenery.GETSCENE3DS()->GETMATERIAL(1)->FTEXID, 0);
    redraw(scenery);
    expectColour(at(-4, 4), 128, 128, 128);  // v near 1: the image's upper half
    expectColour(at(-4, -4), 0, 0, 0);
    expectColour(at(4, 0), 0, 128, 0);  // a missing map leaves the material untextured
}

TEST_F(ModelDrawing, DrawingLeavesCullingTexturingAndBlendingAsTheyWereAndStopsWhenTheFileGoes) {
    write("checker.tga", halfWhiteTga());
    const Bytes materials = material("Glass", byteColour(MAT_DIFFUSE, 255, 255, 255) + textureMap("checker.tga") +
                                                  percentage(MAT_TRANSPARENCY, 40) + chunk(MAT_TWO_SIDE));
    TGL3DSModel scenery;
    const std::string path = write("glass.3ds", file(materials + square("Pane", -8, -6, 8, 6, 0, "Glass")));
    scenery.LOADMODEL3DS(1, path);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    redraw(scenery);
    GLint cullMode = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cullMode);
    EXPECT_EQ(cullMode, GL_BACK);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_GT(at(0, 4)[0], 20);

    std::filesystem::remove(path);
    redraw(scenery);
    expectColour(at(0, 4), 0, 0, 0);
}

TEST_F(ModelDrawing, LoadingAgainGivesBackTheOldDisplayListAndTextures) {
    write("checker.tga", halfWhiteTga());
    const std::string path = write(
        "floor.3ds", file(material("Tiles", textureMap("checker.tga")) + square("Floor", -8, -6, 8, 6, 0, "Tiles")));
    // Names that earlier tests left alive count before and after alike.
    const auto live = [](GLboolean (*exists)(GLuint)) {
        int count = 0;
        for (GLuint name = 1; name < 10000; ++name) count += exists(name) ? 1 : 0;
        return count;
    };
    const int lists = live(glIsList), textures = live(glIsTexture);
    TGL3DSModel scenery;
    for (int reset = 0; reset < 20; ++reset) scenery.LOADMODEL3DS(1, path);
    EXPECT_EQ(live(glIsList) - lists, 1);
    EXPECT_EQ(live(glIsTexture) - textures, 1);
}

TEST_F(ModelDrawing, MeshesReachingPastTheEdgesOfTheViewStillShowTheirPartInIt) {
    // The view spans -10..10 by -7.5..7.5; only the last square lies wholly outside it.
    const Bytes red = material("Red", byteColour(MAT_DIFFUSE, 255, 0, 0));
    TGL3DSModel scenery;
    scenery.LOADMODEL3DS(1, write("edges.3ds", file(red + square("Left", -12, -1, -9, 1, 0, "Red") +
                                                    square("Right", 9, -1, 12, 1, 0, "Red") +
                                                    square("Near", -1, -9, 1, -6.5f, 0, "Red") +
                                                    square("Far", -1, 6.5f, 1, 9, 0, "Red") +
                                                    square("Away", 20, -1, 24, 1, 0, "Red"))));
    redraw(scenery);
    for (const auto& [x, y] : {std::pair(-9.5f, 0.0f), std::pair(9.5f, 0.0f), std::pair(0.0f, -7.0f), std::pair(0.0f, 7.0f)})
        expectColour(at(x, y), 128, 0, 0);
}
