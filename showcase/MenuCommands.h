#pragma once
// The menu bar built from the scene rows, and the handler of its commands.
#include "kestrova/WinTypes.h"
#include "showcase/SceneRegistry.h"

#include <cstdint>

constexpr std::int32_t CMD_EXIT = 100;
constexpr std::int32_t CMD_INFODEMO = 900;
constexpr std::int32_t CMD_INFORMATION = 901;
constexpr std::int32_t CMD_VEHICLE = 808;

void OPENGL_CREATEMENU();
void OPENGL_CREATEMENU2();
std::int32_t OPENGL_ADDCOMMAND(HWND window, std::uint32_t amessage, std::int32_t wparam, std::int32_t lparam);
// What choosing a scene's menu item does; `withHelp` false leaves out the help
// box that some scenes show when chosen (the tour does not wait for it).
void CHOOSESCENE(const SceneRow& scene, bool withHelp = true);
