// SPDX-License-Identifier: MIT
// pokuraku-artgen <folder>: draws every picture, cursor and icon of the game into <folder>,
// laid out as in assets/. tools/make-art.sh runs it and turns the ".gif.png" files into GIF.

#include "canvas.h"
#include "emoji.h"
#include "pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: pokuraku-artgen <output folder>\n";
        return 2;
    }
    // Without the emoji font Qt would quietly draw blank boxes for the animals.
    for (const char* family : {artgen::emojiFamily, "Noto Sans CJK JP", "IPAPGothic", "DejaVu Sans"}) {
        if (!QFontDatabase::families().contains(family)) {
            err << "pokuraku-artgen: the font \"" << family << "\" is not installed\n";
            return 1;
        }
    }
    // Every picture at its defined size, and again at twice that size for screens scaled by two.
    bool ok = true;
    for (int scale : {1, 2}) {
        artgen::Output out(args.at(1), scale);
        artgen::drawCreatures(out);
        artgen::drawSigns(out);
        artgen::drawBalls(out);
        artgen::drawOpening(out);
        artgen::drawIcons(out);
        ok = ok && out.ok();
    }
    return ok ? 0 : 1;
}
