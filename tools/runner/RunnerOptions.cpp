#include "RunnerOptions.h"

#include "kestrova/WinTypes.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

bool parseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

// "FIRST-LAST" (frames counted from 1) or a single frame.
bool parseRange(const std::string& text, FrameRange& range) {
    const auto dash = text.find('-');
    if (dash == std::string::npos) {
        if (!parseInt(text, range.first)) return false;
        range.last = range.first;
        return true;
    }
    return parseInt(text.substr(0, dash), range.first) && parseInt(text.substr(dash + 1), range.last) &&
           range.first <= range.last;
}

bool splitAt(const std::string& text, std::string& what, FrameRange& range) {
    const auto at = text.rfind('@');
    if (at == std::string::npos) return false;
    what = text.substr(0, at);
    return parseRange(text.substr(at + 1), range);
}

// "X,Y" in client pixels.
bool parsePoint(const std::string& text, int& x, int& y) {
    const auto comma = text.find(',');
    return comma != std::string::npos && parseInt(text.substr(0, comma), x) && parseInt(text.substr(comma + 1), y);
}

// The button a press option names.
std::optional<MouseButton> mouseButtonOf(const std::string& flag) {
    if (flag == "--press-left") return MouseButton::Left;
    if (flag == "--press-middle") return MouseButton::Middle;
    if (flag == "--press-ctrl-left") return MouseButton::CtrlLeft;
    return std::nullopt;
}

// "WxH" within what an offscreen buffer holds comfortably.
bool parseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    return x != std::string::npos && parseInt(text.substr(0, x), width) && parseInt(text.substr(x + 1), height) &&
           width >= 16 && height >= 16 && width <= 4096 && height <= 4096;
}

}  // namespace

int virtualKeyFromName(const std::string& name) {
    if (name.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
        return 0;
    }
    int function = 0;
    if (name.size() <= 3 && name[0] == 'F' && parseInt(name.substr(1), function) && function >= 1 && function <= 12)
        return VK_F1 + function - 1;
    if (name == "UP") return VK_UP;
    if (name == "DOWN") return VK_DOWN;
    if (name == "LEFT") return VK_LEFT;
    if (name == "RIGHT") return VK_RIGHT;
    if (name == "SPACE") return VK_SPACE;
    if (name == "RSHIFT") return VK_RSHIFT;
    if (name == "ESCAPE") return VK_ESCAPE;
    return 0;
}

std::optional<RunnerOptions> parseRunnerOptions(const std::vector<std::string>& args, std::string& error) {
    RunnerOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--list-scenes") {
            options.listScenes = true;
            continue;
        }
        if (flag == "--stats") {
            options.stats = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "missing value after " + flag;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (flag == "--scene") {
            if (!parseInt(value, options.scene)) return error = "bad scene: " + value, std::nullopt;
        } else if (flag == "--frames") {
            if (!parseInt(value, options.frames) || options.frames < 1)
                return error = "bad frame count: " + value, std::nullopt;
        } else if (flag == "--hold") {
            KeyHold hold;
            std::string key;
            if (!splitAt(value, key, hold.frames) || (hold.virtualKey = virtualKeyFromName(key)) == 0)
                return error = "bad hold (KEY@FIRST-LAST): " + value, std::nullopt;
            options.holds.push_back(hold);
        } else if (const auto button = mouseButtonOf(flag)) {
            MousePress press;
            press.button = *button;
            std::string where;
            if (!splitAt(value, where, press.frames) || !parsePoint(where, press.x, press.y))
                return error = "bad press (X,Y@FIRST-LAST): " + value, std::nullopt;
            options.presses.push_back(press);
        } else if (flag == "--move") {
            MouseMove move;
            std::string where;
            FrameRange frame;
            if (!splitAt(value, where, frame) || frame.first != frame.last || !parsePoint(where, move.x, move.y))
                return error = "bad move (X,Y@FRAME): " + value, std::nullopt;
            move.frame = frame.first;
            options.moves.push_back(move);
        } else if (flag == "--seed") {
            unsigned long long seed = 0;
            const char* end = value.data() + value.size();
            const auto result = std::from_chars(value.data(), end, seed);
            if (result.ec != std::errc() || result.ptr != end || seed > UINT32_MAX)
                return error = "bad seed: " + value, std::nullopt;
            options.seed = static_cast<std::uint32_t>(seed);
        } else if (flag == "--size") {
            if (!parseSize(value, options.width, options.height))
                return error = "bad size (WxH, 16 to 4096 each): " + value, std::nullopt;
        } else if (flag == "--model") {
            options.model = value;
        } else if (flag == "--motion") {
            options.motion = value;
        } else if (flag == "--png") {
            options.png = value;
        } else if (flag == "--json") {
            options.json = value;
        } else {
            error = "unknown option " + flag;
            return std::nullopt;
        }
    }
    if (!options.motion.empty() && options.model.empty()) {
        error = "--motion needs --model";
        return std::nullopt;
    }
    return options;
}

std::optional<std::vector<RunnerOptions>> parseRunnerPlan(const std::vector<std::string>& args, std::string& error) {
    std::vector<RunnerOptions> runs;
    auto begin = args.begin();
    while (true) {
        const auto end = std::find(begin, args.end(), "--then");
        auto run = parseRunnerOptions(std::vector<std::string>(begin, end), error);
        if (!run) return std::nullopt;
        runs.push_back(*run);
        if (end == args.end()) break;
        begin = end + 1;
    }
    if (runs.size() > 1 && std::any_of(runs.begin(), runs.end(),
                                       [](const RunnerOptions& run) { return run.listScenes || !run.model.empty(); })) {
        error = "--then joins scene runs only, not --model or --list-scenes";
        return std::nullopt;
    }
    return runs;
}
