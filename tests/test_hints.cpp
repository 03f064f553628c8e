// SPDX-License-Identifier: MIT
// The retry and hint buttons: the hint button's colour, caption and visibility after every sequence of
// hints, retries, wrong and right answers; the first hint's length; the costs and their floor; the hint
// label kept until the next question; a retry that re-deals and changes nothing else.
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include "support/stdstring.h"
#include <QSet>
#include <QtTest>

namespace {
const QColor green(192, 255, 192);
const QColor red(255, 0, 0);
const QString small = QStringLiteral("ちょっとヒント");
const QString last = QStringLiteral("ラストヒント");

// Checks the hint button's looks: hidden, or shown with this colour and caption.
void expectHintButton(const MainScreen& f, bool shown, const QColor& colour = {},
                      const QString& caption = {}) {
    const toolkit::Button* b = f.controls().hintButton;
    QCOMPARE(!b->isHidden(), shown);
    if (!shown) return;
    QCOMPARE(b->backColor(), colour);
    QCOMPARE(b->text(), caption);
}
} // namespace

class HintsTest : public QObject {
    Q_OBJECT
private slots:
    void hintButtonLooks();
    void hintCosts();
    void firstHintShowsTheBeginning();
    void retryDealsAgainAndChangesNothingElse();
};

void HintsTest::hintButtonLooks() {
    GameFixture game(QStringLiteral("sakan,さかん\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    auto wrong = [&] {
        QVERIFY(pressLetters(f, QStringLiteral("nakas")));
        expectHintButton(f, false); // the last letter hides it
        f.onOkClicked();
    };
    f.stateForTests().score = 100;
    expectHintButton(f, true, green, small); // new question
    f.onRetryClicked();
    expectHintButton(f, true, green, small); // a retry before any hint
    wrong();
    expectHintButton(f, true, green, small); // a wrong answer before any hint
    f.onHintClicked();
    expectHintButton(f, true, green, last); // right after the first hint
    wrong();
    expectHintButton(f, true, green, last); // a wrong answer keeps it as it was
    f.onRetryClicked();
    expectHintButton(f, true, red, last); // a retry after the first hint
    f.onRetryClicked();
    expectHintButton(f, true, red, last);
    wrong();
    expectHintButton(f, true, red, last); // a wrong answer keeps it red
    f.onHintClicked();
    expectHintButton(f, false); // after the last hint
    f.onRetryClicked();
    expectHintButton(f, false);
    wrong();
    expectHintButton(f, false);
    answerRight(f);
    expectHintButton(f, true, green, small); // the next question
}

void HintsTest::hintCosts() {
    GameFixture game(QStringLiteral("sakana,さかな\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.stateForTests().score = 50;
    f.onHintClicked();
    QCOMPARE(f.state().score, 48);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral(" 48"));
    QVERIFY(f.state().hintTaken);
    f.onHintClicked();
    QCOMPARE(f.state().score, 38); // 12 in all
    QCOMPARE(c.scoreLabel->text(), QStringLiteral(" 38"));
    QCOMPARE(c.hintLabel->text(), QStringLiteral("sakana"));
    QCOMPARE(game.sound.played, (QList<Cue>{Cue::Hint, Cue::Hint}));
    answerRight(f);
    QCOMPARE(f.state().score, 44); // 1 point a letter

    // The floor: first hint at 1, last hint at 7.
    f.stateForTests().score = 1;
    f.onHintClicked();
    QCOMPARE(f.state().score, 0);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral(" 0"));
    f.stateForTests().score = 7;
    f.onHintClicked();
    QCOMPARE(f.state().score, 0);
    // A score the cliff made negative is raised to 0 by the floor too.
    answerRight(f);
    f.stateForTests().score = -40;
    f.onHintClicked();
    QCOMPARE(f.state().score, 0);
}

void HintsTest::firstHintShowsTheBeginning() {
    GameFixture game(QStringLiteral("ro^maji,ローマじ\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    QSet<int> lengths;
    for (int draw = 0; draw < 300; ++draw) {
        f.stateForTests().hintLevel = 0;
        game.clock += 7919;
        f.onHintClicked();
        QVERIFY(f.state().hintLength >= 1 && f.state().hintLength <= 6);
        QCOMPARE(c.hintLabel->text(), QStringLiteral("ro^maji").left(f.state().hintLength));
        lengths.insert(f.state().hintLength);
    }
    QCOMPARE(lengths, (QSet<int>{1, 2, 3, 4, 5, 6})); // 1 to n - 1 letters, never the whole word

    GameFixture one(QStringLiteral("a,あ\r\n"));
    one.start();
    one.program->mainScreen().onHintClicked();
    QCOMPARE(one.program->mainScreen().controls().hintLabel->text(), QStringLiteral("a")); // the whole word

    GameFixture empty(QStringLiteral(""));
    empty.start();
    MainScreen& e = empty.program->mainScreen();
    e.stateForTests().score = 5;
    e.onHintClicked();
    QCOMPARE(e.controls().hintLabel->text(), QString());
    QCOMPARE(e.state().score, 3);
}

void HintsTest::retryDealsAgainAndChangesNothingElse() {
    GameFixture game(QStringLiteral("abcdefghijklmnopqrstuvwx,ながい\r\n"));
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.stateForTests().score = 30;
    f.onHintClicked();
    const std::string hint = c.hintLabel->text();
    game.sound.played.clear();
    auto board = [&] {
        QString letters;
        for (std::int16_t k = 0; k < 24; ++k)
            letters += QString::fromStdString(c.tiles(k)->text());
        return letters;
    };
    QSet<QString> orders{board()};
    for (int retry = 0; retry < 5; ++retry) {
        QVERIFY(pressLetters(f, QStringLiteral("abc")));
        f.onRetryClicked();
        QCOMPARE(f.state().placedCount, 0);
        QCOMPARE(c.answerLabel->text(), QString());
        QCOMPARE(c.markedLineLabel->text(), QString());
        QCOMPARE(c.plainLineLabel->text(), QString());
        QVERIFY(c.okButton->isHidden());
        QVERIFY(!c.retryButton->isHidden());
        for (std::int16_t k = 0; k < 24; ++k)
            QVERIFY(!c.tiles(k)->isHidden());
        orders.insert(board());
    }
    QCOMPARE(orders.size(), 6); // every retry deals a new order
    QCOMPARE(f.state().score, 28);
    QCOMPARE(f.state().hintLevel, 1);
    QVERIFY(f.state().hintTaken);
    QCOMPARE(c.hintLabel->text(), hint);
    QVERIFY(game.sound.played.isEmpty());
    QVERIFY(pressLetters(f, QStringLiteral("abcdefghijklmnopqrstuvwx")));
    QVERIFY(!c.okButton->isHidden());
    f.onRetryClicked(); // a retry with a full board hides OK again
    QVERIFY(c.okButton->isHidden());
}

QTEST_MAIN(HintsTest)
#include "test_hints.moc"
