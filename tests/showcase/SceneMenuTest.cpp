// The scene rows as the user meets them: the menu bar, the "Info demo" texts,
// and what choosing a scene does, all as they were before the rows existed.
#include "support/OffscreenGL.h"

#include "kestrova/Menu.h"
#include "kestrova/OGLWindow.h"
#include "showcase/MenuCommands.h"
#include "showcase/RigidScenes.h"
#include "showcase/SceneRegistry.h"
#include "showcase/Shell.h"

#include <string>
#include <vector>

namespace {

struct Item {
    std::int32_t id;
    std::string label;
};
struct Popup {
    std::string label;
    std::vector<Item> items;
};

const std::vector<Popup> kMenuBar = {
    {"&File", {{100, "Esci"}}},
    {"&CorpiRigidi",
     {{200, "Attrito"},
      {201, "Giunti"},
      {202, "Capelli"},
      {203, "Impatto"},
      {204, "Proiettili"},
      {205, "Domino"},
      {206, "Paletti"},
      {207, "Catena"},
      {208, "Click Boom"},
      {209, "Esplosione"},
      {210, "Esplosioni"},
      {211, "Distruzione"}}},
    {"&CorpiComposti", {{300, "Razzi"}, {301, "Bowling"}, {302, "Alberi"}, {303, "Esplosione"}}},
    {"&Meccanismi", {{400, "Gru 1"}, {401, "Gru 2"}}},
    {"&Fluidi", {{500, "Acqua e aria"}}},
    {"&Personaggi", {{600, "Pupazzo"}, {601, "Pupazzi"}}},
    {"&Giochi", {{700, "Paesaggio"}, {701, "Città Incas"}, {702, "Castello"}}},
    {"&Extra", {{808, "Veicolo"}}},
    {"&?", {{900, "Info demo"}, {901, "Informazini"}}},
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "\r") + lines[i];
    return text;
}

// Description, an empty line, the commands of every scene, the scene's own keys.
std::string sceneHelp(std::vector<std::string> lines, const std::vector<std::string>& keys) {
    for (const char* line : {"", "Comandi:", "", "(Mouse sin+movimento) rotazione", "(Mouse des+movimento) avanzamento",
                             "(R) Reset demo", "(D) Debug"})
        lines.emplace_back(line);
    lines.insert(lines.end(), keys.begin(), keys.end());
    return joined(lines);
}

const std::vector<std::string> kSizedSpheres = {"(1/3/5/7) Spara sfere di varie dimensioni", "a velocità alta",
                                                "(2/4/6/8) Spara sfere di varie dimensioni", "a velocità bassa"};
const std::string kFirstPerson =
    joined({"Esempio di giocatore in prima persona.", "", "Comandi:", "", "(Mouse) Orientamento giocatore",
            "(Q) Esci dal singolo demo", "(R) Reset demo", "(D) Debug", "(A) Spara un proiettile",
            "(S) Spara una raffica di proiettili", "(UP) Avanti", "(DOWN) Indietro", "(LEFT) Muovi a sinistra",
            "(RIGT) Muovi a destra", "(SPACE) Salta"});

struct Help {
    std::int32_t code;
    std::string text;
};
const std::vector<Help> kHelp = {
    {200, sceneHelp({"Dimostrazione di collisoni varie."}, {})},
    {201, sceneHelp({"Esempio di giunti vari"}, {"(1) Crea palla minore", "(2) Crea palla maggiore"})},
    {202, sceneHelp({"Simulazione di cappelli"}, {})},
    {203, sceneHelp({"Semplice dimostrazione d impatto tra oggetti"}, {"(1-4) Forza applicata all oggetto"})},
    {204,
     sceneHelp({"Esempio di proiettili sparati dal cursore", "del mouse."}, {"(1-8) Spara sfere di varie dimensioni"})},
    {205, sceneHelp({"Sparare al riquadro di tasselli"}, kSizedSpheres)},
    {206, sceneHelp({"Esempio simile a quello del dimino con la", "differenza di pali invece che tasselli."},
                    kSizedSpheres)},
    {207, sceneHelp({"Esempio di una catena realistica."}, {"(1-4) Spara sfere di varie dimensioni e", "forze."})},
    {208, sceneHelp({"Cliccare col pulsante sinistro tenendo il cursore", "sugli oggetti, per creare un esplosione.",
                     "La forza varia in base alla pressione."},
                    {})},
    {209, sceneHelp({"Esempio di esplosione"}, {"(1-4) Tipo esplosione", "(A) Spara sfera"})},
    {210, sceneHelp({"Esempio di esplosioni multiple."},
                    {"(1) Esplosione multipla", "(2-4) Selezione esplosione", "(A) Spara sfera"})},
    {211, sceneHelp({"Esempio di eliminzione di oggetti"}, {"(1-9) Selezione elemento"})},
    {300, sceneHelp({"Esempio che mostra dei modelli di razzi", "composti da più parti unite."}, {"(A) Spara sfera"})},
    {301, sceneHelp({"Esempio che mostra dei birilli formati", "da più parti unite."}, {"(A) Spara sfera"})},
    {302, sceneHelp({"Esempio che mostra tre modelli composti", "di alberi."}, {"(A) Spara sfera"})},
    {303, sceneHelp({"Esempio di esplosione con alcuni", "modelli composti."}, {"(A) Spara sfera", "(Z) Esplosione"})},
    {400, sceneHelp({"Esempio di una gru mecchanica", "per carico merci."},
                    {"(W/E) Movimento sbarra", "(Z/X) Movimento cavo con gancio"})},
    {401, sceneHelp({"Esempio di una gru mecchanica", "per demolizione."},
                    {"(A) Spara sfera", "(W/E) ruota braccio", "(Z/X) Movimento cavo sfera"})},
    {500, sceneHelp({"Esempio che mostra dei corpi immersi", "in due fluidi differenti come acqua ed", "aria."},
                    {"(A) Spara sfera"})},
    {600, sceneHelp({"Esempio di pupazzi snodati che cadono."}, {"(A) Spara sfera"})},
    {601, sceneHelp({"Esempio di pupazzi snodati appesi per", "le braccia."}, {"(A) Spara sfera"})},
    {700, kFirstPerson},
    {701, kFirstPerson},
    {702, kFirstPerson},
    {808, ""},
};

