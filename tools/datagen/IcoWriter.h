#pragma once
// Windows icon files with several sizes of one picture.
#include "Canvas.h"

#include <filesystem>
#include <span>

// One entry per image (square, 1 to 256 pixels): 256-pixel images as PNG, smaller
// ones as 32-bit bitmaps with their transparency mask.
bool writeIco(const std::filesystem::path& path, std::span<const Image> images);
