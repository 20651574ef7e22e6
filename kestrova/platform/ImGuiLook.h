#pragma once
// What the two backends share of Dear ImGui: a context with one look (no
// settings files, the menu's sans-serif face, the light colours) and the
// program's panels to draw in it.

namespace platform {
// Creates the ImGui context with that look; the caller starts its renderer.
void createImGuiContext();
// The program's ImGui windows drawn after the menu bar, or nullptr.
extern void (*panelDrawer)();
}  // namespace platform
