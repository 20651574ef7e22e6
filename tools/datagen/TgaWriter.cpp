#include "TgaWriter.h"

#include "LittleEndian.h"

#include <algorithm>
#include <array>

namespace {

using Pixel = std::array<std::uint8_t, 4>;  // blue, green, red, alpha as stored
constexpr int MAX_PACKET_PIXELS = 128;
constexpr std::uint8_t ALPHA_BITS = 8;  // image descriptor: 8 alpha bits, origin bottom left

std::vector<Pixel> storedRow(const Image& image, int y) {
    std::vector<Pixel> row(static_cast<std::size_t>(image.width));
    for (int x = 0; x < image.width; ++x) {
        const std::uint8_t* p = image.pixel(x, y);
        row[static_cast<std::size_t>(x)] = {p[2], p[1], p[0], p[3]};
    }
    return row;
}

void appendPixels(Bytes& out, const Pixel* first, int count) {
    for (int i = 0; i < count; ++i) out.insert(out.end(), first[i].begin(), first[i].end());
}

// Packets never cross the end of a row: runs of equal pixels, raw packets between them.
void appendRunLengthRow(Bytes& out, const std::vector<Pixel>& row) {
    const int width = static_cast<int>(row.size());
    auto startsRun = [&](int i) { return i + 1 < width && row[i] == row[i + 1]; };
    for (int i = 0; i < width;) {
        if (startsRun(i)) {
            int run = 2;
            while (i + run < width && run < MAX_PACKET_PIXELS && row[i + run] == row[i]) ++run;
            out.push_back(static_cast<std::uint8_t>(127 + run));
            appendPixels(out, &row[i], 1);
            i += run;
        } else {
            int count = 1;
            while (i + count < width && count < MAX_PACKET_PIXELS && !startsRun(i + count)) ++count;
            out.push_back(static_cast<std::uint8_t>(count - 1));
            appendPixels(out, &row[i], count);
            i += count;
        }
    }
}

}  // namespace

bool writeTga(const std::filesystem::path& path, const Image& image, TgaCompression compression) {
    const bool runLength = compression == TgaCompression::RunLength;
    Bytes out = {0, 0, static_cast<std::uint8_t>(runLength ? 10 : 2), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    append16(out, static_cast<unsigned>(image.width));
    append16(out, static_cast<unsigned>(image.height));
    out.push_back(32);
    out.push_back(ALPHA_BITS);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::vector<Pixel> row = storedRow(image, y);
        if (runLength)
            appendRunLengthRow(out, row);
        else
            appendPixels(out, row.data(), image.width);
    }
    return writeBytes(path, out);
}
