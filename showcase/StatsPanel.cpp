#include "showcase/StatsPanel.h"

#include "KEVA_Physics/engine/EngineTiming.h"
#include "kestrova/Input.h"
#include "kestrova/Platform.h"
#include "kestrova/WinTypes.h"
#include "showcase/FrameStats.h"
#include "showcase/GravityLevels.h"
#include "showcase/SceneRegistry.h"
#include "showcase/Shell.h"

#include <GL/gl.h>
#include <imgui.h>

#include <algorithm>
#include <chrono>

namespace {

bool visible = false;
FrameStats frameStats;
double frameStartMs = 0;
double physicsAtStartMs = 0;
bool statsKeyDown = false;
constexpr int kPlottedFrames = 120;

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Pixels from the top of the window to just below the gravity caption, whose
// baseline the overlay puts 1.18 units above the centre of an orthographic
// view 4 units wide.
float belowGravityCaption(const ImVec2& display) {
    const float halfHeight = 2.0f * display.y / std::max(display.x, 1.0f);
    return (halfHeight - 1.18f) / (2 * halfHeight) * display.y + 10;
}

void plot(const char* id, const std::vector<float>& values, const char* caption) {
    const float highest = values.empty() ? 1 : std::max(*std::max_element(values.begin(), values.end()), 1.0f);
    ImGui::PlotLines(id, values.data(), static_cast<int>(values.size()), 0, caption, 0, highest * 1.1f,
                     ImVec2(180, 30));
}

void drawPanel() {
    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowPos(ImVec2(display.x - 8, belowGravityCaption(display)), ImGuiCond_Always, ImVec2(1, 0));
    ImGui::SetNextWindowBgAlpha(0.7f);
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoInputs |
                                   ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoSavedSettings |
                                   ImGuiWindowFlags_NoFocusOnAppearing | ImGuiWindowFlags_NoNav;
    if (ImGui::Begin("Statistiche", nullptr, flags)) {
        ImGui::SetWindowFontScale(0.85f);
        const SceneRow* scene = FINDSCENE(SELECTDEMO);
        const WorldCounts counts = COUNTWORLD(scene && scene->world ? *scene->world : nullptr);
        const int level = GRAVITYLEVEL(SETGRAVITY);
        ImGui::Text("Fotogrammi al secondo: %d", frameStats.framesPerSecond());
        ImGui::Text("Tempo del fotogramma: %.2f ms", frameStats.medianFrameMs());
        ImGui::Text("Tempo della fisica: %.2f ms", frameStats.medianPhysicsMs());
        ImGui::Text("Corpi: %d (attivi: %d)", counts.bodies, counts.awake);
        ImGui::Text("Giunti: %d", counts.joints);
        ImGui::Text("Gravità: %s", level >= 0 ? GRAVITYNAMES[level] : "");
        plot("##fotogramma", frameStats.frameHistory(kPlottedFrames), "fotogramma (ms)");
        plot("##fisica", frameStats.physicsHistory(kPlottedFrames), "fisica (ms)");
    }
    ImGui::End();
}

}  // namespace

WorldCounts COUNTWORLD(const NewtonWorld* world) {
    WorldCounts counts;
    if (!world) return counts;
    counts.bodies = NewtonWorldGetBodyCount(world);
    counts.joints = NewtonWorldGetConstraintCount(world);
    for (const NewtonBody* body = NewtonWorldGetFirstBody(world); body; body = NewtonWorldGetNextBody(world, body)) {
        dFloat mass = 0, ixx = 0, iyy = 0, izz = 0;
        NewtonBodyGetMassMatrix(body, &mass, &ixx, &iyy, &izz);
        if (mass > 0 && NewtonBodyGetSleepState(body) == 0) ++counts.awake;
    }
    return counts;
}

bool STATSVISIBLE() { return visible; }

void SHOWSTATS(bool show) {
    visible = show;
    platform::setPanelDrawer(show ? drawPanel : nullptr);
}

void BEGINFRAMESTATS() {
    if (!visible) return;
    frameStartMs = nowMs();
    physicsAtStartMs = NewtonGetUpdateMilliseconds();
}

void ENDFRAMESTATS() {
    if (!visible) return;
    glFinish();
    frameStats.add(frameStartMs, nowMs() - frameStartMs, NewtonGetUpdateMilliseconds() - physicsAtStartMs);
}

void STATSKEY() {
    if (KEYTAPPED(statsKeyDown, SETGLKEY(VK_F2))) SHOWSTATS(!visible);
}
