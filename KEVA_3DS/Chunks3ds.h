#pragma once
// Identifiers of the 3DS chunks the reader understands.
#include <cstdint>

constexpr std::uint16_t MAIN3DS = 0x4D4D;
constexpr std::uint16_t VERS3DS = 0x0002;
constexpr std::uint16_t EDIT3DS = 0x3D3D;
constexpr std::uint16_t MASTER_SCALE = 0x0100;

constexpr std::uint16_t MAT_MATRIAL = 0xAFFF;
constexpr std::uint16_t MAT_MATNAME = 0xA000;
constexpr std::uint16_t MAT_AMBIENT = 0xA010;
constexpr std::uint16_t MAT_DIFFUSE = 0xA020;
constexpr std::uint16_t MAT_SPECULAR = 0xA030;
constexpr std::uint16_t MAT_COLOR24 = 0x0011;
constexpr std::uint16_t MAT_COLOR = 0x0010;
constexpr std::uint16_t MAT_TRANSPARENCY = 0xA050;
constexpr std::uint16_t MAT_TWO_SIDE = 0xA081;
constexpr std::uint16_t MAT_TEXTURE = 0xA200;
constexpr std::uint16_t MAT_BUMPMAP = 0xA230;
constexpr std::uint16_t MAT_MAPFILE = 0xA300;
constexpr std::uint16_t MAT_VSCALE = 0xA354;
constexpr std::uint16_t MAT_USCALE = 0xA356;
constexpr std::uint16_t MAT_UOFF = 0xA358;
constexpr std::uint16_t MAT_VOFF = 0xA35A;
constexpr std::uint16_t MAT_TEXROT = 0xA35C;
// The two forms of a percentage inside the transparency and bump-map chunks.
constexpr std::uint16_t INT_PERCENTAGE = 0x0030;
constexpr std::uint16_t FLOAT_PERCENTAGE = 0x0031;

constexpr std::uint16_t EDIT_OBJECT = 0x4000;
constexpr std::uint16_t OBJ_TRIMESH = 0x4100;
constexpr std::uint16_t OBJ_LIGHT = 0x4600;
constexpr std::uint16_t OBJ_CAMERA = 0x4700;
constexpr std::uint16_t TRI_VERTEXL = 0x4110;
constexpr std::uint16_t TRI_FACEL1 = 0x4120;
constexpr std::uint16_t TRI_MATERIAL = 0x4130;
constexpr std::uint16_t TRI_MAPPINGCOORDS = 0x4140;
constexpr std::uint16_t TRI_SMOOTH = 0x4150;
constexpr std::uint16_t TRI_MATRIX = 0x4160;

constexpr std::uint16_t KEYF3DS = 0xB000;
constexpr std::uint16_t KEYF_OBJDES = 0xB002;
constexpr std::uint16_t KEYF_OBJPIVOT = 0xB013;
