// SPDX-License-Identifier: MIT
#pragma once
// The game's texts are UTF-8 std::string and its colours plain numbers; checks compare them with Qt's
// strings and colours as the tests write them, and failed checks print the values themselves.
#include "services/sound/sound.h"
#include "toolkit/colour.h"
#include <QColor>
#include <QString>
#include <QtTest>
#include <string>

namespace QTest {
template <> inline char* toString(const std::string& text) {
    return QTest::toString(QString::fromStdString(text));
}
template <> inline char* toString(const toolkit::Colour& colour) {
    return qstrdup(QStringLiteral("rgb(%1, %2, %3)").arg(colour.r).arg(colour.g).arg(colour.b).toUtf8());
}
} // namespace QTest

namespace sound {
inline char* toString(Cue cue) {
    return qstrdup(name(cue));
}
} // namespace sound

inline bool operator==(const std::string& text, const QString& qtText) {
    return QString::fromStdString(text) == qtText;
}

namespace toolkit {
inline bool operator==(Colour colour, const QColor& qtColour) {
    return QColor(colour.r, colour.g, colour.b) == qtColour;
}
} // namespace toolkit
