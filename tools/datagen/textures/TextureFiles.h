#pragma once
// The texture files the sceneries name (8.3 names in lower case, as the maps of
// the 3DS files store them) and the pictures written into them.
#include "Textures.h"

struct TextureFile {
    const char* name;
    Image (*picture)();
};

inline constexpr TextureFile CASTLE_STONE_TEXTURE = {"castone.tga", castleStoneTexture};
inline constexpr TextureFile CASTLE_STONE_BUMP = {"castbump.tga", castleStoneBump};
inline constexpr TextureFile INCA_STONE_TEXTURE = {"incastn.tga", incaStoneTexture};
inline constexpr TextureFile INCA_STONE_BUMP = {"incabump.tga", incaStoneBump};
inline constexpr TextureFile GRASS_TEXTURE = {"grass.tga", grassTexture};
inline constexpr TextureFile EARTH_TEXTURE = {"earth.tga", earthTexture};
inline constexpr TextureFile ROCK_TEXTURE = {"rock.tga", rockTexture};
inline constexpr TextureFile THATCH_TEXTURE = {"thatch.tga", thatchTexture};
inline constexpr TextureFile ROOF_TILE_TEXTURE = {"rooftile.tga", roofTileTexture};
inline constexpr TextureFile WOOD_TEXTURE = {"wood.tga", woodTexture};

inline constexpr TextureFile TEXTURE_FILES[] = {
    CASTLE_STONE_TEXTURE, CASTLE_STONE_BUMP, INCA_STONE_TEXTURE, INCA_STONE_BUMP, GRASS_TEXTURE,
    EARTH_TEXTURE,        ROCK_TEXTURE,      THATCH_TEXTURE,     ROOF_TILE_TEXTURE, WOOD_TEXTURE};
