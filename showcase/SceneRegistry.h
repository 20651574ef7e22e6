#pragma once
// The scene registry: one row per scene, holding everything the shell knows of
// it. The menu bar, "Info demo", the rebuild on a menu choice, the check marks,
// the frame's viewer call and the start-up builds all read the rows.
//
// A scene's source registers its own row, below its initialiser and viewer:
//   const SceneRegistration row({205, "&CorpiRigidi", "Domino", SCENEHELP(...),
//                                INITDOMINO, VIEWDOMINO, &NEWWORLD5});
#include "KEVA_Physics/engine/NewtonImport.h"

#include <cstdint>
#include <string>
#include <vector>

// What choosing a scene in the menu does, and what "Info demo" shows for it.
enum class OnChoice {
    REBUILD,           // the initialiser runs again; "Info demo" shows the help text
    RESUME_WITH_HELP,  // the scene keeps its state: one frame, then the help text; "Info demo" shows nothing
    RESUME,            // the scene keeps its state; "Info demo" runs one frame instead of a text
};

struct SceneRow {
    std::int32_t code;                    // scene number = menu command id; rows are kept in this order
    const char* group;                    // the menu pop-up, "&" marks included
    const char* label;                    // the menu item
    std::string help;                     // the help box's text; empty: none
    void (*init)() = nullptr;             // builds or rebuilds the scene; nullptr: nothing to build
    void (*view)() = nullptr;             // one frame of the scene
    NewtonWorld* const* world = nullptr;  // the scene's world variable; nullptr: it has none
    OnChoice onChoice = OnChoice::REBUILD;
};

// Registers a row while the program starts; a code registered twice stops the program.
struct SceneRegistration {
    explicit SceneRegistration(SceneRow row);
};

// Every row, by code: menu order and start-up order alike.
const std::vector<SceneRow>& SCENEROWS();
const SceneRow* FINDSCENE(std::int32_t code);
// Runs every initialiser once, in code order.
void INITALLSCENES();
