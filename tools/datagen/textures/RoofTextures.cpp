#include "Textures.h"

#include "../Noise.h"

#include <algorithm>
#include <cmath>

namespace {

// ---- thatch ------------------------------------------------------------------

constexpr float THATCH_COURSE = TEXTURE_SIDE / 4;  // the picture's y runs down the roof

Colour thatch(float x, float y) {
    // Each course's ragged lower edge, where it lies over the next one.
    const float ragged = 6 * valueNoise(x / 4, 0.5f, 61, static_cast<int>(TEXTURE_SIDE / 4));
    const float intoCourse = std::fmod(y + ragged, THATCH_COURSE) / THATCH_COURSE;  // 0 at its top, 1 at its ends
    const float strands = 0.55f * valueNoise(x / 2, y / 16, 62, 16) +
                          0.45f * valueNoise(x, y / 32, 63, 8);
    const Colour straw = {0.76f, 0.62f, 0.34f, 1}, old = {0.50f, 0.40f, 0.24f, 1};
    Colour c = mix(old, straw, 0.35f + 0.65f * strands);
    c = scaled(c, 0.55f + 0.45f * smoothstep(0.0f, 0.35f, intoCourse));  // shadow of the course above
    const float weathered = fractalNoise(x / 64, y / 64, 3, 64, 4);
    return mix(c, Colour{0.42f, 0.38f, 0.30f, 1}, 0.35f * smoothstep(0.55f, 0.8f, weathered));
}

// ---- clay tiles ----------------------------------------------------------------

constexpr int TILES_ACROSS = 8;
constexpr float TILE = TEXTURE_SIDE / TILES_ACROSS;  // width of a tile and height of a row

// The tile that is on top at a point, and how far the point lies inside its
// rounded lower end (pixels; small near the edge).
struct TilePlace {
    int row = 0, column = 0;
    float inside = 0;
};

TilePlace topTile(float x, float y) {
    // Rows overlap downwards: a tile of row r covers the upper part of the tiles of row r + 1.
    const int row = static_cast<int>(std::floor(y / TILE));
    for (const int r : {row, row + 1}) {
        const float shift = (r % 2 != 0) ? TILE / 2 : 0;
        const int column = static_cast<int>(std::floor((x + shift) / TILE));
        const float centreX = static_cast<float>(column) * TILE + TILE / 2 - shift;
        const float endCentreY = static_cast<float>(r) * TILE + TILE / 2;  // the rounded end is a half disc below this
        const float side = TILE / 2 - std::abs(x - centreX);
        const float inside = y <= endCentreY ? side : TILE / 2 - std::hypot(x - centreX, y - endCentreY);
        if (inside >= 0 || r == row + 1) return {r, column, std::max(inside, 0.0f)};
    }
    return {};
}

Colour roofTile(float x, float y) {
    const TilePlace t = topTile(x, y);
    const int rowInPicture = ((t.row % TILES_ACROSS) + TILES_ACROSS) % TILES_ACROSS;
    const int columnInPicture = ((t.column % TILES_ACROSS) + TILES_ACROSS) % TILES_ACROSS;
    const float tone = 0.82f + 0.3f * latticeValue(columnInPicture, rowInPicture, 71);
    Colour c = scaled(Colour{0.68f, 0.31f, 0.18f, 1}, tone);
    // Rounded across, lighter towards the lower end, dark in the shadow under the row above.
    const float rowTop = static_cast<float>(t.row) * TILE - TILE / 2;
    const float along = std::clamp((y - rowTop) / (1.5f * TILE), 0.0f, 1.0f);
    c = scaled(c, 0.7f + 0.3f * smoothstep(0, 6, t.inside) + 0.15f * along);
    const float shadowFromAbove = smoothstep(0, TILE * 0.35f, y - rowTop - TILE / 2);
    c = scaled(c, 0.6f + 0.4f * std::min(1.0f, shadowFromAbove + 0.3f));
    if (t.inside < 1.2f) c = scaled(c, 0.45f);
    const float grime = fractalNoise(x / 32, y / 32, 3, 72, 8);
    return mix(c, Colour{0.30f, 0.26f, 0.22f, 1}, 0.3f * smoothstep(0.55f, 0.85f, grime));
}

}  // namespace

Image thatchTexture() { return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, thatch, 1); }

Image roofTileTexture() { return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, roofTile, 2); }
