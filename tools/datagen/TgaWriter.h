#pragma once
// Truevision TGA files: 32-bit true colour, bottom row first, uncompressed (type 2)
// or run-length encoded (type 10).
#include "Canvas.h"

#include <filesystem>

enum class TgaCompression { None, RunLength };

bool writeTga(const std::filesystem::path& path, const Image& image, TgaCompression compression);
