#pragma once
// The small record types of loaded models, the model format codes and the
// switch that turns material application off.
#include <cstdint>

struct T3dpoint {
    float X = 0, Y = 0, Z = 0;
};

// Texture coordinates of one vertex.
struct TGLMap {
    float TU = 0, TV = 0;
};

struct TGLColor {
    float RED = 0, GREEN = 0, BLUE = 0, ALPHA = 0;
};

// A colour as a 3DS float-colour chunk stores it.
struct T3dsColor {
    float R = 0, G = 0, B = 0;
};

// A colour as a 3DS byte-colour chunk stores it.
struct RGB {
    std::uint8_t R = 0, G = 0, B = 0;
};

// The 6-byte header of every 3DS chunk: its identifier and its whole length, header included.
#pragma pack(push, 1)
struct TChunkHdr {
    std::uint16_t CHUNKID = 0;
    std::uint32_t CHUNKLE = 0;
};
#pragma pack(pop)
static_assert(sizeof(TChunkHdr) == 6);

// Formats of the file a model was last read from (2 and 16 are never stored).
constexpr std::int32_t MESH3DS = 1;
constexpr std::int32_t MESH3DSA = 2;
constexpr std::int32_t MESH3DSBVH = 4;
constexpr std::int32_t MESHMSA = 8;
constexpr std::int32_t MESHMS3D = 16;
constexpr std::int32_t MESHBIN = 64;

// When set, drawing applies no material (nothing in the program sets it).
extern bool IGNOREMATERIALS;
