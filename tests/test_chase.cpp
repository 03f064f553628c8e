// SPDX-License-Identifier: MIT
// The chase tick: creatures run clockwise at score / 2 + their speed while the score is above zero, corners
// apply two edges in one tick, the eat zone's four strict bounds, the cost of a lost creature, the return of
// a caught one, the praise stamp's four ticks, the graded end of the game with its single result box (no
// tick may start while it is open), and the chase going on while the main screen is hidden.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include "support/stdstring.h"
#include "support/views.h"
#include <QtTest>

namespace {

struct Place {
    double left, top;
};

Place where(const MainScreen& f, int i) {
    const toolkit::PictureBox* p = f.controls().creatures(i);
    return {p->left(), p->top()};
}

bool operator==(Place a, Place b) {
    return a.left == b.left && a.top == b.top;
}

char* toString(const Place& p) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.left).arg(p.top));
}

// A game one step before its end: four creatures lost already, creature 0 standing in the eat zone.
void oneLossFromTheEnd(MainScreen& f, int scoreBefore) {
    f.stateForTests().eatenCount = 4;
    f.stateForTests().score = static_cast<std::int16_t>(scoreBefore);
    placeCreature(f, 0, 400, 800);
}

} // namespace

class ChaseTest : public QObject {
    Q_OBJECT
private slots:
    void creaturesRunClockwise();
    void bigStepsAndOvershoot();
    void eatZoneHasStrictBounds();
    void nothingMovesAtZeroOrBelow();
    void caughtCreatureComesBackAfterTwentyTicks();
    void twoLostInOneTick();
    void resultIsGradedByTheScore();
    void noTickWhileTheResultIsOpen();
    void chaseGoesOnWhileTheScreenIsHidden();
};

void ChaseTest::creaturesRunClockwise() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.stateForTests().creatureSpeed.fill(5);
    f.stateForTests().score = 30; // step 20
    const struct {
        Place from, to;
    } cases[] = {
        {{100, 100}, {120, 100}},     // the start position lies on the top edge: right first
        {{5530, 100}, {5550, 120}},   // top right corner: right, then down
        {{5600, 500}, {5600, 520}},   // right side: down
        {{5540, 1090}, {5520, 1110}}, // bottom right corner: down, then left
        {{3000, 1200}, {2980, 1200}}, // bottom: left
        {{110, 1100}, {90, 1080}},    // bottom left corner: left, then up
        {{50, 1050}, {50, 1030}},     // left side, below the cliff: up
        {{60, 100}, {80, 80}},        // top left corner: right, then up
        {{3000, 500}, {3000, 500}},   // off the track: stands still
    };
    for (int i = 0; i < 9; ++i)
        placeCreature(f, static_cast<std::int16_t>(i), cases[i].from.left, cases[i].from.top);
    placeCreature(f, 9, 100, 100, false); // hidden creatures do not run
    f.onChaseTick();
    for (int i = 0; i < 9; ++i)
        QCOMPARE(where(f, i), cases[i].to);
    QCOMPARE(where(f, 9), (Place{100, 100}));
    QCOMPARE(f.state().eatenCount, 0);

    // An odd score runs half twips, kept as real positions.
    f.stateForTests().score = 31;
    placeCreature(f, 0, 100, 100);
    f.onChaseTick();
    f.onChaseTick();
    QCOMPARE(where(f, 0), (Place{141, 100}));
    QCOMPARE(widget(f.controls().creatures(0))->x(), 9); // the widget sits at the nearest pixel
}

void ChaseTest::bigStepsAndOvershoot() {
    auto run = [](int score, Place from, QList<Place> expected) {
        GameFixture game;
        game.start();
        MainScreen& f = game.program->mainScreen();
        f.stateForTests().creatureSpeed[0] = 10;
        f.stateForTests().score = static_cast<std::int16_t>(score);
        placeCreature(f, 0, from.left, from.top);
        for (const Place& next : expected) {
            f.onChaseTick();
            QCOMPARE(where(f, 0), next);
        }
        QCOMPARE(f.state().eatenCount, 0);
        QCOMPARE(f.state().score, score);
        QVERIFY(!f.controls().creatures(0)->isHidden());
    };
    // Turning up at Left -400, beside the cliff: the lap goes on up the left side and right along the top.
    run(1180, {200, 1100}, {{-400, 500}, {-400, -100}, {200, -100}, {800, -100}});
    // A step taller than the cliff jumps over it.
    run(980, {50, 1050}, {{50, 550}, {50, 50}, {550, 50}});
    // Overshooting past -1000 leaves the left edge behind: on it runs, out of sight.
    run(2380, {150, 1100}, {{-1050, 1100}, {-2250, 1100}, {-3450, 1100}});
}

