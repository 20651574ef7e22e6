#include "Textures.h"

#include "../Noise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// What a stone picture holds at a point: its colour and its height (0 in the joints).
struct StoneSample {
    Colour colour;
    float height = 0;
};

Image heightPicture(float (*height)(float x, float y)) {
    return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, [height](float x, float y) {
        const float h = height(x, y);
        return Colour{h, h, h, 1};
    }, 1);
}

// Fine grain shared by both stones: speckles and a mottled surface.
float grain(float x, float y, std::uint32_t seed) {
    return fractalNoise(x / 8, y / 8, 4, seed, static_cast<int>(TEXTURE_SIDE / 8));
}

// ---- castle: courses of squared blocks --------------------------------------

constexpr int COURSES = 8;
constexpr float COURSE_HEIGHT = TEXTURE_SIDE / COURSES;
constexpr float MORTAR = 2.2f;

struct BlockPlace {
    float edgeDistance;  // to the nearest joint, in pixels
    std::uint32_t block;
};

BlockPlace castleBlock(float x, float y) {
    const int course = std::clamp(static_cast<int>(y / COURSE_HEIGHT), 0, COURSES - 1);
    const float shift = latticeValue(course, 0, 11) * TEXTURE_SIDE;
    const int blocks = 3 + static_cast<int>(latticeValue(course, 1, 11) * 2);  // 3 or 4 in a course
    const float width = TEXTURE_SIDE / static_cast<float>(blocks);
    const float along = std::fmod(x + shift, TEXTURE_SIDE);
    // Joints at whole block widths, each moved a little; the first stays put so the course tiles.
    std::array<float, 6> joints{};
    for (int k = 0; k <= blocks; ++k)
        joints[static_cast<std::size_t>(k)] =
            static_cast<float>(k) * width + (k == 0 || k == blocks ? 0.0f : (latticeValue(course, k + 2, 11) - 0.5f) * width * 0.45f);
    int index = 0;
    while (index + 1 < blocks && along >= joints[static_cast<std::size_t>(index + 1)]) ++index;
    const float toSide = std::min(along - joints[static_cast<std::size_t>(index)], joints[static_cast<std::size_t>(index + 1)] - along);
    const float toCourse = std::min(y - static_cast<float>(course) * COURSE_HEIGHT, static_cast<float>(course + 1) * COURSE_HEIGHT - y);
    return {std::min(toSide, toCourse), static_cast<std::uint32_t>(course * 8 + index)};
}

StoneSample castleStone(float x, float y) {
    const BlockPlace place = castleBlock(x, y);
    const float g = grain(x, y, 5);
    const float rough = (valueNoise(x / 4, y / 4, 6, static_cast<int>(TEXTURE_SIDE / 4)) - 0.5f) * 1.4f;
    const float edge = place.edgeDistance + rough;
    if (edge < MORTAR) {
        const float m = 0.70f + 0.12f * g;
        return {{m, m * 0.97f, m * 0.9f, 1}, 0.12f * g};
    }
    const float shade = 0.82f + 0.3f * latticeValue(static_cast<int>(place.block), 2, 7);
    const float warm = latticeValue(static_cast<int>(place.block), 3, 7) * 0.06f;
    const float rim = smoothstep(MORTAR, MORTAR + 5, edge);  // rounded arrises
    const float level = shade * (0.78f + 0.3f * g) * (0.8f + 0.2f * rim);
    const Colour colour = {0.76f * level + warm, 0.74f * level + warm * 0.6f, 0.70f * level, 1};
    return {colour, 0.35f + 0.45f * rim + 0.2f * g};
}

// ---- Inca: fitted polygonal blocks -------------------------------------------

constexpr int INCA_CELLS_X = 5, INCA_CELLS_Y = 9;
constexpr float JOINT = 0.035f;  // in cell units

StoneSample incaStone(float x, float y) {
    const CellDistances cell =
        cellNoise(x / TEXTURE_SIDE * INCA_CELLS_X, y / TEXTURE_SIDE * INCA_CELLS_Y, 21, INCA_CELLS_X, INCA_CELLS_Y);
    const float seam = cell.second - cell.nearest;
    const float g = grain(x, y, 9);
    const float speckle = valueNoise(x / 2, y / 2, 10, static_cast<int>(TEXTURE_SIDE / 2));
    if (seam < JOINT) return {{0.16f, 0.14f, 0.12f, 1}, 0};
    const float pillow = smoothstep(JOINT, JOINT + 0.22f, seam);  // the faces bulge towards the middle
    const float shade = 0.8f + 0.3f * latticeValue(static_cast<int>(cell.id % 9973), 4, 3);
    float level = shade * (0.72f + 0.32f * g) * (0.72f + 0.28f * pillow);
    if (speckle > 0.78f) level *= 0.8f;
    if (speckle < 0.2f) level *= 1.1f;
    const float lichen =
        smoothstep(0.62f, 0.8f, fractalNoise(x / 32, y / 32, 3, 12, static_cast<int>(TEXTURE_SIDE / 32)));
    const Colour stone = {0.84f * level, 0.77f * level, 0.65f * level, 1};
    return {mix(stone, Colour{0.52f * level, 0.56f * level, 0.38f * level, 1}, 0.5f * lichen), 0.2f + 0.6f * pillow + 0.2f * g};
}

}  // namespace

Image castleStoneTexture() {
    return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, [](float x, float y) { return castleStone(x, y).colour; }, 1);
}
Image castleStoneBump() { return heightPicture([](float x, float y) { return castleStone(x, y).height; }); }

Image incaStoneTexture() {
    return renderPicture(TEXTURE_SIZE, TEXTURE_SIZE, [](float x, float y) { return incaStone(x, y).colour; }, 1);
}
Image incaStoneBump() { return heightPicture([](float x, float y) { return incaStone(x, y).height; }); }
