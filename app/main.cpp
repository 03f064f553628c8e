// SPDX-License-Identifier: MIT
#include "frontends/qt/fonts.h"
#include "frontends/qt/icon.h"
#include "frontends/qt/messagebox.h"
#include "frontends/qt/platform.h"
#include "frontends/qt/sdlaudio.h"
#include "frontends/qt/settings.h"
#include "frontends/qt/window.h"
#include "frontends/qt/zoom.h"
#include "game/program.h"
#include "services/data/datafolder.h"
#include "services/sound/player.h"
#include "services/sound/warning.h"
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

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
    Program program(Services{random, sound, messageBox, dataFolders, &settings}, errors, display);
    program.onLastScreenClosed = [] { QCoreApplication::exit(0); };
    program.start();
    if (program.loadedScreens() == 0) return 0;
    return QApplication::exec();
}
