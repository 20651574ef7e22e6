// The texture maps of materials: read from TGA files next to the model and
// kept as OpenGL textures for as long as the material lives.
#include "KEVA_3DS/Model3ds.h"

#include "kestrova/Texture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

// The map as a texture: the name as stored, then in lower case (files written
// on systems that ignore letter case often name maps in capitals); 0 when neither loads.
std::uint32_t loadMap(const std::filesystem::path& folder, std::string name) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (const std::uint32_t texture = LOADTEXTUREFILE((folder / name).string())) return texture;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    }
    return 0;
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
    FTEXID = static_cast<std::int32_t>(loadMap(OWNER->FTEXTUREPATH, FFILENAME));
}
