// SPDX-License-Identifier: MIT
// The game's screens opened and left many times in one process, on the real display: after start-up and one
// visit of each (first-use allocations are not growth), N times the practice screen from the menu and back,
// and N times the opening screen from the menu until it has played out. Prints the resident memory before
// and after, and the loaded screens and top-level widgets left, which must be what they were.
//   pokuraku_visits N [practice|opening]   (in a folder that holds the game's data files; both by default)
#include "bench/rss.h"
#include "frontends/qt/fonts.h"
#include "frontends/qt/messagebox.h"
#include "frontends/qt/window.h"
#include "game/program.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace {

class ExitingErrors : public toolkit::ErrorReporter {
public:
    void fatal(const std::string&, const std::string& detail) override {
        std::fprintf(stderr, "pokuraku_visits: %s\n", detail.c_str());
        std::exit(1);
    }
};

void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void practiceVisit(Program& program) {
    program.mainScreen().onPracticeMenu();
    settle();
    program.practiceScreen().onQuitPracticeMenu();
    settle();
}

void openingVisit(Program& program) {
    program.mainScreen().onOpeningMenu();
    settle();
    // Its clock is driven directly: the animation's steps, without waiting two seconds each time.
    for (int tick = 0; tick < 100 && program.openingScreen().isLoaded(); ++tick)
        program.openingScreen().onAnimationTick();
    settle();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    frontend::registerFontSubstitutes();
    const int visits = argc > 1 ? std::atoi(argv[1]) : 1000;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    Random random;
    SilentSoundPlayer sound;
    frontend::QtMessageBox messageBox;
    ExitingErrors errors;
    frontend::QtDisplay display;
    Program program(Services{random, sound, messageBox, {QDir::currentPath().toStdString()}}, errors,
                    display);
    program.start();
    while (program.openingScreen().isLoaded())
        program.openingScreen().onAnimationTick();
    settle();
    practiceVisit(program);
    openingVisit(program);

    const int screensBefore = program.loadedScreens();
    const auto widgetsBefore = QApplication::topLevelWidgets().size();
    const long before = selfStatusKib("VmRSS:");
    for (int i = 0; i < visits; ++i) {
        if (only != QStringLiteral("opening")) practiceVisit(program);
        if (only != QStringLiteral("practice")) openingVisit(program);
    }
    const long after = selfStatusKib("VmRSS:");
    std::printf("visits %d\nrss_before_kib %ld\nrss_after_kib %ld\n", visits, before, after);
    std::printf("loaded_screens %d -> %d\ntop_level_widgets %lld -> %lld\n", screensBefore,
                program.loadedScreens(), static_cast<long long>(widgetsBefore),
                static_cast<long long>(QApplication::topLevelWidgets().size()));
    return 0;
}
