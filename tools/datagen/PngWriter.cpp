#include "PngWriter.h"

#include <stb_image_write.h>

Bytes pngBytes(const Image& image) {
    Bytes png;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            auto* out = static_cast<Bytes*>(context);
            out->insert(out->end(), static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + size);
        },
        &png, image.width, image.height, 4, image.rgba.data(), image.width * 4);
    return png;
}

bool writePng(const std::filesystem::path& path, const Image& image) {
    const Bytes png = pngBytes(image);
    return !png.empty() && writeBytes(path, png);
}
