// SPDX-License-Identifier: MIT
#include "frontends/qt/fileexport.h"
#include "frontends/qt/fonts.h"
#include "frontends/qt/icon.h"
#include "frontends/qt/messagebox.h"
#include "frontends/qt/platform.h"
#include "frontends/qt/recordfile.h"
#include "frontends/qt/recordstore.h"
#include "frontends/qt/sdlaudio.h"
#include "frontends/qt/settings.h"
#include "frontends/qt/window.h"
#include "frontends/qt/wordlinkdialog.h"
#include "frontends/qt/zoom.h"
#include "game/program.h"
#include "screens/datafile_message.h"
#include "screens/main/word_list.h"
#include "services/data/datafileerror.h"
#include "services/data/datafolder.h"
#include "services/sound/player.h"
#include "services/sound/warning.h"
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace {

// The word list the game plays with, handed on to a class in a browser: read as the game reads it, so a list
// with a mistake is named with its line instead of handed on.
void handOnWordList(const std::vector<std::string>& folders, toolkit::Settings& settings,
                    toolkit::MessageBox& messageBox) {
    try {
        const std::string path = findDataFile("romaji.txt", folders);
        const int words = static_cast<int>(mainscreen::readWordList(path).words.size());
        std::ifstream in(path, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        auto* dialog = new frontend::WordLinkDialog({path, std::move(bytes), words}, &settings);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    } catch (const DataFileError& error) {
        messageBox.show(dataFileMessage(error).playerText(), "ことば", toolkit::MessageIcon::stop, [] {});
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<std::string> platform = frontend::platformFor(
            std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY")))
        setenv("QT_QPA_PLATFORM", platform->c_str(), 1);
    QApplication app(argc, argv);
    // A hidden screen that is still loaded keeps the game running; the program object says when to stop.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(frontend::programIcon());
    frontend::registerFontSubstitutes();
    frontend::QtSettings settings;
    const frontend::ZoomChoice zoom = frontend::zoomForThisRun(QCoreApplication::arguments(), settings);

    // Each data file and each cue is looked up in the player's own folder, then the working folder, then the
    // installed data (found from the program's own folder).
    const std::vector<std::string> dataFolders =
        dataSearchFolders(QCoreApplication::applicationDirPath().toStdString());
    Random random;
    // The sound thread's warnings join the program's other messages.
    sound::setWarningSink([](const std::string& line) { qWarning("%s", line.c_str()); });
    sound::Player sound({dataFolders.begin(), dataFolders.end()}, frontend::makeSdlAudio());
    frontend::QtMessageBox messageBox;
    frontend::QtErrorReporter errors;
    frontend::QtDisplay display(zoom, &settings);
    display.addToMainMenus = [&](toolkit::MenuItem& bar) {
        toolkit::MenuItem* menu = bar.add("ことば");
        menu->setObjectName("wordList");
        toolkit::MenuItem* link = menu->add("リンクとQRコード…");
        link->setObjectName("wordLink");
        link->triggered.connect([&] { handOnWordList(dataFolders, settings, messageBox); });
    };
    // The learning record stays on this computer, in the player's data folder. It outlives the program
    // object, so the rows the game keeps as it ends are written before the process leaves. There is no
    // Japanese voice on the desktop: the game speaks no word here.
    frontend::SqliteRecordStore record(frontend::recordFilePath());
    frontend::QtFileExport fileExport;
    Services services{random, sound, messageBox, dataFolders, &settings};
    services.recordStore = &record;
    services.fileExport = &fileExport;
    Program program(services, errors, display);
    program.onLastScreenClosed = [] { QCoreApplication::exit(0); };
    program.start();
    if (program.loadedScreens() == 0) return 0;
    return QApplication::exec();
}
