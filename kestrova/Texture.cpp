#include "kestrova/Texture.h"

#include "kestrova/Platform.h"

#include <GL/gl.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

TGATEXTURE TEXTURETGA2[TEXTURE_IDS];
std::int32_t GL_MIN_FILTER = GL_LINEAR;
std::int32_t GL_MAG_FILTER = GL_LINEAR;

namespace {

bool validId(std::int32_t num) { return num >= 0 && num < TEXTURE_IDS; }

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The content of a file up to the first read error; false when it cannot be opened.
bool readWholeFile(const char* fileName, std::vector<std::uint8_t>& bytes) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName, "rb"));
    if (!file) return false;
    std::uint8_t chunk[4096];
    while (const std::size_t count = std::fread(chunk, 1, sizeof chunk, file.get()))
        bytes.insert(bytes.end(), chunk, chunk + count);
    return true;
}

void showError(const char* message, const char* caption) {
    platform::showMessageBox(message, caption, platform::MessageBoxIcon::None, false);
}

void uploadTexture(TGATEXTURE& texture) {
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &texture.TEXID);
    glBindTexture(GL_TEXTURE_2D, texture.TEXID);
    // Rows of 24-bit images are packed, not padded to four bytes.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(texture.BPP / 8), static_cast<GLsizei>(texture.WIDTH),
                 static_cast<GLsizei>(texture.HEIGHT), 0, texture.TYP, GL_UNSIGNED_BYTE, texture.IMAGEDATA.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_MIN_FILTER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_MAG_FILTER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    std::vector<std::uint8_t>().swap(texture.IMAGEDATA);
}

}  // namespace

bool LOADTGA(TGATEXTURE& TEXTURE, const char* FILENAME) {
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(FILENAME, bytes)) {
        showError("Could not open texture file", "ERROR");
        return false;
    }
    const TgaOutcome outcome = READTGA(bytes, TEXTURE);
    if (!outcome) showError(outcome.message, outcome.caption);
    return static_cast<bool>(outcome);
}

void TEXTURELOADTGAID(const char* TGAFILE, std::int32_t NUM) {
    std::error_code error;
    if (!validId(NUM) || !std::filesystem::exists(TGAFILE, error)) return;
    TGATEXTURE loaded;
    if (!LOADTGA(loaded, TGAFILE)) return;
    uploadTexture(loaded);
    TEXTURETGA2[NUM] = std::move(loaded);
}

void TEXTURETGASELECTID(std::int32_t NUM) {
    glBindTexture(GL_TEXTURE_2D, validId(NUM) ? TEXTURETGA2[NUM].TEXID : 0);
}

void TEXTUREON() { glEnable(GL_TEXTURE_2D); }

void TEXTUREOFF() { glDisable(GL_TEXTURE_2D); }
