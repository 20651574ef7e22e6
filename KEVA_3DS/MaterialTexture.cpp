// The texture maps of materials: read from TGA files next to the model and
// kept as OpenGL textures for as long as the material lives.
#include "KEVA_3DS/Model3ds.h"

#include "kestrova/FileBytes.h"
#include "kestrova/Texture.h"
#include "kestrova/TgaReader.h"

#include <GL/gl.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

// The decoded map: the name as stored, then in lower case (files written on
// systems that ignore letter case often name maps in capitals).
bool readMap(const std::filesystem::path& folder, std::string name, TGATEXTURE& image) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<std::uint8_t> bytes;
        if (readFileBytes((folder / name).string(), bytes) && READTGA(bytes, image)) return true;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    }
    return false;
}

}  // namespace

TGL3dsMaterial::~TGL3dsMaterial() {
    if (FHASTEXTUREMAP && FTEXID != 0) {
        const GLuint name = static_cast<GLuint>(FTEXID);
        glDeleteTextures(1, &name);
    }
}

void TGL3dsMaterial::UPDATETEXTURE() {
    if (!FHASTEXTUREMAP) return;
    FDETAILTEX = 0;
    if (FTEXID != 0 || FFILENAME.empty()) return;
    TGATEXTURE image;
    if (!readMap(OWNER->FTEXTUREPATH, FFILENAME, image)) return;
    UPLOADTEXTURE(image, true);
    FTEXID = static_cast<std::int32_t>(image.TEXID);
}
