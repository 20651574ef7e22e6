#include "Noise.h"

#include <cmath>

namespace {

std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed) {
    std::uint32_t h = a * 0x8da6b343u ^ b * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

int wrap(int value, int period) {
    if (period <= 0) return value;
    const int r = value % period;
    return r < 0 ? r + period : r;
}

float toUnit(std::uint32_t h) { return static_cast<float>(h >> 8) / 16777216.0f; }

float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

}  // namespace

float latticeValue(int x, int y, std::uint32_t seed) {
    return toUnit(hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed));
}

float valueNoise(float x, float y, std::uint32_t seed, int period) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = fade(x - fx), ty = fade(y - fy);
    auto at = [&](int dx, int dy) { return latticeValue(wrap(ix + dx, period), wrap(iy + dy, period), seed); };
    const float bottom = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
    const float top = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
    return bottom + (top - bottom) * ty;
}

float fractalNoise(float x, float y, int octaves, std::uint32_t seed, int period) {
    float sum = 0, weight = 1, total = 0, scale = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * valueNoise(x * scale, y * scale, seed + static_cast<std::uint32_t>(i) * 101u,
                                   period > 0 ? period * static_cast<int>(scale) : 0);
        total += weight;
        weight *= 0.5f;
        scale *= 2;
    }
    return sum / total;
}

float ridgedNoise(float x, float y, int octaves, std::uint32_t seed) {
    float sum = 0, weight = 0.5f, scale = 1;
    for (int i = 0; i < octaves; ++i) {
        const float n = 1 - std::abs(2 * valueNoise(x * scale, y * scale, seed + static_cast<std::uint32_t>(i)) - 1);
        sum += weight * n * n;
        weight *= 0.5f;
        scale *= 2;
    }
    return sum;
}

CellDistances cellNoise(float x, float y, std::uint32_t seed, int periodX, int periodY) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    CellDistances result{1e9f, 1e9f, 0};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = ix + dx, cy = iy + dy;
            const auto wx = static_cast<std::uint32_t>(wrap(cx, periodX)), wy = static_cast<std::uint32_t>(wrap(cy, periodY));
            const std::uint32_t h = hash(wx, wy, seed);
            const float px = static_cast<float>(cx) + 0.15f + 0.7f * toUnit(h);
            const float py = static_cast<float>(cy) + 0.15f + 0.7f * toUnit(hash(h, wy, seed + 1));
            const float d = std::hypot(x - px, y - py);
            if (d < result.nearest) {
                result.second = result.nearest;
                result.nearest = d;
                result.id = h;
            } else if (d < result.second) {
                result.second = d;
            }
        }
    return result;
}
