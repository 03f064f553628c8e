// SPDX-License-Identifier: MIT
#include "frontends/qt/fonts.h"
#include <QFont>
#include <QStringList>
#include <cmath>

namespace frontend {

void registerFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                                QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP"),
                                QStringLiteral("Noto Sans CJK JP")});
}

QFont makeFont(const toolkit::Font& def, double zoom) {
    QFont font(QString::fromStdString(def.family));
    font.setPixelSize(static_cast<int>(std::lround(def.points * 96.0 / 72.0 * zoom)));
    font.setBold(def.bold);
    return font;
}

} // namespace frontend
