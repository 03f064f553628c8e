// SPDX-License-Identifier: MIT
// Saves a picture of the main window in the middle of a game: a few words answered, creatures on the
// track, one saved in its slot, and the next word half built with a long-vowel mark.
#include "frontends/qt/fonts.h"
#include "frontends/qt/messagebox.h"
#include "frontends/qt/window.h"
#include "game/program.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "services/data/cp932.h"
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

bool press(MainScreen& f, const std::string& letters) {
    for (char letter : letters) {
        bool pressed = false;
        for (std::int16_t k = 0; k < 24 && !pressed; ++k) {
            auto* tile = f.controls().tiles(k);
            if (!tile->isHidden() && tile->text() == std::string(1, letter)) {
                f.onTilePressed(k);
                pressed = true;
            }
        }
        if (!pressed) return false;
    }
    return true;
}

class PrintErrors : public toolkit::ErrorReporter {
public:
    void fatal(const std::string&, const std::string& detail) override {
        std::fprintf(stderr, "pokuraku-screenshot: %s\n", detail.c_str());
        std::exit(1);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pokuraku-screenshot OUTPUT.png\n");
        return 2;
    }
    frontend::registerFontSubstitutes();
    QTemporaryDir dir;
    QFile bank(dir.filePath(QStringLiteral("romaji.txt")));
    if (!bank.open(QIODevice::WriteOnly)) return 1;
    // One word, asked again and again, so the picture is the same every time.
    bank.write(QByteArray::fromStdString(encodeCp932("hiko^ki,ひこうき\r\n")));
    bank.close();

    std::uint64_t clock = 20261208;
    Random random([&] { return ++clock; });
    SilentSoundPlayer sound;
    frontend::QtMessageBox box;
    PrintErrors errors;
    frontend::QtDisplay display;
    Program program(Services{random, sound, box, {dir.path().toStdString()}}, errors, display);
    program.start();
    program.openingScreen().close();
    MainScreen& f = program.mainScreen();
    f.controls().chaseTimer->setEnabled(false); // the picture is posed by hand, tick by tick
    f.show();
    for (int i = 0; i < 8; ++i) { // eight right answers: 112 points, four creatures out
        press(f, f.state().answer);
        f.onOkClicked();
    }
    for (int i = 0; i < 24; ++i)
        f.onChaseTick();
    f.onCreatureClicked(0);
    for (int i = 0; i < 9; ++i)
        f.onCatchTick();
    for (int i = 0; i < 3; ++i)
        f.onChaseTick();
    press(f, "hiko^");

    QTimer::singleShot(300, [&] {
        const bool saved = frontend::QtWindow::of(f.window())->grab().save(QString::fromLocal8Bit(argv[1]));
        QCoreApplication::exit(saved ? 0 : 1);
    });
    const int status = QApplication::exec();
    program.onLastScreenClosed = nullptr;
    return status;
}
