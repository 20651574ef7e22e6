#include "Canvas.h"

#include <algorithm>
#include <cmath>

Image renderPicture(int width, int height, const Shader& shader, int samples) {
    Image image(width, height);
    const float weight = 1.0f / static_cast<float>(samples * samples);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Colour sum;  // premultiplied
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const Colour c = shader(static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / static_cast<float>(samples),
                                            static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / static_cast<float>(samples));
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            const float alpha = sum.a * weight;
            const float unpremultiply = sum.a > 0 ? 1.0f / sum.a : 0.0f;
            std::uint8_t* out = &image.rgba[(static_cast<std::size_t>(y) * width + x) * 4];
            const float channels[4] = {sum.r * unpremultiply, sum.g * unpremultiply, sum.b * unpremultiply, alpha};
            for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(std::lround(clamp01(channels[i]) * 255.0f));
        }
    return image;
}

Colour over(Colour top, Colour bottom) {
    const float a = top.a + bottom.a * (1 - top.a);
    if (a <= 0) return {};
    auto channel = [&](float t, float b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
    return {channel(top.r, bottom.r), channel(top.g, bottom.g), channel(top.b, bottom.b), a};
}

Colour mix(Colour from, Colour to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Colour withAlpha(Colour colour, float alpha) { return {colour.r, colour.g, colour.b, alpha}; }

Colour scaled(Colour colour, float factor) {
    return {colour.r * factor, colour.g * factor, colour.b * factor, colour.a};
}

float clamp01(float value) { return std::clamp(value, 0.0f, 1.0f); }

float smoothstep(float edge0, float edge1, float value) {
    const float t = clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float coverage(float distance) { return clamp01(0.5f - distance); }

float circleDistance(Point p, Point centre, float radius) {
    return std::hypot(p.x - centre.x, p.y - centre.y) - radius;
}

float roundedBoxDistance(Point p, Point centre, Point halfSize, float radius) {
    const float qx = std::abs(p.x - centre.x) - halfSize.x + radius;
    const float qy = std::abs(p.y - centre.y) - halfSize.y + radius;
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float polygonDistance(Point p, std::span<const Point> corners) {
    // Nearest edge for the distance, crossings of a horizontal ray for the side.
    float nearest = INFINITY;
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point a = corners[j], b = corners[i];
        const float ex = b.x - a.x, ey = b.y - a.y;
        const float t = clamp01(((p.x - a.x) * ex + (p.y - a.y) * ey) / (ex * ex + ey * ey));
        nearest = std::min(nearest, std::hypot(p.x - a.x - ex * t, p.y - a.y - ey * t));
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * ex / ey) inside = !inside;
    }
    return inside ? -nearest : nearest;
}
