// SPDX-License-Identifier: MIT
// Saves a picture of the main window in the middle of a game: a few words answered, creatures on the
// track, one saved in its slot, and the next word half built with a long-vowel mark. With --record, a
// picture of きろく after a session of twenty words over three days, つ missed three times.
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

// Four games over three days, twenty words in all: the first three words with つ dealt are answered wrong
// first (つ swapped with the letter after it), and so is every third ねこ; the rest right at once.
void playRecordSession(Program& program, std::uint64_t& clock) {
    const std::uint64_t second = 1000000000u;
    int tsuMissed = 0, cats = 0;
    for (int game = 0; game < 4; ++game) {
        clock += (game == 2 ? 0 : 86400) * second;
        program.start();
        program.openingScreen().close();
        MainScreen& f = program.mainScreen();
        f.controls().chaseTimer->setEnabled(false);
        for (int word = 0; word < 5; ++word) {
            std::string answer = f.state().answer;
            const std::size_t tu = answer.find("tu");
            const bool cat = f.state().questionWord == "ねこ" && ++cats % 3 == 0;
            if ((tu != std::string::npos && tsuMissed < 3) || cat) {
                std::string wrong = answer;
                std::swap(wrong[cat ? 0 : tu + 1], wrong[cat ? 1 : tu + 2 < wrong.size() ? tu + 2 : tu]);
                tsuMissed += !cat;
                press(f, wrong);
                f.onOkClicked();
            }
            clock += (8 + 3 * word) * second;
            press(f, answer);
            f.onOkClicked();
        }
        program.quit();
    }
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
    const bool rows = argc == 3 && std::string(argv[1]) == "--record-rows";
    const bool record = (argc == 3 && std::string(argv[1]) == "--record") || rows;
    if (argc != 2 && !record) {
        std::fprintf(stderr, "usage: pokuraku-screenshot [--record] OUTPUT.png\n"
                             "       pokuraku-screenshot --record-rows OUTPUT.txt\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[argc - 1]);
    frontend::registerFontSubstitutes();
    QTemporaryDir dir;
    QFile bank(dir.filePath(QStringLiteral("romaji.txt")));
    if (!bank.open(QIODevice::WriteOnly)) return 1;
    // One word, asked again and again, so the picture is the same every time.
    bank.write(QByteArray::fromStdString(encodeCp932(
        record ? "tukue,つくえ\r\nkutu,くつ\r\nnatu,なつ\r\nneko,ねこ\r\ninu,いぬ\r\nsakana,さかな\r\n"
               : "hiko^ki,ひこうき\r\n")));
    bank.close();

    std::uint64_t clock = record ? std::uint64_t(1765000000) * 1000000000u : 20261208;
    Random random([&] { return ++clock; });
    SilentSoundPlayer sound;
    frontend::QtMessageBox box;
    PrintErrors errors;
    frontend::QtDisplay display;
    record::MemoryStore store;
    Program program(Services{random, sound, box, {dir.path().toStdString()}, nullptr, &store}, errors,
                    display);
    if (record) {
        playRecordSession(program, clock);
        if (rows) { // the same session as the record's rows, one a line, for a picture of the page
            QFile file(output);
            if (!file.open(QIODevice::WriteOnly)) return 1;
            for (const record::Row& row : store.rows)
                file.write(QByteArray::fromStdString(row + "\n"));
            program.onLastScreenClosed = nullptr;
            return 0;
        }
        program.showRecord();
        QTimer::singleShot(300, [&] {
            const bool saved = frontend::QtWindow::of(program.recordWindow().window())->grab().save(output);
            QCoreApplication::exit(saved ? 0 : 1);
        });
        const int status = QApplication::exec();
        program.onLastScreenClosed = nullptr;
        return status;
    }
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
        const bool saved = frontend::QtWindow::of(f.window())->grab().save(output);
        QCoreApplication::exit(saved ? 0 : 1);
    });
    const int status = QApplication::exec();
    program.onLastScreenClosed = nullptr;
    return status;
}
