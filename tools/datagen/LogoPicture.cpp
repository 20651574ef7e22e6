#include "Pictures.h"

#include "TextField.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int WIDTH = 512;
constexpr int HEIGHT = 128;
constexpr float MARGIN = 14;          // pixels left and right of the text
constexpr float FIELD_EM = 240;       // the outlines are rasterised larger than drawn
constexpr float LETTER_OUTLINE = 3.5f;  // pixels of dark rim around the letters
constexpr Point SHADOW_OFFSET = {3, 4};
constexpr const char* TEXT = "Kestrova Phy";
constexpr std::size_t SECOND_WORD = 9;  // "Phy"
// The ground bar under the text.
constexpr Point BAR_CENTRE = {WIDTH / 2.0f, 108};
constexpr Point BAR_HALF = {WIDTH / 2.0f - MARGIN - 4, 4};
const Colour LOGO_INK = {0.03f, 0.04f, 0.09f, 1};

struct Gradient {
    Colour top, bottom;
};
const Gradient FIRST_WORD_COLOURS = {{1.00f, 0.90f, 0.42f, 1}, {0.94f, 0.42f, 0.06f, 1}};
const Gradient SECOND_WORD_COLOURS = {{0.62f, 0.94f, 1.00f, 1}, {0.10f, 0.42f, 0.90f, 1}};

}  // namespace

Image logoPicture(const std::filesystem::path& fontFile) {
    const TextField field(fontFile, TEXT, FIELD_EM);
    // Image pixels to field pixels: the line fills the width between the margins.
    const float scale = field.empty() ? 1 : field.advance() / (WIDTH - 2 * MARGIN);
    const float capTop = field.ascent() * 0.72f / scale;   // caps stand about 0.72 of the ascent
    const float baseline = 84;
    const float secondWordX = field.empty() ? WIDTH : MARGIN + field.penAt(SECOND_WORD) / scale;
    auto distance = [&](float x, float y) { return field.distance((x - MARGIN) * scale, (y - baseline) * scale) / scale; };

    return renderPicture(WIDTH, HEIGHT, [&](float x, float y) {
        if (field.empty()) return withAlpha(LOGO_INK, 0);
        const float d = distance(x, y);
        const float shadow = distance(x - SHADOW_OFFSET.x, y - SHADOW_OFFSET.y);
        const Gradient& colours = x < secondWordX - 4 ? FIRST_WORD_COLOURS : SECOND_WORD_COLOURS;
        Colour fill = mix(colours.top, colours.bottom, smoothstep(baseline - capTop, baseline, y));
        // A bevel lit from above, and a gloss on the upper half of the letters.
        const float slope = distance(x, y + 0.5f) - distance(x, y - 0.5f);
        fill = scaled(fill, 1 + 0.45f * slope * smoothstep(-5, 0, d));
        fill = mix(fill, Colour{1, 1, 1, 1}, 0.18f * (1 - smoothstep(baseline - capTop, baseline - capTop / 2, y)));
        const float bar = roundedBoxDistance({x, y}, BAR_CENTRE, BAR_HALF, BAR_HALF.y);
        const Colour barColour = mix(mix(FIRST_WORD_COLOURS.top, FIRST_WORD_COLOURS.bottom, 0.4f),
                                     mix(SECOND_WORD_COLOURS.top, SECOND_WORD_COLOURS.bottom, 0.4f),
                                     smoothstep(MARGIN, WIDTH - MARGIN, x));
        Colour picture = withAlpha(LOGO_INK, 0.65f * coverage(shadow - LETTER_OUTLINE));
        picture = over(withAlpha(LOGO_INK, coverage(bar - 2)), picture);
        picture = over(withAlpha(barColour, coverage(bar)), picture);
        picture = over(withAlpha(LOGO_INK, coverage(d - LETTER_OUTLINE)), picture);
        picture = over(withAlpha(fill, coverage(d)), picture);
        return picture.a > 0 ? picture : withAlpha(LOGO_INK, 0);
    });
}
