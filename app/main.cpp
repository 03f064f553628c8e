#include "app/program.h"
#include "services/sound/player.h"
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
    sound::Player sound(QStringList{QDir::currentPath()});
    toolkit::QtMessageBox messageBox;
    toolkit::QtErrorReporter errors;
    Program program(Services{random, sound, messageBox, QDir::currentPath()}, errors);
    program.onLastScreenClosed = [] { QCoreApplication::exit(0); };
    program.start();
    if (program.loadedScreens() == 0) return 0;
    return QApplication::exec();
}
