// The menu rows of the scenes not built yet: no functions, so choosing one shows
// the start screen. A scene's row moves into its source when that is written.
#include "showcase/HelpTexts.h"
#include "showcase/SceneRegistry.h"

namespace {

const SceneRegistration rows[] = {
    SceneRegistration({208, "&CorpiRigidi", "Click Boom",
                       SCENEHELP({"Cliccare col pulsante sinistro tenendo il cursore",
                                  "sugli oggetti, per creare un esplosione.", "La forza varia in base alla pressione."},
                                 {})}),
    SceneRegistration({209, "&CorpiRigidi", "Esplosione",
                       SCENEHELP({"Esempio di esplosione"}, {"(1-4) Tipo esplosione", "(A) Spara sfera"})}),
    SceneRegistration({210, "&CorpiRigidi", "Esplosioni",
                       SCENEHELP({"Esempio di esplosioni multiple."},
                                 {"(1) Esplosione multipla", "(2-4) Selezione esplosione", "(A) Spara sfera"})}),
    SceneRegistration({211, "&CorpiRigidi", "Distruzione",
                       SCENEHELP({"Esempio di eliminzione di oggetti"}, {"(1-9) Selezione elemento"})}),
    SceneRegistration(
        {300, "&CorpiComposti", "Razzi",
         SCENEHELP({"Esempio che mostra dei modelli di razzi", "composti da più parti unite."}, {"(A) Spara sfera"})}),
    SceneRegistration(
        {301, "&CorpiComposti", "Bowling",
         SCENEHELP({"Esempio che mostra dei birilli formati", "da più parti unite."}, {"(A) Spara sfera"})}),
    SceneRegistration({302, "&CorpiComposti", "Alberi",
                       SCENEHELP({"Esempio che mostra tre modelli composti", "di alberi."}, {"(A) Spara sfera"})}),
    SceneRegistration(
        {303, "&CorpiComposti", "Esplosione",
         SCENEHELP({"Esempio di esplosione con alcuni", "modelli composti."}, {"(A) Spara sfera", "(Z) Esplosione"})}),
    SceneRegistration({400, "&Meccanismi", "Gru 1",
                       SCENEHELP({"Esempio di una gru mecchanica", "per carico merci."},
                                 {"(W/E) Movimento sbarra", "(Z/X) Movimento cavo con gancio"})}),
    SceneRegistration({401, "&Meccanismi", "Gru 2",
                       SCENEHELP({"Esempio di una gru mecchanica", "per demolizione."},
                                 {"(A) Spara sfera", "(W/E) ruota braccio", "(Z/X) Movimento cavo sfera"})}),
    SceneRegistration(
        {500, "&Fluidi", "Acqua e aria",
         SCENEHELP({"Esempio che mostra dei corpi immersi", "in due fluidi differenti come acqua ed", "aria."},
                   {"(A) Spara sfera"})}),
    SceneRegistration(
        {700, "&Giochi", "Paesaggio", FIRSTPERSONHELP(), nullptr, nullptr, nullptr, OnChoice::RESUME_WITH_HELP}),
    SceneRegistration(
        {701, "&Giochi", "Città Incas", FIRSTPERSONHELP(), nullptr, nullptr, nullptr, OnChoice::RESUME_WITH_HELP}),
    SceneRegistration(
        {702, "&Giochi", "Castello", FIRSTPERSONHELP(), nullptr, nullptr, nullptr, OnChoice::RESUME_WITH_HELP}),
};

}  // namespace
