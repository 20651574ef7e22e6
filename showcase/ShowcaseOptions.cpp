#include "showcase/ShowcaseOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr double LONGEST_TOUR_SECONDS = 24 * 3600;

bool parseSceneCode(const std::string& text, const std::vector<SceneRow>& scenes, std::int32_t& code) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, code);
    return result.ec == std::errc() && result.ptr == end &&
           std::any_of(scenes.begin(), scenes.end(), [&](const SceneRow& s) { return s.code == code && s.view; });
}

bool parseSeconds(const std::string& text, double& seconds) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, seconds);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(seconds) && seconds > 0 &&
           seconds <= LONGEST_TOUR_SECONDS;
}

}  // namespace

std::optional<ShowcaseOptions> parseShowcaseOptions(const std::vector<std::string>& args,
                                                    const std::vector<SceneRow>& scenes, std::string& error) {
    ShowcaseOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        // "--name=value" and "--name value" alike.
        const std::string& arg = args[i];
        const auto equals = arg.find('=');
        const std::string flag = arg.substr(0, equals);
        std::optional<std::string> value;
        if (equals != std::string::npos) value = arg.substr(equals + 1);
        const bool nextIsValue = i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0;

        if (flag == "--help" || flag == "--version" || flag == "--no-info") {
            if (value) return error = flag + " takes no value", std::nullopt;
            if (flag == "--help") options.help = true;
            if (flag == "--version") options.version = true;
            if (flag == "--no-info") options.loadingBox = false;
        } else if (flag == "--scene") {
            if (!value && nextIsValue) value = args[++i];
            if (!value) return error = "--scene needs a scene code", std::nullopt;
            if (!parseSceneCode(*value, scenes, options.scene))
                return error = "--scene: no scene " + *value, std::nullopt;
        } else if (flag == "--tour") {
            // The seconds may be left out, so a following option is not taken for them.
            if (!value && nextIsValue) value = args[++i];
            double seconds = DEFAULT_TOUR_SECONDS;
            if (value && !parseSeconds(*value, seconds))
                return error = "--tour: bad number of seconds " + *value, std::nullopt;
            options.tourSeconds = seconds;
        } else {
            return error = "unknown option " + arg, std::nullopt;
        }
    }
    return options;
}

std::string showcaseUsage(const std::string& program, const std::vector<SceneRow>& scenes) {
    std::string text = "usage: " + program + " [--scene CODE] [--tour [SECONDS]] [--no-info] [--help] [--version]\n" +
                       "  --scene CODE      start in that scene, as choosing it in the menu does\n"
                       "  --tour [SECONDS]  show every scene in menu order, SECONDS each (10 if left out),\n"
                       "                    round and round, from --scene's scene if given; a key, a click\n"
                       "                    or a menu command ends the tour\n"
                       "  --no-info         leave out the box shown while loading\n"
                       "  --help            print this and exit\n"
                       "  --version         print the version and exit\n"
                       "scenes:\n";
    for (const SceneRow& scene : scenes)
        if (scene.view) text += "  " + std::to_string(scene.code) + "  " + scene.label + "\n";
    return text;
}
