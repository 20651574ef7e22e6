// Runs the showcase offscreen: the real start-up, a scene chosen as the menu
// would, N passes of the main loop with keys and the left button held on given
// frames; writes the last frame as a PNG and the timings and checks as JSON.
// Runs joined by --then play one after the other after one start-up; between
// them LeakSanitizer, where built in, looks for leaked blocks, so that a leak is
// pinned on the scene that made it.
// With --list-scenes it prints each scene's code and the keys its help names;
// with --model it shows a model or motion as the model viewer does instead.
#include "FrameChecks.h"
#include "FrameTimes.h"
#include "ModelRun.h"
#include "RunnerOptions.h"
#include "SceneKeys.h"
#include "WorldDigest.h"

#include "KEVA_Physics/PhyRandom.h"
#include "KEVA_Physics/engine/EngineTiming.h"
#include "kestrova/Input.h"
#include "kestrova/MessageQueue.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/platform/OffscreenBackend.h"
#include "showcase/PlayerScenes.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"
#include "showcase/Shell.h"
#include "showcase/Startup.h"
#include "showcase/StatsPanel.h"
#include "showcase/VehicleState.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include <sys/resource.h>

namespace {

// Keys, mouse moves and buttons reach the window procedure directly, frame-exact.
void applyInput(const RunnerOptions& options, int frame) {
    std::vector<int> keys;
    for (const KeyHold& hold : options.holds) keys.push_back(hold.virtualKey);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (int key : keys) {
        const bool held = std::any_of(options.holds.begin(), options.holds.end(), [&](const KeyHold& h) {
            return h.virtualKey == key && h.frames.contains(frame);
        });
        const bool wasHeld = std::any_of(options.holds.begin(), options.holds.end(), [&](const KeyHold& h) {
            return h.virtualKey == key && h.frames.contains(frame - 1);
        });
        if (held && !wasHeld) GLWNDPROC(HWINDOW, WM_KEYDOWN, key, 0);
        if (!held && wasHeld) GLWNDPROC(HWINDOW, WM_KEYUP, key, 0);
    }
    for (const MouseMove& move : options.moves)
        if (frame == move.frame) {
            platform::movePointer(move.x, move.y);
            GLWNDPROC(HWINDOW, WM_MOUSEMOVE, 0, MAKELPARAM(move.x, move.y));
        }
    for (const MousePress& press : options.presses) {
        const std::int32_t where = MAKELPARAM(press.x, press.y);
        const bool middle = press.button == MouseButton::Middle;
        if (frame == press.frames.first) {
            GLWNDPROC(HWINDOW, WM_MOUSEMOVE, 0, where);
            GLWNDPROC(HWINDOW, middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN,
                      press.button == MouseButton::CtrlLeft ? MK_CONTROL : 0, where);
        }
        if (frame == press.frames.last + 1) GLWNDPROC(HWINDOW, middle ? WM_MBUTTONUP : WM_LBUTTONUP, 0, where);
    }
}

std::string absolute(const std::string& path) { return path.empty() ? path : std::filesystem::absolute(path).string(); }

// The selected scene's world (none on the start screen and in the vehicle scene).
const NewtonWorld* selectedWorld() {
    const SceneRow* scene = FINDSCENE(SELECTDEMO);
    return scene && scene->world ? *scene->world : nullptr;
}

// The car of the vehicle scene, so that tests of it need no pixels.
void writeVehicle(std::ofstream& out) {
    const auto flag = [](bool b) { return b ? "true" : "false"; };
    out << "  \"vehicle\": {\"position\": [" << BOX[1].X << ", " << BOX[1].Y << ", " << BOX[1].Z
        << "], \"heading\": " << HEADING << ", \"speed\": " << SPEED << ", \"turn_angle\": " << TURNANGLE
        << ", \"ground_contact\": " << flag(COLTER) << ", \"obstacle_contacts\": [" << flag(COL1) << ", " << flag(COL2)
        << ", " << flag(COL3) << ", " << flag(COL4) << "]},\n";
}

// The player of a first-person scene: where it stands and where it looks.
void writePlayer(std::ofstream& out) {
    const PHY_PLAYERGAME* players[] = {&PLAYERPLY1, &PLAYERPLY2, &PLAYERPLY3};
    const PHY_PLAYERGAME& player = *players[SELECTDEMO - 700];
    if (!player.NEWBODY) return;
    TGLBaseMatrix m{};
    NewtonBodyGetMatrix(player.NEWBODY, m.data());
    out << "  \"player\": {\"position\": [" << m[12] << ", " << m[13] << ", " << m[14] << "], \"rotation\": ["
        << player.ROTATION.X << ", " << player.ROTATION.Y << ", " << player.ROTATION.Z << "]},\n";
}

long peakMemoryKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One line per scene that is built (has a viewer): its code, then the keys its help text names.
void listScenes() {
    for (const SceneRow& scene : SCENEROWS()) {
        if (!scene.view) continue;
        std::printf("%d", scene.code);
        for (const std::string& key : keysNamedInHelp(scene.help)) std::printf(" %s", key.c_str());
        std::printf("\n");
    }
}

// One run after start-up: its scene chosen as the menu would, its frames played, its PNG and JSON
// written. False, with nothing written, when blocks leaked.
bool play(RunnerOptions options, double startupMs) {
    if (options.seed) FIXRANDOMSEED(*options.seed);
    // Resized as its user would; the size message is handled before the first frame.
    if (options.width > 0 && platform::resizeOffscreenWindow(options.width, options.height)) SETGLMSG();
    if (options.stats) SHOWSTATS(true);
    if (options.scene != 0) POSTGLMESSAGE(HWINDOW, WM_COMMAND, options.scene, 0);

    std::vector<double> frameMs;
    std::vector<double> physicsMs;
    FrameChecks checks(options.frames);
    int framesRun = 0;
    for (int frame = 1; frame <= options.frames && ACTIVE; ++frame) {
        applyInput(options, frame);
        const auto begin = RunClock::now();
        const double physicsBefore = NewtonGetUpdateMilliseconds();
        SHOWCASEPASS();
        frameMs.push_back(millisecondsSince(begin));
        physicsMs.push_back(NewtonGetUpdateMilliseconds() - physicsBefore);
        checks.afterFrame(frame);
        framesRun = frame;
    }
    if (heapHasLeaks()) {
        std::fprintf(stderr, "kestrova-run: blocks leaked in scene %d\n", SELECTDEMO);
        return false;
    }

    if (!options.png.empty() && !platform::writeFramePng(options.png.c_str()))
        std::fprintf(stderr, "kestrova-run: cannot write %s\n", options.png.c_str());
    if (!options.json.empty()) {
        std::ofstream out(options.json);
        out << "{\n  \"scene\": " << SELECTDEMO << ",\n  \"frames\": " << framesRun
            << ",\n  \"startup_ms\": " << startupMs << ",\n";
        writeSummary(out, "frame_ms", summarise(frameMs));
        writeSummary(out, "physics_ms", summarise(physicsMs));
        out << "  \"bodies\": " << NewtonWorldGetBodyCount(selectedWorld()) << ",\n";
        out << "  \"paused\": " << (SCENEPAUSED ? "true" : "false") << ",\n";
        out << "  \"world_digest\": \"" << worldDigest(selectedWorld()) << "\",\n";
        checks.writeJson(out);
        if (SELECTDEMO == 808) writeVehicle(out);
        if (SELECTDEMO >= 700 && SELECTDEMO <= 702) writePlayer(out);
        out << "  \"peak_memory_kb\": " << peakMemoryKilobytes() << "\n}\n";
        if (!out) std::fprintf(stderr, "kestrova-run: cannot write %s\n", options.json.c_str());
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    auto runs = parseRunnerPlan(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!runs) {
        std::fprintf(stderr, "kestrova-run: %s\n", error.c_str());
        return 2;
    }
    const RunnerOptions& first = runs->front();
    if (first.listScenes) {
        listScenes();
        return 0;
    }
    if (!first.model.empty()) return runModel(first);
    for (RunnerOptions& run : *runs) {
        run.png = absolute(run.png);
        run.json = absolute(run.json);
    }
    // The program reads its data files from its working directory.
    std::error_code ignored;
    std::filesystem::current_path(KESTROVA_DATA_DIR, ignored);

    if (first.seed) FIXRANDOMSEED(*first.seed);
    const auto startupBegin = RunClock::now();
    SHOWCASESTARTUP();
    const double startupMs = millisecondsSince(startupBegin);
    for (const RunnerOptions& run : *runs)
        if (!play(run, startupMs)) return 1;
    return 0;
}
