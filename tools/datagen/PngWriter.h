#pragma once
// PNG images: the icon's large size inside the icon file, and the icon's sizes
// that a desktop shows.
#include "Canvas.h"
#include "LittleEndian.h"

#include <filesystem>

Bytes pngBytes(const Image& image);
bool writePng(const std::filesystem::path& path, const Image& image);
