#include "KEVA_3DS/Scenery3ds.h"

#include <GL/gl.h>

#include <filesystem>

namespace {

bool fileExists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(name, error);
}

}  // namespace

void TGL3DSModel::LOADMODEL3DS(float SIZE, const std::string& fileName) {
    FILENAME = fileName;
    if (!fileExists(fileName)) return;
    SCENE.reset();
    SCENE = std::make_unique<TGLAll3dsMesh>();
    SCENE->FMASTERSCALE = SIZE;
    SCENE->LOADFROMFILE(fileName);
}

void TGL3DSModel::PUTMODEL3DS() const {
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_POLYGON_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT |
                 GL_LIGHTING_BIT);
    glCullFace(GL_FRONT);
    if (SCENE && fileExists(FILENAME)) {
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        SCENE->RENDER();
    }
    glPopAttrib();
    glCullFace(GL_BACK);
}
