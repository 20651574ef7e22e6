#include "../mesh/Materials.h"
#include "../textures/TextureFiles.h"
#include "IncaParts.h"

std::vector<Material> incaMaterials() {
    Material stone = texturedMaterial("Granite", INCA_STONE_TEXTURE.name);
    stone.bumpMap = INCA_STONE_BUMP.name;
    stone.bumpPercent = 40;
    // The same stone inside the houses, darker, so that their doorways read as openings.
    Material shaded = texturedMaterial("Interior", INCA_STONE_TEXTURE.name);
    shaded.diffuse = {120, 112, 104};
    Material thatch = texturedMaterial("Thatch", THATCH_TEXTURE.name);
    thatch.twoSided = true;  // the roofs are seen from inside the houses too
    Material water = plainMaterial("Water", {60, 120, 160});
    water.transparencyPercent = 50;
    water.shininessPercent = 80;
    Material gold = plainMaterial("Gold", {255, 200, 60});
    gold.floatDiffuse = true;
    gold.specular = {255, 240, 200};
    gold.shininessPercent = 70;
    // In the order of IncaMaterial.
    return {stone,
            shaded,
            texturedMaterial("Grass", GRASS_TEXTURE.name),
            texturedMaterial("Earth", EARTH_TEXTURE.name),
            texturedMaterial("Rock", ROCK_TEXTURE.name),
            thatch,
            texturedMaterial("Wood", WOOD_TEXTURE.name),
            water,
            gold};
}
