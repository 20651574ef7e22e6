#include "../mesh/Materials.h"
#include "../textures/TextureFiles.h"
#include "CastleParts.h"

std::vector<Material> castleMaterials() {
    Material banner = plainMaterial("Banner", {200, 28, 30});
    banner.floatDiffuse = true;
    banner.twoSided = true;  // a single sheet of cloth, seen from both sides
    // In the order of CastleMaterial.
    return {stoneMaterial("Stone", CASTLE_STONE_TEXTURE.name, CASTLE_STONE_BUMP.name, 50),
            // The same stone inside the hall, darker, so that its doorways read as openings.
            shadedMaterial("Interior", CASTLE_STONE_TEXTURE.name, {120, 116, 110}),
            texturedMaterial("Grass", GRASS_TEXTURE.name),
            texturedMaterial("Earth", EARTH_TEXTURE.name),
            texturedMaterial("RoofTiles", ROOF_TILE_TEXTURE.name),
            texturedMaterial("Wood", WOOD_TEXTURE.name),
            waterMaterial({50, 110, 150}, 45),
            banner,
            plainMaterial("Slit", {24, 22, 20})};
}
