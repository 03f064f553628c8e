// SPDX-License-Identifier: MIT
// Question order without repeats, dealing letters onto the tiles, and the three answer lines filled by
// presses on the tiles.
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include "support/stdstring.h"
#include "support/views.h"
#include <QtTest>
#include <algorithm>

class QuestionsTest : public QObject {
    Q_OBJECT
private slots:
    void questionOrder();
    void smallBanks();
    void dealing();
    void answerLines();
    void lastPressShowsOkWithFocus();
};

namespace {

QString bankOf(int n) {
    QString bank;
    for (int i = 0; i < n; ++i)
        bank += QStringLiteral("w%1,ことば%1\r\n").arg(i);
    return bank;
}

int usedCount(const MainScreen& f) {
    return static_cast<int>(std::count(f.state().usedFlags.begin(), f.state().usedFlags.end(), 1));
}

// What a correct answer does to the cycle before the next question is drawn.
void nextQuestion(MainScreen& f) {
    ++f.stateForTests().solvedCount;
    f.pickQuestion();
}

} // namespace

void QuestionsTest::questionOrder() {
    for (int run = 0; run < 20; ++run) {
        GameFixture game(bankOf(5));
        game.clock = 1000 + run;
        game.start();
        MainScreen& f = game.program->mainScreen();
        QStringList cycle{QString::fromStdString(f.state().answer)};
        QList<int> resets;
        for (int draw = 2; draw <= 17; ++draw) {
            nextQuestion(f);
            if (usedCount(f) == 1) {
                resets << draw;
                cycle.clear();
            }
            QVERIFY2(!cycle.contains(QString::fromStdString(f.state().answer)),
                     "a word came twice within one cycle");
            cycle << QString::fromStdString(f.state().answer);
        }
        QCOMPARE(resets, (QList<int>{5, 9, 13, 17}));
    }
}

void QuestionsTest::smallBanks() {
    {
        GameFixture game(bankOf(1));
        game.start();
        MainScreen& f = game.program->mainScreen();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(f.state().answer, QStringLiteral("w0"));
            nextQuestion(f);
            QCOMPARE(f.state().solvedCount, 0);
        }
    }
    {
        // With two words every draw after the first resets the cycle: the same word may come again.
        GameFixture game(bankOf(2));
        game.start();
        MainScreen& f = game.program->mainScreen();
        QSet<QString> seen;
        bool repeated = false;
        std::string last = f.state().answer;
        for (int i = 0; i < 60; ++i) {
            game.clock += 7;
            nextQuestion(f);
            QCOMPARE(f.state().solvedCount, 0);
            QCOMPARE(usedCount(f), 1);
            repeated |= f.state().answer == last;
            last = f.state().answer;
            seen << QString::fromStdString(f.state().answer);
        }
        QCOMPARE(seen.size(), 2);
        QVERIFY(repeated);
    }
    {
        // A full bank: the reset clears all 401 flags, so entry 400 comes back too.
        GameFixture game(bankOf(401));
        game.start();
        MainScreen& f = game.program->mainScreen();
        for (int draw = 2; draw <= 401; ++draw)
            nextQuestion(f);
        QCOMPARE(usedCount(f), 1); // draw 401 reset the cycle
        QSet<QString> seen{QString::fromStdString(f.state().answer)};
        for (int draw = 402; draw <= 801; ++draw) {
            nextQuestion(f);
            seen << QString::fromStdString(f.state().answer);
        }
        QVERIFY(seen.contains(QStringLiteral("w400")));
    }
}

