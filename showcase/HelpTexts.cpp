#include "showcase/HelpTexts.h"

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

}  // namespace

std::string SCENEHELP(std::initializer_list<const char*> description, std::initializer_list<const char*> keys) {
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

std::string FIRSTPERSONHELP() {
    return joinLines({"Esempio di giocatore in prima persona.", "", "Comandi:", "", "(Mouse) Orientamento giocatore",
                      "(Q) Esci dal singolo demo", "(R) Reset demo", "(D) Debug", "(A) Spara un proiettile",
                      "(S) Spara una raffica di proiettili", "(UP) Avanti", "(DOWN) Indietro",
                      "(LEFT) Muovi a sinistra", "(RIGT) Muovi a destra", "(SPACE) Salta"});
}
