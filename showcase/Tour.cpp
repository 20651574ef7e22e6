#include "showcase/Tour.h"

#include "kestrova/Input.h"
#include "kestrova/OGLWindow.h"
#include "kestrova/OutlineText.h"
#include "kestrova/Platform.h"
#include "showcase/MenuCommands.h"
#include "showcase/SceneRegistry.h"
#include "showcase/Shell.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct TourState {
    bool running = false;
    std::vector<const SceneRow*> scenes;  // the built scenes in menu order
    std::size_t current = 0;
    std::uint32_t millisecondsEach = 0;
    std::uint32_t shownSince = 0;
    bool menuUsed = false;
    GLWNDPROCTYPE menuCommands = nullptr;  // the menu's own handler, still called
};

TourState tour;

// Any menu command during the tour (a scene, even the one on screen, or "Info demo").
std::int32_t commandDuringTour(HWND window, std::uint32_t message, std::int32_t wparam, std::int32_t lparam) {
    tour.menuUsed = true;
    return tour.menuCommands ? tour.menuCommands(window, message, wparam, lparam) : 0;
}

void show(std::size_t index) {
    tour.current = index;
    const SceneRow& scene = *tour.scenes[index];
    CHOOSESCENE(scene, false);
    tour.shownSince = platform::tickCount();
    std::printf("tour: %d %s\n", scene.code, scene.label);
    std::fflush(stdout);
}

// A menu command, a key or button held in the window, or the start screen (Q):
// the user has taken over.
bool userTookOver() {
    if (tour.menuUsed || SELECTDEMO != tour.scenes[tour.current]->code) return true;
    if (LEFTMOUSEDOWN || RIGHTMOUSEDOWN) return true;
    return std::any_of(std::begin(SETKEY), std::end(SETKEY), [](std::int32_t state) { return state != 0; });
}

}  // namespace

void STARTTOUR(double seconds, std::int32_t first) {
    tour = TourState{};
    for (const SceneRow& scene : SCENEROWS())
        if (scene.view) tour.scenes.push_back(&scene);
    if (tour.scenes.empty()) return;
    tour.running = true;
    tour.menuCommands = GETINPUTCOMMAND;
    GETINPUTCOMMAND = commandDuringTour;
    tour.millisecondsEach = static_cast<std::uint32_t>(std::lround(seconds * 1000));
    const auto start = std::find_if(tour.scenes.begin(), tour.scenes.end(),
                                    [&](const SceneRow* scene) { return scene->code == first; });
    show(start == tour.scenes.end() ? 0 : static_cast<std::size_t>(start - tour.scenes.begin()));
}

void TOURPASS() {
    if (!tour.running) return;
    if (userTookOver()) {
        tour.running = false;
        GETINPUTCOMMAND = tour.menuCommands;
        std::printf("tour: ended\n");
        std::fflush(stdout);
        return;
    }
    if (platform::tickCount() - tour.shownSince >= tour.millisecondsEach)
        show((tour.current + 1) % tour.scenes.size());
}

bool TOURRUNNING() { return tour.running; }

void DRAWTOURCAPTION() {
    if (!tour.running) return;
    // Under the logo, where the sky is in most scenes.
    PUTGLTEXT(-385, 150, -0.05f, WINDOWS1252TEXT(tour.scenes[tour.current]->label));
}
