#pragma once
// A scenery model as the scenes hold it: loaded by name at a given size and
// drawn only while its file exists.
#include "KEVA_3DS/Model3ds.h"

#include <memory>
#include <string>

struct TGL3DSModel {
    std::unique_ptr<TGLAll3dsMesh> SCENE;  // empty until a model is loaded
    std::string FILENAME;

    // When the file exists, a new model scaled by SIZE replaces the old one
    // (whose display list and textures go with it); otherwise the old one stays.
    void LOADMODEL3DS(float SIZE, const std::string& fileName);
    TGLAll3dsMesh* GETSCENE3DS() const { return SCENE.get(); }
    // Draws the model with its colours (colour material), front faces culled
    // because the reader's exchange of y and z mirrors the faces' winding;
    // texturing, blending and culling are as before afterwards.
    void PUTMODEL3DS() const;
};
