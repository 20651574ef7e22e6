// Decoding of TGA bytes: the accepted layouts, every rejection, and hostile input.
#include "kestrova/TgaReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <algorithm>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A file with the fixed header of `type`, the size and depth, then `data`.
Bytes tgaFile(std::uint8_t type, unsigned width, unsigned height, std::uint8_t bits, const Bytes& data) {
    const std::uint8_t header[18] = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, std::uint8_t(width & 0xFF),
                                     std::uint8_t(width >> 8), std::uint8_t(height & 0xFF), std::uint8_t(height >> 8),
                                     bits, 0};
    Bytes file(sizeof header + data.size());
    std::copy(header, header + sizeof header, file.begin());
    std::copy(data.begin(), data.end(), file.begin() + sizeof header);
    return file;
}

Bytes repeated(const Bytes& pixel, int times) {
    Bytes out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), pixel.begin(), pixel.end());
    return out;
}

std::string messageOf(const Bytes& file) {
    TGATEXTURE texture;
    const TgaOutcome outcome = READTGA(file, texture);
    if (!outcome) {
        EXPECT_TRUE(texture.IMAGEDATA.empty()) << "a failed read keeps no image";
    }
    return outcome ? "" : outcome.message;
}

TEST(TgaReader, UncompressedPixelsBecomeRedGreenBlue) {
    TGATEXTURE texture;
    const Bytes file = tgaFile(2, 2, 2, 24, {10, 20, 30, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    ASSERT_TRUE(READTGA(file, texture));
    EXPECT_EQ(texture.WIDTH, 2u);
    EXPECT_EQ(texture.HEIGHT, 2u);
    EXPECT_EQ(texture.BPP, 24u);
    EXPECT_EQ(texture.TYP, TGA_RGB);
    EXPECT_EQ(texture.IMAGEDATA, (Bytes{30, 20, 10, 3, 2, 1, 6, 5, 4, 9, 8, 7}));
}

TEST(TgaReader, AlphaStaysInPlace) {
    TGATEXTURE texture;
    ASSERT_TRUE(READTGA(tgaFile(2, 1, 1, 32, {10, 20, 30, 40}), texture));
    EXPECT_EQ(texture.TYP, TGA_RGBA);
    EXPECT_EQ(texture.IMAGEDATA, (Bytes{30, 20, 10, 40}));
}

TEST(TgaReader, RunPacketRepeatsItsPixel) {
    TGATEXTURE texture;
    ASSERT_TRUE(READTGA(tgaFile(10, 2, 2, 24, {131, 10, 20, 30}), texture));
    EXPECT_EQ(texture.IMAGEDATA, repeated({30, 20, 10}, 4));
}

TEST(TgaReader, RawAndRunPacketsMix) {
    TGATEXTURE texture;
    // raw packet of 2 pixels, run of 3, raw of 1: exactly 3 x 2 pixels, 32 bits.
    const Bytes data = {1, 1, 2, 3, 4, 5, 6, 7, 8, 130, 9, 9, 9, 9, 0, 10, 11, 12, 13};
    ASSERT_TRUE(READTGA(tgaFile(10, 3, 2, 32, data), texture));
    const Bytes expected = {3, 2, 1, 4, 7, 6, 5, 8, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 12, 11, 10, 13};
    EXPECT_EQ(texture.IMAGEDATA, expected);
}

TEST(TgaReader, StreamEndsExactlyAtThePixelCount) {
    TGATEXTURE texture;
    // Bytes after the last packet are not read.
    ASSERT_TRUE(READTGA(tgaFile(10, 2, 1, 24, {129, 1, 2, 3, 0xFF, 0xFF}), texture));
    EXPECT_EQ(texture.IMAGEDATA.size(), 6u);
}

TEST(TgaReader, PacketPastTheImageLoadsNothing) {
    EXPECT_EQ(messageOf(tgaFile(10, 2, 2, 24, {130, 1, 2, 3, 129, 4, 5, 6})), "Too many pixels read");
    EXPECT_EQ(messageOf(tgaFile(10, 2, 2, 24, {132, 1, 2, 3})), "Too many pixels read");
    EXPECT_EQ(messageOf(tgaFile(10, 1, 1, 24, {1, 1, 2, 3, 4, 5, 6})), "Too many pixels read");
}

TEST(TgaReader, RejectsOtherLayoutsWithTheirCaption) {
    for (const Bytes& header : {Bytes{5, 0, 2}, Bytes{0, 1, 2}, Bytes{0, 0, 1}, Bytes{0, 0, 3}, Bytes{0, 0, 11}}) {
        Bytes file = tgaFile(2, 1, 1, 24, {1, 2, 3});
        std::copy(header.begin(), header.end(), file.begin());
        TGATEXTURE texture;
        const TgaOutcome outcome = READTGA(file, texture);
        ASSERT_FALSE(outcome);
        EXPECT_STREQ(outcome.message, "TGA file be type 2 or type 10");
        EXPECT_STREQ(outcome.caption, "Invalid Image");
    }
    Bytes colourMapped = tgaFile(2, 1, 1, 24, {1, 2, 3});
    colourMapped[5] = 16;  // colour map length
    EXPECT_EQ(messageOf(colourMapped), "TGA file be type 2 or type 10");
}

TEST(TgaReader, RejectsUnusableImageInformation) {
    for (const std::uint8_t type : {2, 10}) {
        EXPECT_EQ(messageOf(tgaFile(type, 1, 1, 16, {1, 2})), "Invalid texture information");
        EXPECT_EQ(messageOf(tgaFile(type, 0, 4, 24, {})), "Invalid texture information");
        EXPECT_EQ(messageOf(tgaFile(type, 4, 0, 32, {})), "Invalid texture information");
    }
}

TEST(TgaReader, TruncatedFilesSayWhereTheyEnd) {
    TGATEXTURE texture;
    const TgaOutcome header = READTGA(Bytes{0, 0, 2}, texture);
    EXPECT_STREQ(header.message, "Could not read file header");
    EXPECT_STREQ(header.caption, "ERROR");
    Bytes shortInfo = tgaFile(2, 1, 1, 24, {});
    shortInfo.resize(15);
    EXPECT_EQ(messageOf(shortInfo), "Could not read info header");
    EXPECT_EQ(messageOf(tgaFile(2, 2, 2, 24, {1, 2, 3})), "Could not read image data");
    EXPECT_EQ(messageOf(tgaFile(10, 2, 2, 24, {129, 1, 2, 3})), "Could not read RLE header");
    EXPECT_EQ(messageOf(tgaFile(10, 2, 2, 24, {3, 1, 2, 3, 4})), "Could not read image data");
    EXPECT_EQ(messageOf(tgaFile(10, 2, 2, 24, {131, 1, 2})), "Could not read from file");
}

TEST(TgaReader, HugeSizesInSmallFilesFailWithoutTakingTheMemory) {
    EXPECT_EQ(messageOf(tgaFile(2, 65535, 65535, 32, {1, 2, 3, 4})), "Could not read image data");
    EXPECT_EQ(messageOf(tgaFile(10, 65535, 65535, 32, {255, 1, 2, 3, 4})), "Could not read RLE header");
}

TEST(TgaReader, FailureReleasesAnEarlierImage) {
    TGATEXTURE texture;
    ASSERT_TRUE(READTGA(tgaFile(2, 1, 1, 24, {1, 2, 3}), texture));
    EXPECT_FALSE(READTGA(tgaFile(10, 1, 1, 24, {130, 1, 2, 3}), texture));
    EXPECT_TRUE(texture.IMAGEDATA.empty());
}

// Mutated, truncated and random files: the reader answers without reading outside
// the file (the sanitizer build checks that) and a success always holds the whole image.
TEST(TgaReader, SurvivesMutatedAndTruncatedFiles) {
    std::mt19937 random(20240611);
    auto byte = [&] { return static_cast<std::uint8_t>(random() & 0xFF); };
    const Bytes seeds[] = {
        tgaFile(2, 3, 2, 24, repeated({1, 2, 3}, 6)),
        tgaFile(2, 2, 3, 32, repeated({1, 2, 3, 4}, 6)),
        tgaFile(10, 4, 4, 24, {131, 1, 2, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 136, 0, 0, 0}),
        tgaFile(10, 5, 3, 32, {142, 9, 8, 7, 6}),
    };
    int successes = 0;
    for (int round = 0; round < 400000; ++round) {
        Bytes file = seeds[random() % std::size(seeds)];
        switch (random() % 4) {
        case 0:  // flip a few bytes anywhere, the header included
            for (int flips = 1 + random() % 4; flips > 0; --flips) file[random() % file.size()] = byte();
            break;
        case 1:  // cut short
            file.resize(random() % file.size());
            break;
        case 2:  // change a packet header or the size
            file[12 + random() % 6] = byte();
            if (file.size() > 18) file[18 + random() % (file.size() - 18)] = byte();
            break;
        default:  // noise behind a valid header
            file.resize(18);
            for (int extra = random() % 64; extra > 0; --extra) file.push_back(byte());
        }
        TGATEXTURE texture;
        const TgaOutcome outcome = READTGA(file, texture);
        if (outcome) {
            ++successes;
            ASSERT_EQ(texture.IMAGEDATA.size(), std::size_t{texture.WIDTH} * texture.HEIGHT * texture.BPP / 8);
        } else {
            ASSERT_TRUE(texture.IMAGEDATA.empty());
            ASSERT_NE(outcome.caption, nullptr);
        }
    }
    EXPECT_GT(successes, 1000) << "the mutations should not all be rejected";
}

}  // namespace
