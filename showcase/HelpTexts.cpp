#include "showcase/HelpTexts.h"

#include <initializer_list>

namespace {

std::string joinLines(std::initializer_list<const char*> lines) {
    std::string text;
    bool first = true;
    for (const char* line : lines) {
        if (!first) text += '\r';
        text += line;
        first = false;
    }
    return text;
}

// Description lines, an empty line, the standard commands, then the scene's own keys.
std::string sceneHelp(std::initializer_list<const char*> description, std::initializer_list<const char*> keys) {
    std::string text = joinLines(description);
    text += '\r';
    text += joinLines({"", "Comandi:", "", "(Mouse sin+movimento) rotazione", "(Mouse des+movimento) avanzamento",
                       "(R) Reset demo", "(D) Debug"});
    for (const char* key : keys) {
        text += '\r';
        text += key;
    }
    return text;
}

}  // namespace

const std::string HELPTXT[12] = {
    sceneHelp({"Dimostrazione di collisoni varie."}, {}),
    sceneHelp({"Esempio di giunti vari"}, {"(1) Crea palla minore", "(2) Crea palla maggiore"}),
    sceneHelp({"Simulazione di cappelli"}, {}),
    sceneHelp({"Semplice dimostrazione d impatto tra oggetti"}, {"(1-4) Forza applicata all oggetto"}),
    sceneHelp({"Esempio di proiettili sparati dal cursore", "del mouse."}, {"(1-8) Spara sfere di varie dimensioni"}),
    sceneHelp({"Sparare al riquadro di tasselli"},
              {"(1/3/5/7) Spara sfere di varie dimensioni", "a velocità alta",
               "(2/4/6/8) Spara sfere di varie dimensioni", "a velocità bassa"}),
    sceneHelp({"Esempio simile a quello del dimino con la", "differenza di pali invece che tasselli."},
              {"(1/3/5/7) Spara sfere di varie dimensioni", "a velocità alta",
               "(2/4/6/8) Spara sfere di varie dimensioni", "a velocità bassa"}),
    sceneHelp({"Esempio di una catena realistica."}, {"(1-4) Spara sfere di varie dimensioni e", "forze."}),
    sceneHelp({"Cliccare col pulsante sinistro tenendo il cursore", "sugli oggetti, per creare un esplosione.",
               "La forza varia in base alla pressione."},
              {}),
    sceneHelp({"Esempio di esplosione"}, {"(1-4) Tipo esplosione", "(A) Spara sfera"}),
    sceneHelp({"Esempio di esplosioni multiple."},
              {"(1) Esplosione multipla", "(2-4) Selezione esplosione", "(A) Spara sfera"}),
    sceneHelp({"Esempio di eliminzione di oggetti"}, {"(1-9) Selezione elemento"}),
};

const std::string HELPTXT1[4] = {
    sceneHelp({"Esempio che mostra dei modelli di razzi", "composti da più parti unite."}, {"(A) Spara sfera"}),
    sceneHelp({"Esempio che mostra dei birilli formati", "da più parti unite."}, {"(A) Spara sfera"}),
    sceneHelp({"Esempio che mostra tre modelli composti", "di alberi."}, {"(A) Spara sfera"}),
    sceneHelp({"Esempio di esplosione con alcuni", "modelli composti."}, {"(A) Spara sfera", "(Z) Esplosione"}),
};

const std::string HELPTXT2[2] = {
    sceneHelp({"Esempio di una gru mecchanica", "per carico merci."},
              {"(W/E) Movimento sbarra", "(Z/X) Movimento cavo con gancio"}),
    sceneHelp({"Esempio di una gru mecchanica", "per demolizione."},
              {"(A) Spara sfera", "(W/E) ruota braccio", "(Z/X) Movimento cavo sfera"}),
};

const std::string HELPTXT3[1] = {
    sceneHelp({"Esempio che mostra dei corpi immersi", "in due fluidi differenti come acqua ed", "aria."},
              {"(A) Spara sfera"}),
};

const std::string HELPTXT4[2] = {
    sceneHelp({"Esempio di pupazzi snodati che cadono."}, {"(A) Spara sfera"}),
    sceneHelp({"Esempio di pupazzi snodati appesi per", "le braccia."}, {"(A) Spara sfera"}),
};

const std::string HELPTXT5[1] = {
    joinLines({"Esempio di giocatore in prima persona.", "", "Comandi:", "", "(Mouse) Orientamento giocatore",
               "(Q) Esci dal singolo demo", "(R) Reset demo", "(D) Debug", "(A) Spara un proiettile",
               "(S) Spara una raffica di proiettili", "(UP) Avanti", "(DOWN) Indietro", "(LEFT) Muovi a sinistra",
               "(RIGT) Muovi a destra", "(SPACE) Salta"}),
};

const std::string* HELPTEXTFORSCENE(int scene) {
    if (scene >= 200 && scene <= 211) return &HELPTXT[scene - 200];
    if (scene >= 300 && scene <= 303) return &HELPTXT1[scene - 300];
    if (scene == 400 || scene == 401) return &HELPTXT2[scene - 400];
    if (scene == 500) return &HELPTXT3[0];
    if (scene == 600 || scene == 601) return &HELPTXT4[scene - 600];
    return nullptr;
}
