#include "showcase/MenuCommands.h"

#include "kestrova/Menu.h"
#include "kestrova/OGLWindow.h"
#include "showcase/HelpTexts.h"
#include "showcase/Scenes.h"
#include "showcase/Shell.h"

#include <cstdlib>

namespace {

struct MenuEntry {
    const char* label;
    std::int32_t id;
};

struct MenuGroup {
    const char* label;
    std::initializer_list<MenuEntry> items;
};

const MenuGroup kMenuBar[] = {
    {"&File", {{"Esci", CMD_EXIT}}},
    {"&CorpiRigidi",
     {{"Attrito", 200},
      {"Giunti", 201},
      {"Capelli", 202},
      {"Impatto", 203},
      {"Proiettili", 204},
      {"Domino", 205},
      {"Paletti", 206},
      {"Catena", 207},
      {"Click Boom", 208},
      {"Esplosione", 209},
      {"Esplosioni", 210},
      {"Distruzione", 211}}},
    {"&CorpiComposti", {{"Razzi", 300}, {"Bowling", 301}, {"Alberi", 302}, {"Esplosione", 303}}},
    {"&Meccanismi", {{"Gru 1", 400}, {"Gru 2", 401}}},
    {"&Fluidi", {{"Acqua e aria", 500}}},
    {"&Personaggi", {{"Pupazzo", 600}, {"Pupazzi", 601}}},
    {"&Giochi", {{"Paesaggio", 700}, {"Città Incas", 701}, {"Castello", 702}}},
    {"&Extra", {{"Veicolo", CMD_VEHICLE}}},
    {"&?", {{"Info demo", CMD_INFODEMO}, {"Informazini", CMD_INFORMATION}}},
};

void showHelp(const std::string& text) { SHOWINFOBOX(text.c_str(), "Informazioni demo"); }

void showSceneHelp() {
    if (SELECTDEMO == CMD_VEHICLE) {
        // The vehicle has no help text: "Info demo" runs one frame of it.
        TESTVHEICLE();
        return;
    }
    if (const std::string* text = HELPTEXTFORSCENE(SELECTDEMO)) showHelp(*text);
}

bool isFirstPersonGame(std::int32_t id) { return id >= 700 && id <= 702; }

}  // namespace

void OPENGL_CREATEMENU() {
    if (HWINDOW == 0) return;
    MENU[1] = CreateMenu();
    for (const MenuGroup& group : kMenuBar) {
        SUBMENU[1] = CreatePopupMenu();
        AppendMenuA(MENU[1], MF_POPUP, SUBMENU[1], group.label);
        for (const MenuEntry& item : group.items)
            AppendMenuA(SUBMENU[1], MF_STRING, static_cast<std::uintptr_t>(item.id), item.label);
    }
    SetMenu(HWINDOW, MENU[1]);
}

void OPENGL_CREATEMENU2() {}

std::int32_t OPENGL_ADDCOMMAND(HWND, std::uint32_t, std::int32_t wparam, std::int32_t) {
    const std::int32_t id = wparam;
    if (id == CMD_EXIT) std::exit(0);
    if (id == CMD_INFODEMO) {
        showSceneHelp();
        return 0;
    }
    if (id == CMD_VEHICLE) {
        SELECTDEMO = id;
        return 0;
    }
    const SceneEntry* scene = FINDSCENE(id);
    if (!scene) return 0;
    SELECTDEMO = id;
    if (isFirstPersonGame(id)) {
        // The games keep their state; their help comes right after one frame.
        scene->view();
        showHelp(HELPTXT5[0]);
        return 0;
    }
    scene->init();
    return 0;
}
