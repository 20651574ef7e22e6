#pragma once
// Command line of the program:
//   showcase [--scene CODE] [--tour [SECONDS]] [--no-info] [--help] [--version]
#include "showcase/SceneRegistry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr double DEFAULT_TOUR_SECONDS = 10;

struct ShowcaseOptions {
    std::int32_t scene = 0;             // chosen as the menu would after start-up; 0: the start screen
    std::optional<double> tourSeconds;  // each scene's time on the tour; none: no tour
    bool loadingBox = true;             // "Attendere per il caricamento" before loading
    bool help = false;
    bool version = false;
};

// Parses the arguments against the scenes there are; on error returns nothing
// and fills `error` with a message that names the option.
std::optional<ShowcaseOptions> parseShowcaseOptions(const std::vector<std::string>& args,
                                                    const std::vector<SceneRow>& scenes, std::string& error);
// What --help prints: the options and the scene codes with their menu labels.
std::string showcaseUsage(const std::string& program, const std::vector<SceneRow>& scenes);
