#pragma once
// A line of outline text in the overlay's view, kept as the pixels its glyphs
// cover: the glyphs are hundreds of small triangles, which a software renderer
// pays for one by one every frame, while the kept pixels are one textured quad
// that writes the current colour into exactly the pixels the glyphs would.
#include <cstdint>
#include <string>
#include <string_view>

class TextImage {
public:
    TextImage() = default;
    TextImage(const TextImage&) = delete;
    TextImage& operator=(const TextImage&) = delete;

    // Keeps the pixels of PUTGLTEXT(x, y, size, text) in the overlay's view
    // (OPENGL_I2D) of the current window, unless they are kept already. To be
    // called before the frame's clear: it draws over the colour buffer.
    void keep(float x, float y, float size, std::string_view text);
    // PUTGLTEXT(x, y, size, text) in the overlay's view, from the kept pixels
    // when they show this text at this place in this window and with these
    // glyphs, else from the glyphs themselves.
    void put(float x, float y, float size, std::string_view text) const;

private:
    struct Place {
        float x = 0, y = 0, size = 0;
        std::string text;
        std::int32_t width = 0, height = 0;  // of the window
        std::uint32_t glyphs = 0;            // TEXTLISTCHANGES when kept
    };
    bool keeps(float x, float y, float size, std::string_view text) const;

    bool kept_ = false;
    Place place_;
    std::uint32_t texture_ = 0;                           // alpha 1 where a glyph covers the pixel, else 0
    int left_ = 0, bottom_ = 0, columns_ = 0, rows_ = 0;  // the texture's pixels in the window
};
