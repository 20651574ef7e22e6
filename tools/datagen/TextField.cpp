#include "TextField.h"

#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

constexpr int PADDING = 48;  // pixels of distance kept around every glyph; farther is "far away"
constexpr unsigned char ON_EDGE = 128;
constexpr float STEPS_PER_PIXEL = static_cast<float>(ON_EDGE) / PADDING;

std::vector<unsigned char> readFont(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TextField::TextField(const std::filesystem::path& fontFile, std::string_view text, float pixelsPerEm) {
    const std::vector<unsigned char> fontData = readFont(fontFile);
    stbtt_fontinfo font;
    if (fontData.empty() || !stbtt_InitFont(&font, fontData.data(), stbtt_GetFontOffsetForIndex(fontData.data(), 0)))
        return;
    const float scale = stbtt_ScaleForMappingEmToPixels(&font, pixelsPerEm);
    int ascent = 0, descent = 0, lineGap = 0;
    stbtt_GetFontVMetrics(&font, &ascent, &descent, &lineGap);
    ascent_ = static_cast<float>(ascent) * scale;
    descent_ = static_cast<float>(-descent) * scale;

    float pen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        pens_.push_back(pen);
        int advance = 0, bearing = 0;
        stbtt_GetCodepointHMetrics(&font, static_cast<unsigned char>(text[i]), &advance, &bearing);
        const int kern = i + 1 < text.size() ? stbtt_GetCodepointKernAdvance(&font, static_cast<unsigned char>(text[i]), static_cast<unsigned char>(text[i + 1])) : 0;
        pen += static_cast<float>(advance + kern) * scale;
    }
    advance_ = pen;

    farAway_ = PADDING;
    originX_ = 2 * PADDING;
    originY_ = 2 * PADDING + std::ceil(ascent_);
    width_ = static_cast<int>(std::ceil(advance_)) + 4 * PADDING;
    height_ = static_cast<int>(std::ceil(ascent_ + descent_)) + 4 * PADDING;
    grid_.assign(static_cast<std::size_t>(width_) * height_, farAway_);
    for (std::size_t i = 0; i < text.size(); ++i) {
        int w = 0, h = 0, xoff = 0, yoff = 0;
        unsigned char* sdf =
            stbtt_GetCodepointSDF(&font, scale, static_cast<unsigned char>(text[i]), PADDING, ON_EDGE, STEPS_PER_PIXEL, &w, &h, &xoff, &yoff);
        if (!sdf) continue;  // a space
        const int left = static_cast<int>(std::lround(originX_ + pens_[i])) + xoff;
        const int top = static_cast<int>(originY_) + yoff;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int gx = left + x, gy = top + y;
                if (gx < 0 || gy < 0 || gx >= width_ || gy >= height_) continue;
                float& cell = grid_[static_cast<std::size_t>(gy) * width_ + gx];
                const float inside = (static_cast<float>(sdf[y * w + x]) - ON_EDGE) / STEPS_PER_PIXEL;
                cell = std::min(cell, -inside);  // the union of the glyphs
            }
        stbtt_FreeSDF(sdf, nullptr);
    }
}

float TextField::sample(int column, int row) const {
    if (column < 0 || row < 0 || column >= width_ || row >= height_) return farAway_;
    return grid_[static_cast<std::size_t>(row) * width_ + column];
}

float TextField::distance(float x, float y) const {
    // Grid values stand at pixel centres; interpolate between the four around the point.
    const float gx = x + originX_ - 0.5f, gy = y + originY_ - 0.5f;
    const float fx = std::floor(gx), fy = std::floor(gy);
    const int cx = static_cast<int>(fx), cy = static_cast<int>(fy);
    const float tx = gx - fx, ty = gy - fy;
    const float top = sample(cx, cy) + (sample(cx + 1, cy) - sample(cx, cy)) * tx;
    const float bottom = sample(cx, cy + 1) + (sample(cx + 1, cy + 1) - sample(cx, cy + 1)) * tx;
    return top + (bottom - top) * ty;
}