void ChaseTest::eatZoneHasStrictBounds() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const Place inside[] = {{400, 600.5}, {400, 999.5}, {-299.5, 800}, {799.5, 800}};
    const Place outside[] = {{400, 600}, {400, 1000}, {-300, 800}, {800, 800}};
    for (int i = 0; i < 4; ++i) {
        placeCreature(f, static_cast<std::int16_t>(i), inside[i].left, inside[i].top, i != 3); // 3 is hidden
        placeCreature(f, static_cast<std::int16_t>(4 + i), outside[i].left, outside[i].top);
    }
    f.stateForTests().score = 0;
    f.onChaseTick();
    QCOMPARE(f.state().eatenCount, 4);
    QCOMPARE(f.state().score, -120);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral("-120"));
    QCOMPARE(game.sound.played, QList<Cue>(4, Cue::Eaten));
    const std::string eatenMark = c.eatenMark->picture();
    QVERIFY(!c.eatenMark->picture().empty());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(c.creatures(i)->isHidden());
        QCOMPARE(where(f, i), (Place{-2000, -2000}));
        QVERIFY(!c.creatures(i)->isEnabled());
        QCOMPARE(c.parkingSlots(i)->picture(), eatenMark);
        QVERIFY(!c.parkingSlots(i)->isEnabled());
        QCOMPARE(where(f, 4 + i), outside[i]);
        QVERIFY(!c.creatures(4 + i)->isHidden());
        QVERIFY(c.creatures(4 + i)->isEnabled());
        QVERIFY(c.parkingSlots(4 + i)->picture().empty());
        QVERIFY(c.parkingSlots(4 + i)->isEnabled());
    }
    // A lost creature cannot be clicked: its box ignores the mouse.
    game.sound.played.clear();
    placeCreature(f, 0, 3000, 500);
    QTest::mouseClick(widget(c.creatures(0)), Qt::LeftButton);
    QVERIFY(game.sound.played.isEmpty());
}

void ChaseTest::nothingMovesAtZeroOrBelow() {
    for (const int score : {0, -10}) {
        GameFixture game;
        game.start();
        MainScreen& f = game.program->mainScreen();
        const auto& c = f.controls();
        f.stateForTests().score = static_cast<std::int16_t>(score);
        placeCreature(f, 0, 100, 100);
        placeCreature(f, 1, 400, 800, false); // hidden, in the zone: still eaten
        f.stateForTests().returnTicks[2] = 18;
        c.praiseStamp->show();
        f.stateForTests().praiseStampTicks = 0;
        for (int tick = 1; tick <= 6; ++tick) {
            f.onChaseTick();
            QCOMPARE(c.praiseStamp->isHidden(), tick >= 4); // the stamp goes on the fourth tick
            QCOMPARE(where(f, 0), (Place{100, 100}));
            QCOMPARE(c.creatures(2)->isHidden(), tick < 2); // returns on its twentieth count
        }
        QCOMPARE(f.state().eatenCount, 1);
        QCOMPARE(f.state().score, score - 30);
        QCOMPARE(where(f, 2), (Place{100, 100}));
        QCOMPARE(f.state().praiseStampTicks, 4); // counting stops there
    }
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.stateForTests().praiseStampTicks = 32767; // a game left alone for hours: no overflow
    f.onChaseTick();
    QCOMPARE(f.state().praiseStampTicks, 32767);
    QVERIFY(game.errors.details.isEmpty());
}

void ChaseTest::caughtCreatureComesBackAfterTwentyTicks() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    const std::string rabbit = c.creatures(3)->picture();
    f.stateForTests().score = 50;
    f.stateForTests().creatureSpeed[3] = 5;
    placeCreature(f, 3, 3000, 500);
    f.onCreatureClicked(3);
    for (int step = 0; step < 9; ++step)
        f.onCatchTick();
    QCOMPARE(f.state().returnTicks[3], 1);
    c.creatures(3)->setEnabled(false); // the return leaves Enabled alone
    for (int tick = 1; tick <= 18; ++tick) {
        f.onChaseTick();
        QVERIFY(c.creatures(3)->isHidden());
    }
    QCOMPARE(f.state().returnTicks[3], 19);
    QCOMPARE(c.parkingSlots(3)->picture(), rabbit);
    f.onChaseTick();
    QVERIFY(!c.creatures(3)->isHidden());     // visible although 50 is below its threshold of 110
    QCOMPARE(where(f, 3), (Place{100, 100})); // no move on the tick it returns
    QCOMPARE(c.creatures(3)->picture(), rabbit);
    QVERIFY(c.parkingSlots(3)->picture().empty());
    QCOMPARE(f.state().returnTicks[3], 0);
    QVERIFY(!c.creatures(3)->isEnabled());
    f.onChaseTick();
    QCOMPARE(where(f, 3), (Place{130, 100}));
    for (int tick = 0; tick < 30; ++tick)
        f.onChaseTick();
    QCOMPARE(f.state().returnTicks[3], 0); // it comes back once only
}

