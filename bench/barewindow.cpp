// SPDX-License-Identifier: MIT
// The baseline of the benchmarks: a bare Qt Widgets window of the main screen's size, built with the same
// Qt and flags as the game, that draws a line of Japanese in each of the game's three font families (the
// same Gothic, P Gothic and Mincho, through the game's own substitutes), so the font files it maps are the
// game's too.
//   pokuraku_barewindow              shows the window "bare window" until it is ended
//   pokuraku_barewindow --visits N   opens and destroys a window N times, printing the resident memory
//                                    before and after (the baseline of the game's 1 000 screen visits)
#include "bench/rss.h"
#include "frontends/qt/fonts.h"
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void visit() {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("bare visit"));
    window->resize(499, 269);
    window->show();
    QApplication::processEvents();
    window->close();
    window.reset();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    frontend::registerFontSubstitutes();
    if (argc == 3 && std::strcmp(argv[1], "--visits") == 0) {
        const int visits = std::atoi(argv[2]);
        visit(); // first-use allocations are not growth
        const long before = selfStatusKib("VmRSS:");
        for (int i = 0; i < visits; ++i)
            visit();
        const long after = selfStatusKib("VmRSS:");
        std::printf("visits %d\nrss_before_kib %ld\nrss_after_kib %ld\n", visits, before, after);
        return 0;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.resize(409, 327);
    auto* lines = new QVBoxLayout(&window);
    for (const char* family : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝"}) {
        auto* label = new QLabel(QStringLiteral("ローマ字で書こう"), &window);
        label->setFont(frontend::makeFont({family, 12, false}));
        lines->addWidget(label);
    }
    window.show();
    return QApplication::exec();
}
