#pragma once
// Height maps written as .ter text: a header line, the digit counts and the
// sample counts in columns 5 on, then one whole-number height a line (from
// column 2), x-major. Lines whose second character is "[" and empty lines are
// comments to the reader; a few of them mark where each x column starts.
#include <string>
#include <vector>

struct HeightMap {
    int samplesX = 0, samplesY = 0;
    std::vector<int> heights;  // heights[x * samplesY + y], each 0..9999
    int at(int x, int y) const { return heights[static_cast<std::size_t>(x * samplesY + y)]; }
};

std::string terText(const HeightMap& map, const std::string& title);
