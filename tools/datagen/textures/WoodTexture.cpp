#include "Textures.h"

#include "../Noise.h"

#include <cmath>

namespace {

constexpr int PLANKS = 8;
constexpr float PLANK = TEXTURE_SIDE / PLANKS;
constexpr float GAP = 1.6f;

Colour wood(float x, float y) {
    const int plank = static_cast<int>(x / PLANK);
    const float across = x - static_cast<float>(plank) * PLANK;
    if (across < GAP) return {0.12f, 0.08f, 0.05f, 1};
    // Grain: lines along the plank, bent by a slow warp; each plank cut from its own log.
    const float warp = fractalNoise(x / 16, y / 64, 3, 81 + static_cast<std::uint32_t>(plank), 4);
    const float rings = std::sin((across * 0.45f + warp * 9 + latticeValue(plank, 0, 82) * 6) * 3.14159265f);
    const float fibres = valueNoise(x, y / 16, 83, 16);
    const float tone = 0.85f + 0.25f * latticeValue(plank, 1, 82);
    Colour c = mix(Colour{0.36f, 0.22f, 0.11f, 1}, Colour{0.58f, 0.40f, 0.22f, 1}, 0.5f + 0.3f * rings + 0.2f * (fibres - 0.5f));
    c = scaled(c, tone * (0.85f + 0.15f * smoothstep(GAP, GAP + 4, across) * smoothstep(0, 4, PLANK - across)));
    // A knot or two.
    const float knotY = latticeValue(plank, 2, 82) * TEXTURE_SIDE;
    const float knot = std::hypot((across - PLANK / 2) * 1.6f,
                                  std::fmod(y - knotY + 1.5f * TEXTURE_SIDE, TEXTURE_SIDE) - TEXTURE_SIDE / 2);
    if (latticeValue(plank, 3, 82) > 0.5f && knot < 7) c = scaled(c, 0.55f + 0.06f * knot);
    return c;
}

}  // namespace

Image woodTexture() { return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, wood, 1); }
