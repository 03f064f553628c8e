#include "screens/main/letterkeys.h"
#include <Qt>

namespace {

std::optional<int> firstTileWith(const QString& letter, const TileBoard& tiles) {
    for (int k = 0; k < static_cast<int>(tiles.size()); ++k)
        if (tiles[k].visible && tiles[k].letter == letter) return k;
    return std::nullopt;
}

} // namespace

QString letterOfKey(int key, const QString& text) {
    if (key == Qt::Key_AsciiCircum || key == Qt::Key_Dead_Circumflex) return QStringLiteral("^");
    if (text.size() != 1) return {};
    const QChar typed = text.front();
    if (!typed.isPrint() || typed.isSpace()) return {};
    return text;
}

std::optional<int> tileForKey(const QString& letter, const TileBoard& tiles) {
    if (letter.isEmpty()) return std::nullopt;
    if (const std::optional<int> same = firstTileWith(letter, tiles)) return same;
    const QString upper = letter.toUpper();
    if (letter.isLower() && upper != letter) return firstTileWith(upper, tiles);
    return std::nullopt;
}
