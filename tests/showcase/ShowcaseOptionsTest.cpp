// The program's command line as a user types it: what each accepted line
// starts, and for each mistake a message that names the option at fault.
#include "showcase/SceneRegistry.h"
#include "showcase/ShowcaseOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Accepted {
    std::vector<std::string> args;
    std::int32_t scene;
    std::optional<double> tourSeconds;
    bool loadingBox;
};

struct Refused {
    std::vector<std::string> args;
    std::string named;  // the message names this
};

TEST(ShowcaseOptions, AcceptedLinesStartWhatTheySay) {
    const std::vector<Accepted> lines = {
        {{}, 0, std::nullopt, true},
        {{"--scene", "205"}, 205, std::nullopt, true},
        {{"--scene=701", "--no-info"}, 701, std::nullopt, false},
        {{"--tour"}, 0, 10.0, true},
        {{"--tour", "--no-info"}, 0, 10.0, false},
        {{"--tour", "2.5", "--scene", "300"}, 300, 2.5, true},
        {{"--tour=0.25"}, 0, 0.25, true},
    };
    for (const Accepted& line : lines) {
        std::string error;
        const auto options = parseShowcaseOptions(line.args, SCENEROWS(), error);
        ASSERT_TRUE(options) << error;
        EXPECT_EQ(options->scene, line.scene);
        EXPECT_EQ(options->tourSeconds, line.tourSeconds);
        EXPECT_EQ(options->loadingBox, line.loadingBox);
        EXPECT_FALSE(options->help || options->version);
    }
    std::string error;
    EXPECT_TRUE(parseShowcaseOptions({"--help"}, SCENEROWS(), error)->help);
    EXPECT_TRUE(parseShowcaseOptions({"--version"}, SCENEROWS(), error)->version);
}

TEST(ShowcaseOptions, MistakesAreRefusedNamingTheOption) {
    const std::vector<Refused> lines = {
        {{"--bogus"}, "--bogus"},
        {{"205"}, "205"},
        {{"--scene"}, "--scene"},
        {{"--scene", "--tour"}, "--scene"},
        {{"--scene", "999"}, "999"},
        {{"--scene", "100"}, "100"},  // "Esci" is a menu item, not a scene
        {{"--scene", "20x"}, "--scene"},
        {{"--tour", "0"}, "--tour"},
        {{"--tour", "-1"}, "--tour"},
        {{"--tour", "nan"}, "--tour"},
        {{"--tour", "1e9"}, "--tour"},
        {{"--tour", "fast"}, "--tour"},
        {{"--no-info=yes"}, "--no-info"},
    };
    for (const Refused& line : lines) {
        std::string error;
        EXPECT_FALSE(parseShowcaseOptions(line.args, SCENEROWS(), error)) << line.args[0];
        EXPECT_NE(error.find(line.named), std::string::npos) << error;
    }
}

}  // namespace