void QuestionsTest::dealing() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    int faults = 0;
    const auto deal = [&](const QString& answer) -> QString {
        f.stateForTests().answer = answer.toStdString();
        f.stateForTests().placedCount = 0;
        f.dealTiles();
        QString dealt;
        for (std::int16_t k = 0; k < 24; ++k) {
            if (c.tiles(k)->isHidden() != (k >= answer.size())) ++faults;
            if (k < answer.size()) dealt += QString::fromStdString(c.tiles(k)->text());
        }
        QString a = answer, d = dealt;
        std::sort(a.begin(), a.end());
        std::sort(d.begin(), d.end());
        if (d != a) ++faults; // every letter on exactly one tile
        return dealt;
    };
    deal(QStringLiteral("abcdefghijklmnopqrstuvwx"));
    deal(QStringLiteral("a"));
    deal(QString());
    QSet<QString> orders;
    for (int i = 0; i < 30; ++i)
        orders << deal(QStringLiteral("kakko^ii")); // frozen clock, yet orders vary
    QVERIFY(orders.size() > 10);
    QCOMPARE(faults, 0);
    // A character outside the Basic Multilingual Plane lies whole on one tile and counts as one letter.
    f.stateForTests().answer = "a😀";
    f.dealTiles();
    QCOMPARE(f.state().answerLength, 2);
    QVERIFY(c.tiles(0)->text() == "😀" || c.tiles(1)->text() == "😀");
    QVERIFY(c.tiles(2)->isHidden());
    // An answer longer than the board (the word list lets none in) never deals past the last tile.
    f.stateForTests().answer = std::string(30, 'a');
    f.dealTiles();
    QCOMPARE(f.state().answerLength, 24);
    deal(QStringLiteral("aAiIuUeEoOx^"));
    for (std::int16_t k = 0; k < 12; ++k) {
        const QString letter = QString::fromStdString(c.tiles(k)->text());
        const bool lowerVowel = QStringLiteral("aiueo").contains(letter);
        QCOMPARE(c.tiles(k)->foreColor(), lowerVowel ? QColor(0, 0, 255) : QColor(0, 0, 0));
    }
}

void QuestionsTest::answerLines() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.stateForTests().answer = "ro^maji";
    f.dealTiles();
    QVERIFY(pressLetters(f, QString::fromStdString(f.state().answer)));
    QCOMPARE(c.answerLabel->text(), QStringLiteral("ro^maji"));
    QCOMPARE(c.markedLineLabel->text(), QStringLiteral("r＾maji"));
    QCOMPARE(c.plainLineLabel->text(), QStringLiteral("romaji"));
    // A caret pressed first leaves a single full-width caret in the marked line.
    f.stateForTests().placedCount = 0;
    f.stateForTests().answer = "^a";
    f.dealTiles();
    QVERIFY(pressLetters(f, QStringLiteral("^")));
    QCOMPARE(c.markedLineLabel->text(), QStringLiteral("＾"));
    QCOMPARE(c.plainLineLabel->text(), QString());
    // A blank tile adds nothing to the lines but still counts as a press.
    f.stateForTests().placedCount = 0;
    f.stateForTests().answer = "a b";
    f.dealTiles();
    QVERIFY(pressLetters(f, QStringLiteral(" ")));
    QCOMPARE(f.state().placedCount, 1);
    QCOMPARE(c.answerLabel->text(), QString());
}

void QuestionsTest::lastPressShowsOkWithFocus() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.show();
    const auto& c = f.controls();
    f.stateForTests().answer = "inu";
    f.stateForTests().placedCount = 0;
    f.dealTiles();
    // Any mouse button places a tile.
    QTest::mousePress(widget(c.tiles(0)), Qt::RightButton);
    QTest::mousePress(widget(c.tiles(1)), Qt::MiddleButton);
    QVERIFY(c.okButton->isHidden());
    QVERIFY(c.tiles(0)->isHidden() && c.tiles(1)->isHidden());
    QTest::mousePress(widget(c.tiles(2)), Qt::LeftButton);
    QVERIFY(!c.okButton->isHidden());
    QVERIFY(!c.retryButton->isHidden());
    QVERIFY(c.hintButton->isHidden());
    QCOMPARE(qtWindow(f)->focusWidget(), widget(c.okButton));
}

QTEST_MAIN(QuestionsTest)
#include "test_questions.moc"
