// The generated landscape read by the program's own height-map reader: a valley
// closed by ridges that the player starts on and walks up from.
#include "KEVA_Physics/TerrainFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace {

// The scene stands the land at (0, -100, 0), 15 units a sample and 2.25 a height step.
constexpr float SAMPLE = 15, STEP = 2.25f, BASE = -100, WORLD_TOP = 800;
constexpr int START_X = 54, START_Y = 50;  // under the player's start (60, 130, 0)

std::string landscapeText() {
    std::ifstream in(std::string(KESTROVA_TEST_DATA) + "/grotta.ter");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(LandscapeFile, IsAValleyClosedByRidgesWithinTheWorld) {
    const std::string text = landscapeText();
    const auto land = PARSETERRAIN(text);
    ASSERT_TRUE(land);
    EXPECT_EQ(land->nX, 100);
    EXPECT_EQ(land->nY, 100);
    const float start = land->at(START_X, START_Y);
    float lowestRim = 1e9f;
    for (int i = 0; i < 100; ++i)
        lowestRim = std::min({lowestRim, land->at(0, i), land->at(99, i), land->at(i, 0), land->at(i, 99)});
    EXPECT_GT(lowestRim, start + 20) << "ridges close the valley all round";
    for (const float h : land->heights) {
        EXPECT_EQ(h, std::trunc(h)) << "whole numbers: the land is solid where it is drawn";
        EXPECT_LT(BASE + STEP * h, WORLD_TOP);
    }
    EXPECT_NE(text.find("\n\n"), std::string::npos) << "empty lines";
    EXPECT_NE(text.find("\n ["), std::string::npos) << "lines the reader skips";
}

TEST(LandscapeFile, StartStandsOnASlopeThatRisesAhead) {
    const auto land = PARSETERRAIN(landscapeText());
    ASSERT_TRUE(land);
    const float start = land->at(START_X, START_Y);
    EXPECT_GE(start, 85);
    EXPECT_LE(start, 95);
    // The first view looks towards -z: smaller y.
    float highestAhead = start;
    for (int step = 1; step * SAMPLE <= 100; ++step) highestAhead = std::max(highestAhead, land->at(START_X, START_Y - step));
    EXPECT_GE((highestAhead - start) * STEP, 20) << "rises at least 20 units within 100 ahead";
}

}  // namespace
