#pragma once
// A current 800 x 600 OSMesa context with a clean GL state for tests that draw.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

class OffscreenGL : public ::testing::Test {
protected:
    void SetUp() override;
    // RGBA of the pixel at window coordinates (x from the left, y from the top).
    std::vector<std::uint8_t> pixelAt(int x, int y);
    // Writes the current colour buffer as a PNG (for looking at, not for asserting).
    void savePng(const char* path);
    // How many pixels brighter than `threshold` (in each of red, green and blue
    // on average) each cell of a columns x rows grid over the frame holds, the
    // cells counted row by row from the top left.
    std::vector<int> brightPixelsPerCell(int columns, int rows, int threshold);
};
