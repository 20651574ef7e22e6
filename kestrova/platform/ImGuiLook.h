#pragma once
// The toolkit's Dear ImGui context, alike in both backends: no settings files,
// the menu's sans-serif face and the light colours.

namespace platform {
// Creates the ImGui context with that look; the caller starts its renderer.
void createImGuiContext();
// The program's ImGui windows drawn after the menu bar, or nullptr.
extern void (*panelDrawer)();
}  // namespace platform
