#pragma once
// The drawn frame as a picture: read back from the GL and written as a PNG.
#include <cstdint>
#include <string>
#include <vector>

// The frame being drawn (WIDTH x HEIGHT of the current read buffer) as rows of
// RGBA bytes, top row first.
std::vector<std::uint8_t> READFRAMEPIXELS(int& width, int& height);
// Writes RGBA rows, top row first, as an opaque PNG; false when nothing was written.
bool WRITEPNGFILE(const std::string& path, int width, int height, std::vector<std::uint8_t> rows);
