#pragma once
// The signed distance (negative inside, in pixels) to the glyph outlines of one line
// of text, rasterised with stb_truetype.
#include <filesystem>
#include <string_view>
#include <vector>

class TextField {
public:
    // Lays out `text` (ASCII) at `pixelsPerEm`; an unreadable font leaves the field empty.
    TextField(const std::filesystem::path& fontFile, std::string_view text, float pixelsPerEm);

    bool empty() const { return width_ == 0; }
    // Extent of the line: from the pen origin to the end of the last advance, and
    // from the font's ascent above the baseline to its descent below.
    float advance() const { return advance_; }
    float ascent() const { return ascent_; }
    float descent() const { return descent_; }
    // Pen position where character `index` starts.
    float penAt(std::size_t index) const { return pens_.at(index); }
    // Distance at (x, y), measured from the pen origin on the baseline, y pointing down.
    float distance(float x, float y) const;

private:
    float sample(int column, int row) const;

    int width_ = 0, height_ = 0;
    float originX_ = 0, originY_ = 0;  // where the pen origin lies in the grid
    float farAway_ = 0;                // the distance beyond which the grid saturates
    float advance_ = 0, ascent_ = 0, descent_ = 0;
    std::vector<float> pens_;
    std::vector<float> grid_;
};
