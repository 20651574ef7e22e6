#include "kestrova/TextImage.h"

#include "kestrova/OGLWindow.h"
#include "kestrova/OutlineText.h"
#include "kestrova/Projection.h"

#include <GL/gl.h>

#include <algorithm>
#include <vector>

// Asked twice a frame: compares without copying the text.
bool TextImage::keeps(float x, float y, float size, std::string_view text) const {
    return kept_ && place_.x == x && place_.y == y && place_.size == size && place_.text == text &&
           place_.width == WIDTH && place_.height == HEIGHT && place_.glyphs == TEXTLISTCHANGES;
}

void TextImage::keep(float x, float y, float size, std::string_view text) {
    if (keeps(x, y, size, text) || WIDTH <= 0 || HEIGHT <= 0) return;
    place_ = Place{x, y, size, std::string(text), WIDTH, HEIGHT, TEXTLISTCHANGES};
    kept_ = true;
    columns_ = rows_ = 0;
    if (text.empty()) return;  // nothing to draw, nor to read back

    // The glyphs alone, white on black, with the view and the switches they are put with.
    // The current colour is put back by hand: Mesa's glPopAttrib leaves the one set here.
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    OPENGL_I2D(0, 0, 0, 0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_SCISSOR_TEST);
    glColor3f(1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    PUTGLTEXT(x, y, size, text);
    std::vector<std::uint8_t> frame(static_cast<std::size_t>(WIDTH) * static_cast<std::size_t>(HEIGHT));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, WIDTH, HEIGHT, GL_RED, GL_UNSIGNED_BYTE, frame.data());

    // The smallest rectangle holding every covered pixel.
    int left = WIDTH, right = -1, bottom = HEIGHT, top = -1;
    for (int row = 0; row < HEIGHT; ++row)
        for (int column = 0; column < WIDTH; ++column)
            if (frame[static_cast<std::size_t>(row) * WIDTH + column] != 0) {
                left = std::min(left, column);
                right = std::max(right, column);
                bottom = std::min(bottom, row);
                top = std::max(top, row);
            }
    columns_ = std::max(right - left + 1, 0);
    rows_ = std::max(top - bottom + 1, 0);
    left_ = left;
    bottom_ = bottom;
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column)
            coverage[static_cast<std::size_t>(row) * columns_ + column] =
                frame[static_cast<std::size_t>(bottom + row) * WIDTH + left + column] != 0 ? 255 : 0;

    if (texture_ == 0) glGenTextures(1, &texture_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, columns_, rows_, 0, GL_ALPHA, GL_UNSIGNED_BYTE, coverage.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
    glColor4fv(colour);
}

void TextImage::put(float x, float y, float size, std::string_view text) const {
    if (!keeps(x, y, size, text)) {
        PUTGLTEXT(x, y, size, text);
        return;
    }
    if (columns_ == 0) return;
    // One pixel of the window per texel; the alpha test keeps the covered ones,
    // which get the current colour (its alpha times the texel's 1).
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // Depth 0 maps to the middle of the depth range, as the overlay's z = 0 does.
    glOrtho(0, WIDTH, 0, HEIGHT, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const auto left = static_cast<float>(left_), bottom = static_cast<float>(bottom_);
    const auto right = static_cast<float>(left_ + columns_), top = static_cast<float>(bottom_ + rows_);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(left, bottom);
    glTexCoord2f(1, 0), glVertex2f(right, bottom);
    glTexCoord2f(1, 1), glVertex2f(right, top);
    glTexCoord2f(0, 1), glVertex2f(left, top);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