class SceneMenu : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        window = HWINDOW;
        HWINDOW = 1;  // the menu is built for a window
    }
    void TearDown() override {
        HWINDOW = window;
        SELECTDEMO = 0;
    }
    // What "Info demo" shows: the offscreen backend prints each box as "[caption] text".
    static std::string infoDemo() {
        testing::internal::CaptureStderr();
        OPENGL_ADDCOMMAND(1, WM_COMMAND, CMD_INFODEMO, 0);
        return testing::internal::GetCapturedStderr();
    }
    HWND window = 0;
};

TEST_F(SceneMenu, BarShowsEveryGroupLabelAndIdAsBefore) {
    OPENGL_CREATEMENU();
    std::vector<Popup> shown;
    for (const MenuItem& popup : menuItems(attachedMenuBar())) {
        shown.push_back({popup.label, {}});
        for (const MenuItem& item : menuItems(popup.popup))
            shown.back().items.push_back({static_cast<std::int32_t>(item.id), item.label});
    }
    ASSERT_EQ(shown.size(), kMenuBar.size());
    for (std::size_t g = 0; g < kMenuBar.size(); ++g) {
        EXPECT_EQ(shown[g].label, kMenuBar[g].label);
        ASSERT_EQ(shown[g].items.size(), kMenuBar[g].items.size()) << kMenuBar[g].label;
        for (std::size_t i = 0; i < kMenuBar[g].items.size(); ++i) {
            EXPECT_EQ(shown[g].items[i].id, kMenuBar[g].items[i].id);
            EXPECT_EQ(shown[g].items[i].label, kMenuBar[g].items[i].label);
        }
    }
}

TEST_F(SceneMenu, EverySceneKeepsItsHelpTextAndInfoDemoShowsItWhereItDid) {
    ASSERT_EQ(SCENEROWS().size(), kHelp.size());
    for (const Help& expected : kHelp) {
        const SceneRow* row = FINDSCENE(expected.code);
        ASSERT_NE(row, nullptr) << expected.code;
        EXPECT_EQ(row->help, expected.text) << expected.code;
    }
    // "Info demo" shows the help of every scene up to 601; nothing on the start
    // screen, in the games (their help came when they were chosen) or the vehicle.
    for (const Help& expected : kHelp) {
        SELECTDEMO = expected.code;
        const std::string shown = expected.code < 700 ? "[Informazioni demo] " + expected.text + "\n" : "";
        EXPECT_EQ(infoDemo(), shown) << expected.code;
    }
    SELECTDEMO = 0;
    EXPECT_EQ(infoDemo(), "");
}

TEST_F(SceneMenu, ChoosingASceneRebuildsIt) {
    INITIMPACT();
    const NewtonWorld* before = NEWWORLD3;
    OPENGL_ADDCOMMAND(1, WM_COMMAND, 203, 0);
    EXPECT_EQ(SELECTDEMO, 203);
    EXPECT_NE(NEWWORLD3, before) << "a new world";
    EXPECT_EQ(FINDSCENE(203)->world, &NEWWORLD3);

}

TEST(SceneRegistryDeathTest, ACodeRegisteredTwiceStopsTheProgram) {
    EXPECT_DEATH(SceneRegistration({203, "&CorpiRigidi", "Impatto", ""}), "scene 203 is registered twice");
}

}  // namespace
