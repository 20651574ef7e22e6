// TGA files into OpenGL textures by id.
#include "kestrova/Texture.h"

#include "kestrova/platform/OffscreenBackend.h"
#include "support/OffscreenGL.h"

#include <GL/gl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

class TextureTest : public OffscreenGL {
protected:
    std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const auto path = std::filesystem::temp_directory_path() / ("kestrova_texture_" + name);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        written_.push_back(path);
        return path.string();
    }
    void TearDown() override {
        for (const auto& path : written_) std::filesystem::remove(path);
    }

private:
    std::vector<std::filesystem::path> written_;
};

const std::vector<std::uint8_t> TWO_BY_TWO_24 = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0,
                                                  10, 20, 30, 1, 2, 3, 4, 5, 6, 7, 8, 9};

TEST_F(TextureTest, UploadsRedGreenBlueTexels) {
    TEXTURELOADTGAID(writeFile("rgb.tga", TWO_BY_TWO_24).c_str(), 5);
    ASSERT_NE(TEXTURETGA2[5].TEXID, 0u);
    EXPECT_TRUE(TEXTURETGA2[5].IMAGEDATA.empty()) << "the pixels are released once uploaded";
    TEXTURETGASELECTID(5);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), TEXTURETGA2[5].TEXID);
    // Packed 3-byte rows: the second row starts right after the first.
    std::vector<std::uint8_t> texels(2 * 2 * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels, (std::vector<std::uint8_t>{30, 20, 10, 3, 2, 1, 6, 5, 4, 9, 8, 7}));
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR);
}

TEST_F(TextureTest, MissingFileIsSkippedSilentlyAndKeepsTheTexture) {
    TEXTURELOADTGAID(writeFile("keep.tga", TWO_BY_TWO_24).c_str(), 6);
    const GLuint name = TEXTURETGA2[6].TEXID;
    const int boxes = platform::messageBoxCount();
    TEXTURELOADTGAID("/nonexistent/kestrova.tga", 6);
    EXPECT_EQ(platform::messageBoxCount(), boxes);
    EXPECT_EQ(TEXTURETGA2[6].TEXID, name);
    TEXTURETGASELECTID(200);  // never loaded: name 0
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

TEST_F(TextureTest, BadFileIsReportedOnceAndKeepsTheTexture) {
    TEXTURELOADTGAID(writeFile("good.tga", TWO_BY_TWO_24).c_str(), 7);
    const GLuint name = TEXTURETGA2[7].TEXID;
    std::vector<std::uint8_t> sixteenBits = TWO_BY_TWO_24;
    sixteenBits[16] = 16;
    const int boxes = platform::messageBoxCount();
    TEXTURELOADTGAID(writeFile("bad.tga", sixteenBits).c_str(), 7);
    EXPECT_EQ(platform::messageBoxCount(), boxes + 1);
    EXPECT_EQ(TEXTURETGA2[7].TEXID, name);
}

TEST_F(TextureTest, IdsOutsideTheTableAreIgnored) {
    const std::string file = writeFile("range.tga", TWO_BY_TWO_24);
    TEXTURELOADTGAID(file.c_str(), -1);
    TEXTURELOADTGAID(file.c_str(), TEXTURE_IDS);
    TEXTURETGASELECTID(TEXTURE_IDS);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

TEST_F(TextureTest, UnreadableFilesAreReported) {
    TGATEXTURE texture;
    const int boxes = platform::messageBoxCount();
    EXPECT_FALSE(LOADTGA(texture, "/nonexistent/kestrova.tga"));
    EXPECT_FALSE(LOADTGA(texture, std::filesystem::temp_directory_path().c_str()));
    EXPECT_EQ(platform::messageBoxCount(), boxes + 2);
}

}  // namespace
