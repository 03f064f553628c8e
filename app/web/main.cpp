// SPDX-License-Identifier: MIT
// The game in a web page (the browser's entry point): the same program object as on the desktop, shown by the
// page. The page starts a game once its fonts are there, and a new one from its closing panel; a teacher's
// word list, from a file or a link, is checked by the game's own reader before the page keeps it.
#include "frontends/web/display.h"
#include "frontends/web/keeping.h"
#include "frontends/web/page.h"
#include "frontends/web/page_calls.h"
#include "frontends/web/services.h"
#include "game/program.h"
#include "screens/datafile_message.h"
#include "screens/main/word_list.h"
#include "services/data/datafileerror.h"
#include <emscripten/bind.h>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// The shipped data files are built into the program under this folder; a teacher's accepted word list is
// written to its own folder, searched first.
const std::string shippedFolder = "/data";
const std::string teacherFolder = "/teacher";

struct Game {
    Random random;
    web::PageSound sound{{shippedFolder}};
    web::PageMessageBox messageBox;
    web::PageSettings settings;
    web::WebDisplay display;
    web::PageRecordStore record;
    web::PageFileExport fileExport;
    web::PageSpeech speech;
    web::PageErrors errors{[this] { display.stopEverything(); }};
    std::unique_ptr<Program> program;
    bool teacherList = false;
};

Game& game() {
    static Game* const theGame = new Game;
    return *theGame;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A new game, from the opening on. The one before is gone by now: this runs from the page, never from one of
// the game's own events.
void startGame() {
    Game& g = game();
    g.program.reset();
    std::vector<std::string> folders{shippedFolder};
    if (g.teacherList) folders.insert(folders.begin(), teacherFolder);
    Services services{g.random, g.sound, g.messageBox, folders, &g.settings};
    services.recordStore = &g.record;
    services.fileExport = &g.fileExport;
    services.speech = &g.speech;
    g.program = std::make_unique<Program>(services, g.errors, g.display);
    g.program->onLastScreenClosed = [] { web::page::gameClosed(); };
    // The game follows what the system asks for (more contrast, less motion) wherever the player has not
    // chosen in 見え方.
    g.program->followSystemLook(web::systemLook());
    web::onSystemLookChanged([] {
        if (Program* program = game().program.get()) program->followSystemLook(web::systemLook());
    });
    g.program->start();
}

// The word list the next game plays with: a teacher's (its bytes) or, when empty, the shipped one.
void useWordList(std::string bytes) {
    Game& g = game();
    g.teacherList = !bytes.empty();
    if (g.teacherList) writeFile(teacherFolder + "/romaji.txt", bytes);
}

// Reads a teacher's word list as the game would: nothing when the game can play with it, else the refusal,
// its Japanese (text) and its detail, naming the file by the name the teacher gave it.
emscripten::val checkWordList(std::string fileName, std::string bytes) {
    std::string name = std::filesystem::path(fileName).filename().string();
    if (name.empty() || name == "." || name == "..") name = "romaji.txt";
    const std::string path = "/check/" + name;
    writeFile(path, bytes);
    emscripten::val refusal = emscripten::val::null();
    try {
        mainscreen::readWordList(path);
    } catch (const DataFileError& error) {
        // The same fault without the place the page keeps the file in.
        DataFileError named(error.file(), error.line(), error.reason());
        named.explainedAs(error.japaneseReason());
        const toolkit::RuntimeError message = dataFileMessage(named);
        refusal = emscripten::val::object();
        refusal.set("text", message.playerText());
        refusal.set("detail", message.detail());
    }
    std::filesystem::remove(path);
    return refusal;
}

// The number of words of a list the game plays with (none for a list it refuses): the page names it as it
// hands the list on and as a link brings it.
int countWords(std::string bytes) {
    const std::string path = "/check/romaji.txt";
    writeFile(path, bytes);
    std::size_t words = 0;
    try {
        words = mainscreen::readWordList(path).words.size();
    } catch (const DataFileError&) {
        words = 0;
    }
    std::filesystem::remove(path);
    return static_cast<int>(words);
}

} // namespace

EMSCRIPTEN_BINDINGS(game) {
    emscripten::function("startGame", &startGame);
    emscripten::function("useWordList", &useWordList);
    emscripten::function("checkWordList", &checkWordList);
    emscripten::function("countWords", &countWords);
}

int main() {
    web::WebDisplay& display = game().display;
    display.addToMainMenus = [](toolkit::MenuItem& bar) {
        toolkit::MenuItem* menu = bar.add("ことば");
        menu->setObjectName("wordList");
        toolkit::MenuItem* own = menu->add("先生のことばを読む…");
        own->setObjectName("teacherList");
        own->triggered.connect([] { web::page::pickWordList(); });
        toolkit::MenuItem* shipped = menu->add("もとのことばにもどす");
        shipped->setObjectName("shippedList");
        shipped->setEnabled(game().teacherList);
        shipped->triggered.connect([] { web::page::dropWordList(); });
        // The list in force handed on to a class: a link, and its QR code for a classroom's screen.
        toolkit::MenuItem* link = menu->add("リンクとQRコード");
        link->setObjectName("wordLink");
        link->setEnabled(game().teacherList);
        link->triggered.connect([] { web::page::showWordLink(); });
    };
    web::page::ready(web::pageNumbers());
    return 0;
}
