#include "IcoWriter.h"

#include "LittleEndian.h"
#include "PngWriter.h"

namespace {

constexpr int PNG_SIZE = 256;
constexpr std::uint32_t DIRECTORY_SIZE = 6;
constexpr std::uint32_t ENTRY_SIZE = 16;
constexpr std::uint32_t BITMAP_HEADER_SIZE = 40;

// A bottom-up 32-bit bitmap of twice the height (colours, then the AND mask that
// marks fully transparent pixels for viewers that ignore alpha).
Bytes bitmapEntry(const Image& image) {
    const std::uint32_t maskStride = static_cast<std::uint32_t>((image.width + 31) / 32 * 4);
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(image.width * image.height * 4);
    Bytes out;
    append32(out, BITMAP_HEADER_SIZE);
    append32(out, static_cast<std::uint32_t>(image.width));
    append32(out, static_cast<std::uint32_t>(image.height * 2));
    append16(out, 1);   // planes
    append16(out, 32);  // bits per pixel
    append32(out, 0);   // no compression
    append32(out, pixelBytes + maskStride * static_cast<std::uint32_t>(image.height));
    for (int unused = 0; unused < 4; ++unused) append32(out, 0);  // resolution, palette
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes mask(maskStride, 0);
        for (int x = 0; x < image.width; ++x)
            if (image.pixel(x, y)[3] == 0) mask[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), mask.begin(), mask.end());
    }
    return out;
}

}  // namespace

bool writeIco(const std::filesystem::path& path, std::span<const Image> images) {
    Bytes directory;
    append16(directory, 0);  // reserved
    append16(directory, 1);  // icon
    append16(directory, static_cast<unsigned>(images.size()));
    Bytes data;
    std::uint32_t offset = DIRECTORY_SIZE + ENTRY_SIZE * static_cast<std::uint32_t>(images.size());
    for (const Image& image : images) {
        const Bytes entry = image.width == PNG_SIZE ? pngBytes(image) : bitmapEntry(image);
        directory.push_back(static_cast<std::uint8_t>(image.width % 256));  // 0 stands for 256
        directory.push_back(static_cast<std::uint8_t>(image.height % 256));
        directory.insert(directory.end(), {0, 0});  // no palette, reserved
        append16(directory, 1);                     // planes
        append16(directory, 32);                    // bits per pixel
        append32(directory, static_cast<std::uint32_t>(entry.size()));
        append32(directory, offset);
        offset += static_cast<std::uint32_t>(entry.size());
        data.insert(data.end(), entry.begin(), entry.end());
    }
    directory.insert(directory.end(), data.begin(), data.end());
    return writeBytes(path, directory);
}
