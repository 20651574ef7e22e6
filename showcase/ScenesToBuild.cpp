// The menu rows of the scenes not built yet: no functions, so choosing one shows
// the start screen. A scene's row moves into its source when that is written.
#include "showcase/HelpTexts.h"
#include "showcase/SceneRegistry.h"

namespace {

const SceneRegistration rows[] = {
    SceneRegistration(
        {600, "&Personaggi", "Pupazzo", SCENEHELP({"Esempio di pupazzi snodati che cadono."}, {"(A) Spara sfera"})}),
    SceneRegistration({601, "&Personaggi", "Pupazzi",
                       SCENEHELP({"Esempio di pupazzi snodati appesi per", "le braccia."}, {"(A) Spara sfera"})}),
};

}  // namespace
