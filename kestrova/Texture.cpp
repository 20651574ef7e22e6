#include "kestrova/Texture.h"

#include "kestrova/FileBytes.h"
#include "kestrova/Platform.h"
#include "kestrova/SolidBatch.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <filesystem>
#include <vector>

TGATEXTURE TEXTURETGA2[TEXTURE_IDS];
std::int32_t GL_MIN_FILTER = GL_LINEAR;
std::int32_t GL_MAG_FILTER = GL_LINEAR;

namespace {

bool validId(std::int32_t num) { return num >= 0 && num < TEXTURE_IDS; }

void showError(const char* message, const char* caption) {
    platform::showMessageBox(message, caption, platform::MessageBoxIcon::None, false);
}

}  // namespace

void UPLOADTEXTURE(TGATEXTURE& TEXTURE, bool MIPMAPS) {
    glGenTextures(1, &TEXTURE.TEXID);
    glBindTexture(GL_TEXTURE_2D, TEXTURE.TEXID);
    // Rows of 24-bit images are packed, not padded to four bytes.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GLint components = static_cast<GLint>(TEXTURE.BPP / 8);
    const auto width = static_cast<GLsizei>(TEXTURE.WIDTH), height = static_cast<GLsizei>(TEXTURE.HEIGHT);
    if (MIPMAPS)
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, TEXTURE.TYP, GL_UNSIGNED_BYTE,
                          TEXTURE.IMAGEDATA.data());
    else
        glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, TEXTURE.TYP, GL_UNSIGNED_BYTE,
                     TEXTURE.IMAGEDATA.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, MIPMAPS ? GL_LINEAR_MIPMAP_NEAREST : GL_MIN_FILTER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_MAG_FILTER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    std::vector<std::uint8_t>().swap(TEXTURE.IMAGEDATA);
}

bool LOADTGA(TGATEXTURE& TEXTURE, const char* FILENAME) {
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(FILENAME, bytes)) {
        showError("Could not open texture file", "ERROR");
        return false;
    }
    const TgaOutcome outcome = READTGA(bytes, TEXTURE);
    if (!outcome) showError(outcome.message, outcome.caption);
    return static_cast<bool>(outcome);
}

std::uint32_t LOADTEXTUREFILE(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    TGATEXTURE image;
    if (!readFileBytes(fileName, bytes) || !READTGA(bytes, image)) return 0;
    UPLOADTEXTURE(image, true);
    return image.TEXID;
}

void TEXTURELOADTGAID(const char* TGAFILE, std::int32_t NUM) {
    std::error_code error;
    if (!validId(NUM) || !std::filesystem::exists(TGAFILE, error)) return;
    TGATEXTURE loaded;
    if (!LOADTGA(loaded, TGAFILE)) return;
    glEnable(GL_TEXTURE_2D);
    UPLOADTEXTURE(loaded, false);
    TEXTURETGA2[NUM] = std::move(loaded);
}

void TEXTURETGASELECTID(std::int32_t NUM) {
    sendSolidBatch();
    glBindTexture(GL_TEXTURE_2D, validId(NUM) ? TEXTURETGA2[NUM].TEXID : 0);
}

void TEXTUREON() {
    sendSolidBatch();
    glEnable(GL_TEXTURE_2D);
}

void TEXTUREOFF() {
    sendSolidBatch();
    glDisable(GL_TEXTURE_2D);
}
