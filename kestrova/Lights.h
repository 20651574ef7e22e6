#pragma once
// Light sources and the current material.
#include <array>
#include <cstdint>

using TGLColor4 = std::array<float, 4>;

extern TGLColor4 AMBIENTLIGHT;   // given to every light set up
extern TGLColor4 DIFFUSELIGHT;
extern TGLColor4 SPECULARLIGHT;
extern TGLColor4 LIGHTPOSITION;  // last position sent (w = 0: directional)

// Lighting on; light `nlight` (its GL enumerant, GL_LIGHT0 = 0x4000) gets the
// colours above, is enabled and placed at (l0, l1, l2, l3) through the
// current model-view matrix.
void SETGLLIGHT(std::uint32_t nlight, float l0, float l1, float l2, float l3);
// Places the light again (it follows the camera when called after it) and
// marks the spot with a point of `size` pixels (0 keeps the current size).
void PUTGLPOINTLIGHT(std::uint32_t nlight, float size, float lx, float ly, float lz, float lval);
// The material of front faces; shininess is the first of four values sent.
void SETGLNEWMAT(float ambr, float ambg, float ambb, float difr, float difg, float difb, float specr, float specg,
                 float specb, float emisr, float emisg, float emisb, float shine);
