#pragma once
// The practice screen's colours, fonts and cursor, each defined once for the definition and the chart.
#include <QColor>
#include <QString>

namespace practiceLook {

// The desktop's window colour and window-text colour, behind and on the chart, the prompt and the count.
inline const QColor windowColour = Qt::white;
inline const QColor windowText = Qt::black;
// The screen's own background, and the instruction, level and time labels that stand on it.
inline const QColor paper(255, 255, 255);
// The instruction, the level, the count and the time are written in red.
inline const QColor red(255, 0, 0);
// An answered kana is shown on this light red.
inline const QColor answeredMark(255, 0, 0);
// The chart: plain kana in the window-text colour, voiced kana in blue (the p-row in orange), contracted
// kana in olive.
inline const QColor voicedBlue(0, 0, 255);
inline const QColor halfVoicedOrange(255, 128, 0);
inline const QColor contractedOlive(192, 192, 0);
// The START and begin buttons.
inline const QColor startBack(255, 255, 192);
inline const QColor beginBack(255, 192, 128);

inline const QString gothic = QStringLiteral("ＭＳ ゴシック");
inline const QString pGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString tileCursor = QStringLiteral(":/cursors/tile.png");

} // namespace practiceLook
