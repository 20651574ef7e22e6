#pragma once
// TGA files loaded into OpenGL textures, kept in a table of 201 ids (0..200).
#include "kestrova/TgaReader.h"

#include <cstdint>
#include <string>

constexpr int TEXTURE_IDS = 201;

extern TGATEXTURE TEXTURETGA2[TEXTURE_IDS];
// Filters of every loaded texture (GL_LINEAR).
extern std::int32_t GL_MIN_FILTER;
extern std::int32_t GL_MAG_FILTER;

// Loads the file into texture id NUM; a missing file is skipped without a word,
// a bad one is reported in a message box. The id keeps its texture unless the load succeeds.
void TEXTURELOADTGAID(const char* TGAFILE, std::int32_t NUM);
// Makes the decoded image a new OpenGL texture TEXTURE.TEXID (repeating, linear,
// with mipmaps when asked: each pixel reads the nearest one, which costs a
// software rasteriser a third less than blending two) and releases the image data.
void UPLOADTEXTURE(TGATEXTURE& TEXTURE, bool MIPMAPS);
// The TGA file as a new mipmapped texture (as UPLOADTEXTURE makes it); 0, without
// a word, when the file is missing or not a TGA this program reads.
std::uint32_t LOADTEXTUREFILE(const std::string& fileName);
// Binds the texture of id NUM (name 0 for an id outside the table).
void TEXTURETGASELECTID(std::int32_t NUM);
void TEXTUREON();
void TEXTUREOFF();
// Reads the file into TEXTURE; every failure is shown in a message box and gives false.
bool LOADTGA(TGATEXTURE& TEXTURE, const char* FILENAME);
