// The landscape of the first game scene: a long valley that climbs towards a
// pass between two peaks, closed all round by ridges.
#include "../Canvas.h"
#include "../Noise.h"
#include "../Sceneries.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SAMPLES = 100;
// The player starts above sample (54, 50) and first looks towards smaller y.
constexpr int SPAWN_X = 54, SPAWN_Y = 50;
constexpr float SPAWN_HEIGHT = 90;
// Heights above SOFT_TOP bend over towards HIGHEST (inside the world box) without flattening.
constexpr float SOFT_TOP = 240, HIGHEST = 330;

struct Knob {
    float u, v, height, radius;
};
// Some stand on the slope just ahead of the start, where the first view looks.
constexpr Knob KNOBS[] = {{-0.04f, -0.13f, 24, 0.04f}, {0.2f, -0.17f, 28, 0.045f}, {0.05f, -0.26f, 22, 0.04f},
                          {-0.18f, -0.38f, 38, 0.06f}, {0.32f, -0.28f, 30, 0.05f}, {0.4f, -0.55f, 30, 0.06f}};

float peak(float u, float v, float cu, float cv, float radius) {
    const float d2 = ((u - cu) * (u - cu) + (v - cv) * (v - cv)) / (radius * radius);
    return std::exp(-d2);
}

// The shape before it is lifted to put the start at its height; u and v run -1..1.
float shape(float u, float v) {
    const float axis = 0.12f * std::sin(v * 2.4f) + 0.06f;  // the valley winds a little
    const float across = std::abs(u - axis);
    const float floor = 55 + 75 * smoothstep(0.3f, -0.5f, v) - 12 * peak(u, v, 0.0f, 0.45f, 0.3f);  // a hollow behind the start
    const float sides = 110 * smoothstep(0.22f, 0.8f, across);
    const float rim = 90 * smoothstep(0.72f, 0.98f, std::max(std::abs(u), std::abs(v)));
    const float crags = 70 * ridgedNoise(u * 3, v * 3, 4, 91) * smoothstep(0.2f, 0.6f, across + 0.3f * smoothstep(-0.3f, -0.9f, v));
    const float peaks = 110 * peak(u, v, -0.42f, -0.72f, 0.2f) + 100 * peak(u, v, 0.58f, -0.62f, 0.22f);
    // Rocky knobs beside the way up, steep enough to stand out in the light from above.
    float knobs = 0;
    for (const Knob& k : KNOBS) knobs += k.height * peak(u, v, k.u, k.v, k.radius);
    const float swell = 14 * fractalNoise(u * 4, v * 4, 3, 95);
    // Knolls and hollows a walker sees rise and fall around him.
    const float knolls = 26 * (fractalNoise(u * 9, v * 9, 3, 97) - 0.5f) + 30 * ridgedNoise(u * 6, v * 6, 4, 91) * smoothstep(0.05f, 0.3f, across);
    return floor + sides + rim + crags + peaks + swell + knolls + knobs;
}

float softened(float h) {
    return h < SOFT_TOP ? h : HIGHEST - (HIGHEST - SOFT_TOP) * std::exp(-(h - SOFT_TOP) / (HIGHEST - SOFT_TOP));
}

}  // namespace

HeightMap grottaHeights() {
    auto coordinate = [](int sample) { return (static_cast<float>(sample) - SAMPLES / 2.0f) / (SAMPLES / 2.0f); };
    const float lift = SPAWN_HEIGHT - shape(coordinate(SPAWN_X), coordinate(SPAWN_Y));
    HeightMap map{SAMPLES, SAMPLES, {}};
    for (int x = 0; x < SAMPLES; ++x)
        for (int y = 0; y < SAMPLES; ++y)
            map.heights.push_back(std::max(0, static_cast<int>(std::lround(softened(shape(coordinate(x), coordinate(y)) + lift)))));
    return map;
}
