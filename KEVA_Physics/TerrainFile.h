#pragma once
// Height-map (".ter") text files: a header line, the digit counts of the two
// sample counts, the counts, then one height per line for x = 0 .. nX-1 and,
// within each, y = 0 .. nY-1. Read with the fixed-column number reader.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// At most this many samples along each axis.
constexpr std::int32_t TERRAIN_MAX_SAMPLES = 1501;

struct TerrainGrid {
    std::int32_t nX = 0, nY = 0;
    std::vector<float> heights;  // nX * nY, x-major

    float at(std::int32_t x, std::int32_t y) const {
        return heights[static_cast<std::size_t>(x) * static_cast<std::size_t>(nY) + static_cast<std::size_t>(y)];
    }
};

// The counts and heights of the text of a .ter file; nothing when a line is
// missing or not a number, a digit count lies outside 1 .. 4 or a sample count
// outside 1 .. TERRAIN_MAX_SAMPLES.
std::optional<TerrainGrid> PARSETERRAIN(std::string_view text);
// The same for a file; nothing when it cannot be read.
std::optional<TerrainGrid> LOADTERRAINFILE(const std::string& fileName);