void ChaseTest::twoLostInOneTick() {
    {
        GameFixture game;
        game.start();
        MainScreen& f = game.program->mainScreen();
        f.stateForTests().score = 100; // both stand off every edge, so neither moves
        placeCreature(f, 2, 400, 800);
        placeCreature(f, 5, 500, 700);
        f.onChaseTick();
        QCOMPARE(f.state().score, 40);
        QCOMPARE(f.state().eatenCount, 2);
        QCOMPARE(game.sound.played, (QList<Cue>{Cue::Eaten, Cue::Eaten}));
    }
    // The fifth loss is the first of the two: the second is never looked at.
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    game.writeText(QStringLiteral("romajimojiren.txt"), QStringLiteral("a,あ,0\r\n"));
    f.onPracticeMenu();
    QVERIFY(game.program->practiceScreen().isLoaded());
    oneLossFromTheEnd(f, 230);
    placeCreature(f, 5, 500, 700);
    bool loadedWhileOpen = false;
    game.messageBox.whileOpen = [&] {
        loadedWhileOpen = f.isLoaded() && game.program->chartWindow().isLoaded() &&
                          game.program->practiceScreen().isLoaded();
    };
    f.onChaseTick();
    QCOMPARE(f.state().eatenCount, 5);
    QCOMPARE(f.state().score, 200);
    QCOMPARE(game.sound.played, (QList<Cue>{Cue::Eaten, Cue::GameOver}));
    QCOMPARE(game.messageBox.shown.size(), 1);
    QVERIFY(loadedWhileOpen); // the screens close only once the box is dismissed
    QVERIFY(!f.isLoaded());
    QVERIFY(!game.program->chartWindow().isLoaded());
    QVERIFY(!game.program->practiceScreen().isLoaded());
    QVERIFY(game.program->openingScreen().isLoaded()); // the opening screen is left playing
    QVERIFY(game.errors.details.isEmpty());
}

void ChaseTest::resultIsGradedByTheScore() {
    const struct {
        int score;
        QString text;
    } cases[] = {
        {601, QStringLiteral("さすがじゃ！")},     {600, QStringLiteral("そこそこだなぁ！")},
        {451, QStringLiteral("そこそこだなぁ！")}, {450, QStringLiteral("まだまだ！")},
        {200, QStringLiteral("まだまだ！")},       {199, QStringLiteral("特訓がいるぞ！")},
        {-100, QStringLiteral("特訓がいるぞ！")},
    };
    for (const auto& c : cases) {
        GameFixture game;
        game.start();
        MainScreen& f = game.program->mainScreen();
        oneLossFromTheEnd(f, c.score + 30);
        f.onChaseTick();
        QCOMPARE(game.messageBox.shown.size(), 1);
        QCOMPARE(game.messageBox.shown[0].text, c.text);
        QCOMPARE(game.messageBox.shown[0].title, QStringLiteral("結果"));
        QVERIFY(game.messageBox.shown[0].icon == toolkit::MessageIcon::stop);
        QCOMPARE(f.state().resultText, c.text);
        QVERIFY(!f.isLoaded());
    }
}

void ChaseTest::noTickWhileTheResultIsOpen() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    oneLossFromTheEnd(f, 300);
    placeCreature(f, 1, 400, 800); // would be the sixth loss
    int ticksTried = 0;
    // The running timer's ticks reach the screen's handler through the guard, as the window connects them,
    // and are counted on the way.
    int timerTicks = 0;
    f.controls().chaseTimer->tick.connect([&] {
        ++timerTicks;
        game.program->guard().run([&] { f.onChaseTick(); });
    });
    game.messageBox.whileOpen = [&] {
        // Ticks arrive while the box is open: some called at once, some from the running timer.
        for (int k = 0; k < 3; ++k) {
            f.onChaseTick();
            ++ticksTried;
        }
        const int ticksBefore = timerTicks;
        QTRY_VERIFY_WITH_TIMEOUT(timerTicks - ticksBefore >= 2, 5000);
        QCOMPARE(f.state().eatenCount, 5);
        QCOMPARE(f.state().praiseStampTicks, 1);
        QVERIFY(!f.controls().creatures(1)->isHidden());
    };
    f.onChaseTick();
    QCOMPARE(ticksTried, 3);
    QCOMPARE(game.messageBox.shown.size(), 1);
    QCOMPARE(f.state().eatenCount, 5);
    QCOMPARE(f.state().score, 270);
    QCOMPARE(game.sound.played, (QList<Cue>{Cue::Eaten, Cue::GameOver}));
    QVERIFY(!f.isLoaded());
    QVERIFY(game.errors.details.isEmpty());
}

void ChaseTest::chaseGoesOnWhileTheScreenIsHidden() {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    game.writeText(QStringLiteral("romajimojiren.txt"), QStringLiteral("a,あ,0\r\n"));
    f.onPracticeMenu(); // the practice screen hides the main screen
    QVERIFY(!f.isVisible());
    f.stateForTests().score = 10;
    placeCreature(f, 0, 100, 100);
    QTRY_VERIFY_WITH_TIMEOUT(where(f, 0).left > 100, 5000); // the running timer moves it
    oneLossFromTheEnd(f, 100);
    QTRY_VERIFY_WITH_TIMEOUT(!game.program->practiceScreen().isLoaded(), 5000);
    QCOMPARE(game.messageBox.shown.size(), 1);
    QVERIFY(!f.isLoaded());
    QVERIFY(!game.program->chartWindow().isLoaded());
}

QTEST_MAIN(ChaseTest)
#include "test_chase.moc"
