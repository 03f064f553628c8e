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
