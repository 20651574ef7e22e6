#include "Pictures.h"

#include <algorithm>
#include <cmath>

namespace {

// The picture in units of the icon's side.
constexpr Point BALL = {0.5f, 0.31f};
constexpr float BALL_RADIUS = 0.215f;
constexpr Point BOX_TOP[] = {{0.10f, 0.66f}, {0.22f, 0.56f}, {0.78f, 0.56f}, {0.90f, 0.66f}};
constexpr Point BOX_FRONT_CENTRE = {0.5f, 0.78f};
constexpr Point BOX_FRONT_HALF = {0.40f, 0.12f};
const Colour ICON_INK = {0.04f, 0.06f, 0.12f, 1};

// Lambert and Blinn-Phong shading of the ball for a light above, left and in front.
Colour ballColour(Point p) {
    const float nx = (p.x - BALL.x) / BALL_RADIUS, ny = (p.y - BALL.y) / BALL_RADIUS;
    const float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
    const float lx = -0.48f, ly = -0.62f, lz = 0.62f;
    const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    const float hx = lx, hy = ly, hz = lz + 1, hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    const float specular = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl), 40.0f);
    const Colour base = {0.95f, 0.28f, 0.12f, 1};
    const float light = 0.22f + 0.9f * diffuse;
    return {std::min(1.0f, base.r * light + specular), std::min(1.0f, base.g * light + specular),
            std::min(1.0f, base.b * light + specular), 1};
}

Colour boxColour(Point p, bool onTop) {
    if (onTop) {
        // The ball's shadow on the lid.
        const float sx = (p.x - 0.5f) / 0.17f, sy = (p.y - 0.61f) / 0.035f;
        const float shadow = 1 - 0.45f * (1 - smoothstep(0.6f, 1.0f, std::sqrt(sx * sx + sy * sy)));
        return scaled(Colour{0.62f, 0.76f, 0.95f, 1}, shadow);
    }
    return mix(Colour{0.26f, 0.44f, 0.75f, 1}, Colour{0.13f, 0.22f, 0.45f, 1}, smoothstep(0.66f, 0.9f, p.y));
}

}  // namespace

Image iconPicture(int size) {
    const float side = static_cast<float>(size);
    const float outline = std::max(1.0f, side / 40);  // pixels
    return renderPicture(size, size, [&](float x, float y) {
        const Point p = {x / side, y / side};
        const float ball = circleDistance(p, BALL, BALL_RADIUS) * side;
        const float lid = polygonDistance(p, BOX_TOP) * side;
        const float front = roundedBoxDistance(p, BOX_FRONT_CENTRE, BOX_FRONT_HALF, 0.02f) * side;
        const float box = std::min(lid, front);
        Colour picture = withAlpha(ICON_INK, std::max(coverage(ball - outline), coverage(box - outline)));
        picture = over(withAlpha(boxColour(p, lid < front), coverage(box)), picture);
        picture = over(withAlpha(ballColour(p), coverage(ball)), picture);
        return picture.a > 0 ? picture : withAlpha(ICON_INK, 0);
    });
}
