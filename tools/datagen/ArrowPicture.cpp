#include "Pictures.h"

#include <cmath>

namespace {

constexpr int SIZE = 64;
constexpr float ROUNDING = 3;
constexpr float ARROW_OUTLINE = 3;
// A left-pointing arrow, symmetric about the middle row (so that half a turn
// makes the right-pointing one), drawn inset by the corner rounding. The tail
// stops short of the edge: turned round for the right-hand button, that clear
// strip keeps the arrow off the caption that ends just before it.
constexpr Point CORNERS[] = {{8, 32}, {32, 9}, {32, 22}, {53, 22}, {53, 42}, {32, 42}, {32, 55}};
const Colour ARROW_INK = {0.05f, 0.06f, 0.10f, 1};

float arrowDistance(float x, float y) { return polygonDistance({x, y}, CORNERS) - ROUNDING; }

}  // namespace

Image arrowPicture(bool highlighted) {
    const Colour middle = highlighted ? Colour{1.0f, 0.96f, 0.55f, 1} : Colour{0.80f, 0.85f, 0.92f, 1};
    const Colour rim = highlighted ? Colour{1.0f, 0.50f, 0.08f, 1} : Colour{0.30f, 0.38f, 0.52f, 1};
    return renderPicture(SIZE, SIZE, [&](float x, float y) {
        const float d = arrowDistance(x, y);
        // Bright along the middle row and darker towards the rim, like a rounded bar;
        // the shading is the same after half a turn.
        const float fromMiddle = std::abs(y - SIZE / 2.0f);
        Colour fill = mix(middle, rim, smoothstep(0, 24, fromMiddle));
        fill = scaled(fill, 1 - 0.3f * smoothstep(-5, 0, d));
        const Colour body = over(withAlpha(fill, coverage(d)), withAlpha(ARROW_INK, coverage(d - ARROW_OUTLINE)));
        return body.a > 0 ? body : withAlpha(ARROW_INK, 0);
    });
}
