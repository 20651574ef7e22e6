#include "../mesh/Materials.h"
#include "../textures/TextureFiles.h"
#include "IncaParts.h"

std::vector<Material> incaMaterials() {
    Material thatch = texturedMaterial("Thatch", THATCH_TEXTURE.name);
    thatch.twoSided = true;  // the roofs are seen from inside the houses too
    Material gold = plainMaterial("Gold", {255, 200, 60});
    gold.floatDiffuse = true;
    gold.specular = {255, 240, 200};
    gold.shininessPercent = 70;
    // In the order of IncaMaterial.
    return {stoneMaterial("Granite", INCA_STONE_TEXTURE.name, INCA_STONE_BUMP.name, 40),
            // The same stone inside the houses, darker, so that their doorways read as openings.
            shadedMaterial("Interior", INCA_STONE_TEXTURE.name, {120, 112, 104}),
            texturedMaterial("Grass", GRASS_TEXTURE.name),
            texturedMaterial("Earth", EARTH_TEXTURE.name),
            texturedMaterial("Rock", ROCK_TEXTURE.name),
            thatch,
            texturedMaterial("Wood", WOOD_TEXTURE.name),
            waterMaterial({60, 120, 160}, 50),
            gold};
}
