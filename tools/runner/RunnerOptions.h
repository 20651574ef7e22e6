#pragma once
// Command line of the scene runner:
//   kestrova-run [--scene CODE] [--frames N] [--hold KEY@FIRST-LAST]...
//                [--press-left X,Y@FIRST-LAST]... [--press-middle X,Y@FIRST-LAST]...
//                [--press-ctrl-left X,Y@FIRST-LAST]... [--move X,Y@FRAME]...
//                [--seed N] [--size WxH] [--stats] [--png FILE] [--json FILE]
//   kestrova-run --model FILE [--motion FILE.bvh] [--frames N] [--png FILE] [--json FILE]
//   kestrova-run --list-scenes
// Several scene runs share one start-up when separated by --then: each run
// chooses its scene (none: it stays where the run before left off, the start
// screen at first), plays its frames, counted from 1, and writes its own PNG
// and JSON.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FrameRange {
    int first = 0;
    int last = 0;
    bool contains(int frame) const { return frame >= first && frame <= last; }
};

struct KeyHold {
    int virtualKey = 0;
    FrameRange frames;
};

// A mouse button held on the given frames: the left one, the middle one, or
// the left one pressed with Ctrl.
enum class MouseButton { Left, Middle, CtrlLeft };

struct MousePress {
    MouseButton button = MouseButton::Left;
    int x = 0, y = 0;
    FrameRange frames;
};

// The mouse moves to (x, y) before the given frame, without a button held
// (a first-person view reads it there once, then parks it at the centre).
struct MouseMove {
    int x = 0, y = 0;
    int frame = 0;
};

struct RunnerOptions {
    int scene = 0;  // 0: stay on the start screen
    int frames = 60;
    std::vector<KeyHold> holds;
    std::vector<MousePress> presses;
    std::vector<MouseMove> moves;
    std::optional<std::uint32_t> seed;  // fixed seed of every scene build; none: the clock
    int width = 0, height = 0;          // the window resized to this before the first frame; 0: as made
    bool listScenes = false;
    bool stats = false;  // the statistics panel from the first frame, as F2 shows it
    std::string model;   // a model or motion shown as the model viewer shows it, instead of a scene
    std::string motion;  // the BVH motion that moves the model's bones
    std::string png;
    std::string json;
};

// A key name: a letter, a digit, F1 to F12, or UP, DOWN, LEFT, RIGHT, SPACE, RSHIFT, ESCAPE. 0 if unknown.
int virtualKeyFromName(const std::string& name);
// Parses the arguments of one run; on error returns nothing and fills `error`.
std::optional<RunnerOptions> parseRunnerOptions(const std::vector<std::string>& args, std::string& error);
// Parses the arguments as runs separated by --then; --model and --list-scenes stand alone.
std::optional<std::vector<RunnerOptions>> parseRunnerPlan(const std::vector<std::string>& args, std::string& error);
