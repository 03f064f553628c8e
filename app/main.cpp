#include "app/program.h"
#include "frontends/qt/sdlaudio.h"
#include "services/data/datafolder.h"
#include "services/sound/player.h"
#include "services/sound/warning.h"
#include "toolkit/fonts.h"
#include "toolkit/icon.h"
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <filesystem>
#include <vector>

namespace {

// The sound service takes its folders as the file system spells them.
std::vector<std::filesystem::path> nativePaths(const QStringList& folders) {
    std::vector<std::filesystem::path> paths;
    for (const QString& folder : folders)
        paths.emplace_back(QFile::encodeName(folder).toStdString());
    return paths;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A hidden screen that is still loaded keeps the game running; the program object says when to stop.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(toolkit::programIcon());
    registerFontSubstitutes();

    // Each data file and each cue is looked up in the player's own folder, then the working folder, then the
    // installed data.
    const QStringList dataFolders = dataSearchFolders();
    Random random;
    // The sound thread's warnings join the program's other messages.
    sound::setWarningSink([](const std::string& line) { qWarning("%s", line.c_str()); });
    sound::Player sound(nativePaths(dataFolders), frontend::makeSdlAudio());
    toolkit::QtMessageBox messageBox;
    toolkit::QtErrorReporter errors;
    Program program(Services{random, sound, messageBox, dataFolders}, errors);
    program.onLastScreenClosed = [] { QCoreApplication::exit(0); };
    program.start();
    if (program.loadedScreens() == 0) return 0;
    return QApplication::exec();
}
