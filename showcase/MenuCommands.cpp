#include "showcase/MenuCommands.h"

#include "kestrova/Menu.h"
#include "kestrova/OGLWindow.h"
#include "showcase/ScenePause.h"
#include "showcase/SceneRegistry.h"
#include "showcase/Shell.h"

#include <cstdlib>
#include <cstring>

namespace {

void appendPopup(const char* label) {
    SUBMENU[1] = CreatePopupMenu();
    AppendMenuA(MENU[1], MF_POPUP, SUBMENU[1], label);
}

void appendItem(const char* label, std::int32_t id) {
    AppendMenuA(SUBMENU[1], MF_STRING, static_cast<std::uintptr_t>(id), label);
}

void showHelp(const std::string& text) { SHOWINFOBOX(text.c_str(), "Informazioni demo"); }

}  // namespace

void CHOOSESCENE(const SceneRow& scene, bool withHelp) {
    SELECTDEMO = scene.code;
    RESUMESCENE();
    switch (scene.onChoice) {
    case OnChoice::REBUILD:
        if (scene.init) scene.init();
        break;
    case OnChoice::RESUME_WITH_HELP:
        scene.view();
        if (withHelp) showHelp(scene.help);
        break;
    case OnChoice::RESUME:
        break;
    }
}

namespace {

void showSceneHelp() {
    const SceneRow* scene = FINDSCENE(SELECTDEMO);
    if (!scene) return;
    switch (scene->onChoice) {
    case OnChoice::REBUILD:
        if (!scene->help.empty()) showHelp(scene->help);
        break;
    case OnChoice::RESUME_WITH_HELP:
        break;
    case OnChoice::RESUME:
        if (scene->view) scene->view();
        break;
    }
}

}  // namespace

// "&File", one pop-up per group of scene rows in code order, then "&?".
void OPENGL_CREATEMENU() {
    if (HWINDOW == 0) return;
    MENU[1] = CreateMenu();
    appendPopup("&File");
    appendItem("Esci", CMD_EXIT);
    const char* group = nullptr;
    for (const SceneRow& scene : SCENEROWS()) {
        if (!group || std::strcmp(group, scene.group) != 0) appendPopup(scene.group);
        group = scene.group;
        appendItem(scene.label, scene.code);
    }
    appendPopup("&?");
    appendItem("Info demo", CMD_INFODEMO);
    appendItem("Informazini", CMD_INFORMATION);
    SetMenu(HWINDOW, MENU[1]);
}

void OPENGL_CREATEMENU2() {}

std::int32_t OPENGL_ADDCOMMAND(HWND, std::uint32_t, std::int32_t wparam, std::int32_t) {
    const std::int32_t id = wparam;
    if (id == CMD_EXIT) std::exit(0);
    if (id == CMD_INFODEMO) showSceneHelp();
    else if (const SceneRow* scene = FINDSCENE(id)) CHOOSESCENE(*scene);
    return 0;
}
