#include "kestrova/TgaReader.h"

#include <algorithm>
#include <array>
#include <new>

namespace {

constexpr std::array<std::uint8_t, 12> UNCOMPRESSED_HEADER = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::array<std::uint8_t, 12> COMPRESSED_HEADER = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::size_t MAX_PACKET_PIXELS = 128;

// Releases the image memory and reports the failure.
TgaOutcome fail(TGATEXTURE& texture, const char* message, const char* caption = "ERROR") {
    std::vector<std::uint8_t>().swap(texture.IMAGEDATA);
    return {message, caption};
}

// The six bytes after the fixed header: size and depth, checked and copied into both
// records. Returns what is wrong with them, or nullptr.
const char* readImageInformation(TgaBytes& file, TGATEXTURE& texture, TTGA& tga) {
    const std::uint8_t* info = file.take(sizeof tga.HEADER);
    if (!info) return "Could not read info header";
    std::copy_n(info, sizeof tga.HEADER, tga.HEADER);
    texture.WIDTH = tga.WIDTH = tga.HEADER[1] * 256u + tga.HEADER[0];
    texture.HEIGHT = tga.HEIGH = tga.HEADER[3] * 256u + tga.HEADER[2];
    texture.BPP = tga.BPP = tga.HEADER[4];
    if (tga.WIDTH == 0 || tga.HEIGH == 0 || (tga.BPP != 24 && tga.BPP != 32))
        return "Invalid texture information";
    texture.TYP = tga.TYP = tga.BPP == 24 ? TGA_RGB : TGA_RGBA;
    tga.BYTESPERPIXEL = tga.BPP / 8;
    tga.IMAGESIZE = std::uint64_t{tga.BYTESPERPIXEL} * tga.WIDTH * tga.HEIGH;
    return nullptr;
}

// Appends one stored pixel (blue, green, red [, alpha]) as red, green, blue [, alpha].
void appendPixel(std::vector<std::uint8_t>& image, const std::uint8_t* pixel, std::uint32_t bytesPerPixel) {
    image.insert(image.end(), {pixel[2], pixel[1], pixel[0]});
    if (bytesPerPixel == 4) image.push_back(pixel[3]);
}

}  // namespace

const std::uint8_t* TgaBytes::take(std::size_t count) {
    if (count > remaining()) return nullptr;
    const std::uint8_t* start = bytes_.data() + position_;
    position_ += count;
    return start;
}

TgaOutcome LOADUNCOMPRESSEDTGA(TGATEXTURE& TEXTURE, TgaBytes& BYTES) {
    TTGA tga;
    if (const char* problem = readImageInformation(BYTES, TEXTURE, tga)) return fail(TEXTURE, problem);
    // The data is checked before any memory is taken, so an absurd size in a short file costs nothing.
    const std::uint8_t* data = BYTES.remaining() >= tga.IMAGESIZE ? BYTES.take(tga.IMAGESIZE) : nullptr;
    if (!data) return fail(TEXTURE, "Could not read image data");
    try {
        TEXTURE.IMAGEDATA.clear();
        TEXTURE.IMAGEDATA.reserve(tga.IMAGESIZE);
    } catch (const std::bad_alloc&) {
        return fail(TEXTURE, "Could not allocate memory for image");
    }
    for (std::uint64_t offset = 0; offset < tga.IMAGESIZE; offset += tga.BYTESPERPIXEL)
        appendPixel(TEXTURE.IMAGEDATA, data + offset, tga.BYTESPERPIXEL);
    return {};
}

TgaOutcome LOADCOMPRESSEDTGA(TGATEXTURE& TEXTURE, TgaBytes& BYTES) {
    TTGA tga;
    if (const char* problem = readImageInformation(BYTES, TEXTURE, tga)) return fail(TEXTURE, problem);
    const std::uint64_t pixelCount = std::uint64_t{tga.WIDTH} * tga.HEIGH;
    // The image grows as packets arrive; room is taken only for what the rest of the
    // file can describe (at most 128 pixels per packet of header and one pixel).
    const std::uint64_t describable = BYTES.remaining() / (1 + tga.BYTESPERPIXEL) * MAX_PACKET_PIXELS;
    try {
        TEXTURE.IMAGEDATA.clear();
        TEXTURE.IMAGEDATA.reserve(std::min(pixelCount, describable) * tga.BYTESPERPIXEL);
        std::uint64_t currentPixel = 0;
        while (currentPixel < pixelCount) {
            const std::uint8_t* header = BYTES.take(1);
            if (!header) return fail(TEXTURE, "Could not read RLE header");
            const bool run = *header >= 128;
            const std::uint32_t count = run ? *header - 127u : *header + 1u;
            if (currentPixel + count > pixelCount) return fail(TEXTURE, "Too many pixels read");
            if (run) {
                const std::uint8_t* pixel = BYTES.take(tga.BYTESPERPIXEL);
                if (!pixel) return fail(TEXTURE, "Could not read from file");
                for (std::uint32_t i = 0; i < count; ++i) appendPixel(TEXTURE.IMAGEDATA, pixel, tga.BYTESPERPIXEL);
            } else {
                for (std::uint32_t i = 0; i < count; ++i) {
                    const std::uint8_t* pixel = BYTES.take(tga.BYTESPERPIXEL);
                    if (!pixel) return fail(TEXTURE, "Could not read image data");
                    appendPixel(TEXTURE.IMAGEDATA, pixel, tga.BYTESPERPIXEL);
                }
            }
            currentPixel += count;
        }
    } catch (const std::bad_alloc&) {
        return fail(TEXTURE, "Could not allocate memory for image");
    }
    return {};
}

TgaOutcome READTGA(std::span<const std::uint8_t> BYTES, TGATEXTURE& TEXTURE) {
    TgaBytes file(BYTES);
    const std::uint8_t* header = file.take(UNCOMPRESSED_HEADER.size());
    if (!header) return fail(TEXTURE, "Could not read file header");
    if (std::equal(UNCOMPRESSED_HEADER.begin(), UNCOMPRESSED_HEADER.end(), header))
        return LOADUNCOMPRESSEDTGA(TEXTURE, file);
    if (std::equal(COMPRESSED_HEADER.begin(), COMPRESSED_HEADER.end(), header))
        return LOADCOMPRESSEDTGA(TEXTURE, file);
    return fail(TEXTURE, "TGA file be type 2 or type 10", "Invalid Image");
}
