// The generated image files read back by the program's own readers.
#include "kestrova/TgaReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readData(const std::string& name) {
    std::ifstream in(std::string(KESTROVA_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The alpha test of the overlay keeps texels above 0.4.
bool shown(const TGATEXTURE& t, unsigned x, unsigned y) {
    return t.IMAGEDATA[(std::size_t{y} * t.WIDTH + x) * 4 + 3] > 0.4 * 255;
}

TGATEXTURE decoded(const std::string& name) {
    TGATEXTURE texture;
    const Bytes file = readData(name);
    const TgaOutcome outcome = READTGA(file, texture);
    EXPECT_TRUE(outcome) << name << ": " << (outcome ? "" : outcome.message);
    EXPECT_EQ(texture.BPP, 32u) << name;
    return texture;
}

TEST(GeneratedData, LogoIsFourTimesAsWideAsHighWithAClearGround) {
    const TGATEXTURE logo = decoded("logoKestrova.tga");
    ASSERT_EQ(logo.WIDTH, 4 * logo.HEIGHT);
    EXPECT_FALSE(shown(logo, 0, 0));
    EXPECT_FALSE(shown(logo, logo.WIDTH - 1, logo.HEIGHT - 1));
    int visible = 0;
    for (unsigned y = 0; y < logo.HEIGHT; ++y)
        for (unsigned x = 0; x < logo.WIDTH; ++x) visible += shown(logo, x, y);
    const int all = static_cast<int>(logo.WIDTH * logo.HEIGHT);
    EXPECT_GT(visible, all / 8) << "the lettering covers a good part of the logo";
    EXPECT_LT(visible, all * 3 / 4);
}

// The file's arrow points left: the program shows it as it is for the left
// button and turned half round for the right one.
TEST(GeneratedData, ArrowsPointLeftOnAClearGround) {
    for (const char* name : {"Arrow01.tga", "Arrow01_2.tga"}) {
        const TGATEXTURE arrow = decoded(name);
        ASSERT_EQ(arrow.WIDTH, arrow.HEIGHT) << name;
        const unsigned size = arrow.WIDTH, middle = size / 2;
        EXPECT_FALSE(shown(arrow, 0, 0)) << name;
        EXPECT_FALSE(shown(arrow, size - 1, size - 1)) << name;
        EXPECT_TRUE(shown(arrow, middle, middle)) << name;
        // Near the left edge only the tip, on the middle row; near the right edge the
        // shaft, narrower than the head.
        const unsigned nearLeft = size / 8, nearRight = size - 1 - size / 8;
        EXPECT_TRUE(shown(arrow, nearLeft, middle)) << name;
        EXPECT_FALSE(shown(arrow, nearLeft, middle + size / 4)) << name;
        EXPECT_FALSE(shown(arrow, nearLeft, middle - size / 4)) << name;
        EXPECT_TRUE(shown(arrow, nearRight, middle + size / 8)) << name;
        EXPECT_FALSE(shown(arrow, nearRight, middle + 3 * size / 8)) << name << ": a shaft, not a head";
    }
}

TEST(GeneratedData, BothTgaLayoutsAreUsed) {
    EXPECT_EQ(readData("Arrow01.tga").at(2), 2);
    EXPECT_EQ(readData("Arrow01_2.tga").at(2), 10);
    EXPECT_EQ(readData("logoKestrova.tga").at(2), 10);
}

TEST(GeneratedData, IconHoldsFourSizes) {
    const Bytes icon = readData("KevaPhy.ico");
    ASSERT_GE(icon.size(), 6u + 4 * 16);
    EXPECT_EQ(icon[2], 1) << "an icon, not a cursor";
    ASSERT_EQ(icon[4], 4);
    std::vector<int> sizes;
    for (int entry = 0; entry < 4; ++entry) {
        const std::uint8_t* e = &icon[6 + 16 * entry];
        sizes.push_back(e[0] == 0 ? 256 : e[0]);
        const std::uint32_t length = e[8] | e[9] << 8 | e[10] << 16 | std::uint32_t{e[11]} << 24;
        const std::uint32_t offset = e[12] | e[13] << 8 | e[14] << 16 | std::uint32_t{e[15]} << 24;
        EXPECT_LE(std::uint64_t{offset} + length, icon.size()) << "entry " << entry << " lies inside the file";
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 256}));
}

}  // namespace
