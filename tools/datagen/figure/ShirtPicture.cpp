#include "FigureWriters.h"

#include <cmath>

// Red and cream bands with a darker hem line at the bottom of every face.
Image shirtPicture() {
    return renderPicture(64, 64, [](float x, float y) {
        const Colour red{0.78f, 0.16f, 0.14f, 1}, cream{0.95f, 0.9f, 0.78f, 1}, hem{0.45f, 0.08f, 0.08f, 1};
        const float band = std::fmod(y / 16, 1.0f);
        Colour colour = mix(red, cream, smoothstep(0.45f, 0.55f, band) * (1 - smoothstep(0.95f, 1.0f, band)));
        colour = mix(colour, hem, smoothstep(58, 60, y));
        return scaled(colour, 0.92f + 0.08f * std::sin(x * 0.7f));
    });
}
