// The program: its command line, then start-up, the main loop and shut-down.
#include "kestrova/MessageQueue.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/Platform.h"
#include "showcase/DataFiles.h"
#include "showcase/SceneRegistry.h"
#include "showcase/ShowcaseOptions.h"
#include "showcase/Startup.h"
#include "showcase/Tour.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::string program = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "kestrova-phy";
    std::string error;
    const auto options = parseShowcaseOptions(std::vector<std::string>(argv + 1, argv + argc), SCENEROWS(), error);
    if (!options) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", program.c_str(), error.c_str(), program.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(showcaseUsage(program, SCENEROWS()).c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::printf("Kestrova Phy %s\n", KESTROVA_VERSION);
        return 0;
    }
    SETDATADIRECTORY(INSTALLEDDATADIRECTORY(platform::programDirectory()));

    SHOWCASESTARTUP(options->loadingBox);
    if (options->tourSeconds)
        STARTTOUR(*options->tourSeconds, options->scene);
    else if (options->scene != 0)
        POSTGLMESSAGE(HWINDOW, WM_COMMAND, options->scene, 0);  // as the menu item would
    do {
        SHOWCASEPASS();
        TOURPASS();
    } while (ACTIVE);
    SHOWCASESHUTDOWN();
    return 0;
}
