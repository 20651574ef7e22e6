#include "../mesh/Materials.h"
#include "../textures/TextureFiles.h"
#include "CastleParts.h"

std::vector<Material> castleMaterials() {
    Material stone = texturedMaterial("Stone", CASTLE_STONE_TEXTURE.name);
    stone.bumpMap = CASTLE_STONE_BUMP.name;
    stone.bumpPercent = 50;
    // The same stone inside the hall, darker, so that its doorways read as openings.
    Material shaded = texturedMaterial("Interior", CASTLE_STONE_TEXTURE.name);
    shaded.diffuse = {120, 116, 110};
    Material water = plainMaterial("Water", {50, 110, 150});
    water.transparencyPercent = 45;
    water.shininessPercent = 80;
    Material banner = plainMaterial("Banner", {200, 28, 30});
    banner.floatDiffuse = true;
    banner.twoSided = true;  // a single sheet of cloth, seen from both sides
    // In the order of CastleMaterial.
    return {stone,
            shaded,
            texturedMaterial("Grass", GRASS_TEXTURE.name),
            texturedMaterial("Earth", EARTH_TEXTURE.name),
            texturedMaterial("RoofTiles", ROOF_TILE_TEXTURE.name),
            texturedMaterial("Wood", WOOD_TEXTURE.name),
            water,
            banner,
            plainMaterial("Slit", {24, 22, 20})};
}
