#pragma once
// Models loaded from bytes built in the tests, with a current GL context (the
// loader makes textures and a display list), and checks shared by the tests.
#include "support/OffscreenGL.h"
#include "support/Writer3ds.h"

#include "KEVA_3DS/Model3ds.h"

#include <memory>

class ModelTest : public OffscreenGL {
protected:
    static std::unique_ptr<TGLAll3dsMesh> loaded(const w3ds::Bytes& bytes, float scale = 1.0f) {
        auto model = std::make_unique<TGLAll3dsMesh>();
        model->FMASTERSCALE = scale;
        model->LOAD3DSFROMSTREAM(bytes);
        return model;
    }
};

inline void expectPoint(const T3dpoint& actual, const T3dpoint& expected) {
    EXPECT_NEAR(actual.X, expected.X, 1e-4f);
    EXPECT_NEAR(actual.Y, expected.Y, 1e-4f);
    EXPECT_NEAR(actual.Z, expected.Z, 1e-4f);
}

// The offsets at which a chunk of the file starts or ends.
std::vector<std::size_t> chunkBoundaries(const w3ds::Bytes& file);

// A model read from part of a file holds no more meshes, materials, vertices
// or triangles than the whole file gave, and every list it read fits its mesh.
void expectNoMoreThan(const TGLAll3dsMesh& part, const TGLAll3dsMesh& whole, std::size_t cut);
