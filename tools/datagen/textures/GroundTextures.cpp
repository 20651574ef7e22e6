#include "Textures.h"

#include "../Noise.h"

#include <cmath>

namespace {

// Fractal noise that repeats once across the texture; `cells` lattice cells across.
float tiled(float x, float y, int cells, int octaves, std::uint32_t seed) {
    return fractalNoise(x / TEXTURE_SIDE * static_cast<float>(cells), y / TEXTURE_SIDE * static_cast<float>(cells),
                        octaves, seed, cells);
}

}  // namespace

Image grassTexture() {
    return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, [](float x, float y) {
        const float patches = tiled(x, y, 8, 3, 31);
        const float tufts = tiled(x, y, 32, 2, 32);
        // Blades: fine streaks, mostly upright.
        const float blades = 0.5f * valueNoise(x / 2, y / 8, 33, 32) + 0.5f * valueNoise(x, y / 4, 34, 64);
        const Colour lush = {0.22f, 0.42f, 0.12f, 1}, dry = {0.50f, 0.54f, 0.22f, 1}, dark = {0.12f, 0.26f, 0.07f, 1};
        Colour c = mix(lush, dry, 0.6f * smoothstep(0.5f, 0.8f, patches));
        c = mix(c, dark, 0.55f * smoothstep(0.4f, 0.8f, 1 - tufts));
        return scaled(c, 0.78f + 0.45f * blades);
    }, 1);
}

Image earthTexture() {
    return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, [](float x, float y) {
        const float soil = tiled(x, y, 8, 4, 41);
        Colour c = mix(Colour{0.36f, 0.27f, 0.18f, 1}, Colour{0.56f, 0.44f, 0.30f, 1}, soil);
        const CellDistances pebble =
            cellNoise(x / 16, y / 16, 42, static_cast<int>(TEXTURE_SIDE / 16), static_cast<int>(TEXTURE_SIDE / 16));
        // Only some cells hold a pebble.
        const bool hasPebble = latticeValue(static_cast<int>(pebble.id % 7919), 3, 43) > 0.7f;
        const float size = hasPebble ? 0.12f + 0.18f * latticeValue(static_cast<int>(pebble.id % 7919), 1, 43) : 0.0f;
        if (pebble.nearest < size) {
            const float tone = 0.42f + 0.2f * latticeValue(static_cast<int>(pebble.id % 7919), 2, 43);
            const float lit = 1.05f - 0.3f * pebble.nearest / size;  // rounded: brighter in the middle
            c = Colour{tone * lit, tone * 0.94f * lit, tone * 0.86f * lit, 1};
        } else if (pebble.nearest < size + 0.06f) {
            c = scaled(c, 0.8f);  // a rim of shadow round each pebble
        }
        return scaled(c, 0.9f + 0.2f * tiled(x, y, 64, 1, 44));
    }, 1);
}

Image rockTexture() {
    return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, [](float x, float y) {
        const float warp = tiled(x, y, 4, 3, 51);
        // Layers across the picture, bent by the warp; whole layers keep it seamless.
        const float layer = y / TEXTURE_SIDE * 6 + warp * 2;
        const float band = 0.5f + 0.5f * std::sin(layer * 2 * 3.14159265f);
        const float ledge = smoothstep(0.9f, 0.99f, band) * tiled(x, y, 8, 2, 55);  // the dark underside of some layers
        const float detail = tiled(x, y, 32, 3, 52);
        Colour c = mix(Colour{0.42f, 0.40f, 0.37f, 1}, Colour{0.66f, 0.62f, 0.56f, 1}, 0.2f * band + 0.8f * detail);
        c = scaled(c, 1 - 0.4f * ledge);
        const float moss = smoothstep(0.6f, 0.75f, tiled(x, y, 8, 3, 54));
        return mix(c, Colour{0.32f, 0.40f, 0.20f, 1}, 0.7f * moss);
    }, 1);
}
