#include "app/program.h"
#include "services/data/datafolder.h"
#include "services/sound/qtsound.h"
#include "toolkit/fonts.h"
#include "toolkit/icon.h"
#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A hidden screen that is still loaded keeps the game running; the program object says when to stop.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(toolkit::programIcon());
    registerFontSubstitutes();

    Random random;
    QtSoundPlayer sound(QDir::currentPath());
    toolkit::QtMessageBox messageBox;
    toolkit::QtErrorReporter errors;
    // Each data file is looked up in the player's own folder, then the working folder, then the installed
    // data.
    Program program(Services{random, sound, messageBox, dataSearchFolders()}, errors);
    program.onLastScreenClosed = [] { QCoreApplication::exit(0); };
    program.start();
    if (program.loadedScreens() == 0) return 0;
    return QApplication::exec();
}
