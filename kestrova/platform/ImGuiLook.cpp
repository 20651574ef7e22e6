#include "kestrova/platform/ImGuiLook.h"

#include "kestrova/Platform.h"

#include <imgui.h>

#include <cstdio>

namespace platform {

void (*panelDrawer)() = nullptr;

namespace {
constexpr const char* kMenuFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}

void createImGuiContext() {
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    if (std::FILE* probe = std::fopen(kMenuFont, "rb")) {
        std::fclose(probe);
        io.Fonts->AddFontFromFileTTF(kMenuFont, 15.0f, nullptr, io.Fonts->GetGlyphRangesDefault());
    }
    ImGui::StyleColorsLight();
}

void setPanelDrawer(void (*drawPanels)()) { panelDrawer = drawPanels; }

}  // namespace platform
