#include "showcase/ScenePause.h"

#include "kestrova/Input.h"
#include "showcase/Shell.h"

bool SCENEPAUSED = false;

namespace {
bool advancesThisFrame = true;
bool pauseKeyDown = false;
bool stepKeyDown = false;
}  // namespace

void PAUSEKEYS() {
    const bool toggle = KEYTAPPED(pauseKeyDown, SETGLKEY('P'));
    const bool step = KEYTAPPED(stepKeyDown, SETGLKEY('O'));
    // The start screen has no world to pause.
    if (toggle && SELECTDEMO != 0) SCENEPAUSED = !SCENEPAUSED;
    advancesThisFrame = !SCENEPAUSED || step;
}

bool SCENEADVANCES() { return advancesThisFrame; }

void RESUMESCENE() {
    SCENEPAUSED = false;
    advancesThisFrame = true;
}
