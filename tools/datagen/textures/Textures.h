#pragma once
// The textures of the two sceneries: square, a power of two wide, and seamless
// when repeated.
#include "../Canvas.h"

constexpr int TEXTURE_SIZE = 256;
// The same side as a float, for the pictures' arithmetic.
constexpr float TEXTURE_SIDE = TEXTURE_SIZE;

// Grey squared blocks in courses with light mortar joints (the castle), and its
// bump map (grey: light is high, the joints are low).
Image castleStoneTexture();
Image castleStoneBump();
// Warm granite blocks of many shapes fitted without mortar (the Inca city).
Image incaStoneTexture();
Image incaStoneBump();

Image grassTexture();
Image earthTexture();   // trodden earth with pebbles
Image rockTexture();    // bare mountain rock in layers
Image thatchTexture();  // straw in overlapping courses, running down the picture
Image roofTileTexture();  // round-ended clay tiles in overlapping rows
Image woodTexture();    // planks running down the picture, with grain
