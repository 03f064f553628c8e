// SPDX-License-Identifier: MIT
#include "frontends/qt/sdlaudio.h"
#include "game/program.h"
#include "services/data/datafolder.h"
#include "services/sound/player.h"
#include "services/sound/warning.h"
#include "toolkit/fonts.h"
#include "toolkit/icon.h"
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <filesystem>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A hidden screen that is still loaded keeps the game running; the program object says when to stop.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(toolkit::programIcon());
    registerFontSubstitutes();

    // Each data file and each cue is looked up in the player's own folder, then the working folder, then the
    // installed data (found from the program's own folder).
    const std::vector<std::string> dataFolders =
        dataSearchFolders(QCoreApplication::applicationDirPath().toStdString());
    Random random;
    // The sound thread's warnings join the program's other messages.
    sound::setWarningSink([](const std::string& line) { qWarning("%s", line.c_str()); });
    sound::Player sound({dataFolders.begin(), dataFolders.end()}, frontend::makeSdlAudio());
    toolkit::QtMessageBox messageBox;
    toolkit::QtErrorReporter errors;
    Program program(Services{random, sound, messageBox, dataFolders}, errors);
    program.onLastScreenClosed = [] { QCoreApplication::exit(0); };
    program.start();
    if (program.loadedScreens() == 0) return 0;
    return QApplication::exec();
}
