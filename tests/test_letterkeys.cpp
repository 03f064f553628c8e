// SPDX-License-Identifier: MIT
// Which tile a key presses: the letter each key types (the long-vowel mark from every layout, no letter from
// blanks and control keys), the lowest-numbered visible tile, and upper and lower case.
#include "screens/main/letterkeys.h"
#include "support/stdstring.h"
#include <QtTest>

namespace {

// A board from its captions; a leading '-' marks a tile already pressed (hidden), "" an unused tile.
TileBoard boardOf(const QStringList& captions) {
    TileBoard board;
    for (int k = 0; k < captions.size(); ++k) {
        const bool pressed = captions[k].startsWith(u'-');
        board[k] = {(pressed ? captions[k].mid(1) : captions[k]).toStdString(),
                    !pressed && !captions[k].isEmpty()};
    }
    return board;
}

} // namespace

class LetterKeysTest : public QObject {
    Q_OBJECT
private slots:
    void letterOfKey_data();
    void letterOfKey();
    void tileForKey_data();
    void tileForKey();
};

void LetterKeysTest::letterOfKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("letter");
    QTest::newRow("letter") << int(Qt::Key_A) << "a"
                            << "a";
    QTest::newRow("shifted letter") << int(Qt::Key_A) << "A"
                                    << "A";
    QTest::newRow("US Shift+6") << int(Qt::Key_AsciiCircum) << "^"
                                << "^";
    QTest::newRow("caret key that types nothing") << int(Qt::Key_AsciiCircum) << ""
                                                  << "^";
    QTest::newRow("dead circumflex") << int(Qt::Key_Dead_Circumflex) << ""
                                     << "^";
    QTest::newRow("dead circumflex typing it") << int(Qt::Key_Dead_Circumflex) << "^"
                                               << "^";
    QTest::newRow("digit") << int(Qt::Key_1) << "1"
                           << "1";
    QTest::newRow("space") << int(Qt::Key_Space) << " "
                           << "";
    QTest::newRow("Return") << int(Qt::Key_Return) << "\r"
                            << "";
    QTest::newRow("Tab") << int(Qt::Key_Tab) << "\t"
                         << "";
    QTest::newRow("Escape") << int(Qt::Key_Escape) << "\x1b"
                            << "";
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << "\b"
                               << "";
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << ""
                                 << "";
    QTest::newRow("other dead key") << int(Qt::Key_Dead_Acute) << ""
                                    << "";
    QTest::newRow("two characters at once") << int(Qt::Key_unknown) << "ka"
                                            << "";
    QTest::newRow("ideographic space") << int(Qt::Key_unknown) << QStringLiteral("　") << "";
}

void LetterKeysTest::letterOfKey() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, letter);
    QCOMPARE(::letterOfKey(key, text.toStdString()), letter.toStdString());
}

void LetterKeysTest::tileForKey_data() {
    QTest::addColumn<QStringList>("tiles");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("tile"); // -1: none
    const QStringList sakana{"k", "a", "s", "a", "n", "a"};
    QTest::newRow("the tile that carries it") << sakana << "s" << 2;
    QTest::newRow("several: the lowest-numbered") << sakana << "a" << 1;
    QTest::newRow("pressed ones are skipped") << QStringList{"k", "-a", "s", "-a", "n", "a"} << "a" << 5;
    QTest::newRow("all of them pressed") << QStringList{"k", "-a", "s", "-a", "n", "-a"} << "a" << -1;
    QTest::newRow("no tile carries it") << sakana << "x" << -1;
    QTest::newRow("no letter") << sakana << "" << -1;
    QTest::newRow("unused tiles never match") << QStringList{"a", "", ""} << "" << -1;
    QTest::newRow("caret") << QStringList{"o", "r", "^", "i"} << "^" << 2;
    QTest::newRow("upper case presses upper case") << QStringList{"k", "K"} << "K" << 1;
    QTest::newRow("lower case presses lower case") << QStringList{"K", "k"} << "k" << 1;
    QTest::newRow("lower case presses an upper-case-only tile") << QStringList{"a", "T"} << "t" << 1;
    QTest::newRow("lower case: upper case once its own are gone") << QStringList{"K", "-k"} << "k" << 0;
    QTest::newRow("upper case never presses lower case") << QStringList{"a", "t"} << "T" << -1;
    QTest::newRow("blank tile: not by a letter") << QStringList{"a", " "} << "b" << -1;
    QStringList full;
    for (int k = 0; k < 24; ++k)
        full << (k == 23 ? "z" : "a");
    QTest::newRow("last of 24 tiles") << full << "z" << 23;
}

void LetterKeysTest::tileForKey() {
    QFETCH(QStringList, tiles);
    QFETCH(QString, letter);
    QFETCH(int, tile);
    const std::optional<int> found = ::tileForKey(letter.toStdString(), boardOf(tiles));
    QCOMPARE(found.value_or(-1), tile);
}

QTEST_MAIN(LetterKeysTest)
#include "test_letterkeys.moc"
