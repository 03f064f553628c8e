// The chase tick: creatures run clockwise at score / 2 + their speed while the score is above zero, corners
// apply two edges in one tick, the eat zone's four strict bounds, the cost of a lost creature, the return of
// a caught one, the praise stamp's four ticks, the graded end of the game with its single result box (no
// tick may start while it is open), and the chase going on while the main screen is hidden.
#include "screens/chart/form2.h"
#include "screens/main/form1.h"
#include "screens/opening/cright.h"
#include "screens/practice/rensyu.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <QtTest>

namespace {

struct Place {
    double left, top;
};

Place where(const Form1& f, int i) {
    const toolkit::PictureBox* p = f.controls().Picture1(i);
    return {p->left(), p->top()};
}

bool operator==(Place a, Place b) {
    return a.left == b.left && a.top == b.top;
}

char* toString(const Place& p) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.left).arg(p.top));
}

// A game one step before its end: four creatures lost already, creature 0 standing in the eat zone.
void oneLossFromTheEnd(Form1& f, int scoreBefore) {
    f.eatenCount = 4;
    f.score = static_cast<std::int16_t>(scoreBefore);
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
    Form1& f = game.program->form1();
    f.creatureSpeed.fill(5);
    f.score = 30; // step 20
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
    f.Timer1_Timer();
    for (int i = 0; i < 9; ++i)
        QCOMPARE(where(f, i), cases[i].to);
    QCOMPARE(where(f, 9), (Place{100, 100}));
    QCOMPARE(f.eatenCount, 0);

    // An odd score runs half twips, kept as real positions.
    f.score = 31;
    placeCreature(f, 0, 100, 100);
    f.Timer1_Timer();
    f.Timer1_Timer();
    QCOMPARE(where(f, 0), (Place{141, 100}));
    QCOMPARE(f.controls().Picture1(0)->x(), 9); // the widget sits at the nearest pixel
}

void ChaseTest::bigStepsAndOvershoot() {
    auto run = [](int score, Place from, QList<Place> expected) {
        GameFixture game;
        game.start();
        Form1& f = game.program->form1();
        f.creatureSpeed[0] = 10;
        f.score = static_cast<std::int16_t>(score);
        placeCreature(f, 0, from.left, from.top);
        for (const Place& next : expected) {
            f.Timer1_Timer();
            QCOMPARE(where(f, 0), next);
        }
        QCOMPARE(f.eatenCount, 0);
        QCOMPARE(f.score, score);
        QVERIFY(!f.controls().Picture1(0)->isHidden());
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
    Form1& f = game.program->form1();
    const auto& c = f.controls();
    const Place inside[] = {{400, 600.5}, {400, 999.5}, {-299.5, 800}, {799.5, 800}};
    const Place outside[] = {{400, 600}, {400, 1000}, {-300, 800}, {800, 800}};
    for (int i = 0; i < 4; ++i) {
        placeCreature(f, static_cast<std::int16_t>(i), inside[i].left, inside[i].top, i != 3); // 3 is hidden
        placeCreature(f, static_cast<std::int16_t>(4 + i), outside[i].left, outside[i].top);
    }
    f.score = 0;
    f.Timer1_Timer();
    QCOMPARE(f.eatenCount, 4);
    QCOMPARE(f.score, -120);
    QCOMPARE(c.Label4->text(), QStringLiteral("-120"));
    QCOMPARE(game.sound.played, QList<Cue>(4, Cue::Eaten));
    const qint64 eatenMark = c.Picture6->picture().cacheKey();
    QVERIFY(!c.Picture6->picture().isNull());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(c.Picture1(i)->isHidden());
        QCOMPARE(where(f, i), (Place{-2000, -2000}));
        QVERIFY(!c.Picture1(i)->isEnabled());
        QCOMPARE(c.Picture2(i)->picture().cacheKey(), eatenMark);
        QVERIFY(!c.Picture2(i)->isEnabled());
        QCOMPARE(where(f, 4 + i), outside[i]);
        QVERIFY(!c.Picture1(4 + i)->isHidden());
        QVERIFY(c.Picture1(4 + i)->isEnabled());
        QVERIFY(c.Picture2(4 + i)->picture().isNull());
        QVERIFY(c.Picture2(4 + i)->isEnabled());
    }
    // A lost creature cannot be clicked: its box ignores the mouse.
    game.sound.played.clear();
    placeCreature(f, 0, 3000, 500);
    QTest::mouseClick(c.Picture1(0), Qt::LeftButton);
    QVERIFY(game.sound.played.isEmpty());
}

void ChaseTest::nothingMovesAtZeroOrBelow() {
    for (const int score : {0, -10}) {
        GameFixture game;
        game.start();
        Form1& f = game.program->form1();
        const auto& c = f.controls();
        f.score = static_cast<std::int16_t>(score);
        placeCreature(f, 0, 100, 100);
        placeCreature(f, 1, 400, 800, false); // hidden, in the zone: still eaten
        f.returnTicks[2] = 18;
        c.Picture4->show();
        f.picture4Ticks = 0;
        for (int tick = 1; tick <= 6; ++tick) {
            f.Timer1_Timer();
            QCOMPARE(c.Picture4->isHidden(), tick >= 4); // the stamp goes on the fourth tick
            QCOMPARE(where(f, 0), (Place{100, 100}));
            QCOMPARE(c.Picture1(2)->isHidden(), tick < 2); // returns on its twentieth count
        }
        QCOMPARE(f.eatenCount, 1);
        QCOMPARE(f.score, score - 30);
        QCOMPARE(where(f, 2), (Place{100, 100}));
        QCOMPARE(f.picture4Ticks, 4); // counting stops there
    }
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    f.picture4Ticks = 32767; // a game left alone for hours: no overflow
    f.Timer1_Timer();
    QCOMPARE(f.picture4Ticks, 32767);
    QVERIFY(game.errors.details.isEmpty());
}

void ChaseTest::caughtCreatureComesBackAfterTwentyTicks() {
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    const auto& c = f.controls();
    const qint64 rabbit = c.Picture1(3)->picture().cacheKey();
    f.score = 50;
    f.creatureSpeed[3] = 5;
    placeCreature(f, 3, 3000, 500);
    f.Picture1_Click(3);
    for (int step = 0; step < 9; ++step)
        f.Timer2_Timer();
    QCOMPARE(f.returnTicks[3], 1);
    c.Picture1(3)->setEnabled(false); // the return leaves Enabled alone
    for (int tick = 1; tick <= 18; ++tick) {
        f.Timer1_Timer();
        QVERIFY(c.Picture1(3)->isHidden());
    }
    QCOMPARE(f.returnTicks[3], 19);
    QCOMPARE(c.Picture2(3)->picture().cacheKey(), rabbit);
    f.Timer1_Timer();
    QVERIFY(!c.Picture1(3)->isHidden());      // visible although 50 is below its threshold of 110
    QCOMPARE(where(f, 3), (Place{100, 100})); // no move on the tick it returns
    QCOMPARE(c.Picture1(3)->picture().cacheKey(), rabbit);
    QVERIFY(c.Picture2(3)->picture().isNull());
    QCOMPARE(f.returnTicks[3], 0);
    QVERIFY(!c.Picture1(3)->isEnabled());
    f.Timer1_Timer();
    QCOMPARE(where(f, 3), (Place{130, 100}));
    for (int tick = 0; tick < 30; ++tick)
        f.Timer1_Timer();
    QCOMPARE(f.returnTicks[3], 0); // it comes back once only
}

void ChaseTest::twoLostInOneTick() {
    {
        GameFixture game;
        game.start();
        Form1& f = game.program->form1();
        f.score = 100; // both stand off every edge, so neither moves
        placeCreature(f, 2, 400, 800);
        placeCreature(f, 5, 500, 700);
        f.Timer1_Timer();
        QCOMPARE(f.score, 40);
        QCOMPARE(f.eatenCount, 2);
        QCOMPARE(game.sound.played, (QList<Cue>{Cue::Eaten, Cue::Eaten}));
    }
    // The fifth loss is the first of the two: the second is never looked at.
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    game.writeText(QStringLiteral("romajimojiren.txt"), QStringLiteral("a,あ,0\r\n"));
    f.moren_Click();
    QVERIFY(game.program->rensyu().isLoaded());
    oneLossFromTheEnd(f, 230);
    placeCreature(f, 5, 500, 700);
    bool loadedWhileOpen = false;
    game.messageBox.whileOpen = [&] {
        loadedWhileOpen =
            f.isLoaded() && game.program->form2().isLoaded() && game.program->rensyu().isLoaded();
    };
    f.Timer1_Timer();
    QCOMPARE(f.eatenCount, 5);
    QCOMPARE(f.score, 200);
    QCOMPARE(game.sound.played, (QList<Cue>{Cue::Eaten, Cue::GameOver}));
    QCOMPARE(game.messageBox.shown.size(), 1);
    QVERIFY(loadedWhileOpen); // the screens close only once the box is dismissed
    QVERIFY(!f.isLoaded());
    QVERIFY(!game.program->form2().isLoaded());
    QVERIFY(!game.program->rensyu().isLoaded());
    QVERIFY(game.program->cright().isLoaded()); // the opening screen is left playing
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
        Form1& f = game.program->form1();
        oneLossFromTheEnd(f, c.score + 30);
        f.Timer1_Timer();
        QCOMPARE(game.messageBox.shown.size(), 1);
        QCOMPARE(game.messageBox.shown[0].text, c.text);
        QCOMPARE(game.messageBox.shown[0].title, QStringLiteral("結果"));
        QCOMPARE(game.messageBox.shown[0].style, 16);
        QCOMPARE(f.resultText, c.text);
        QCOMPARE(f.apiResult, 1);
        QVERIFY(!f.isLoaded());
    }
}

void ChaseTest::noTickWhileTheResultIsOpen() {
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    oneLossFromTheEnd(f, 300);
    placeCreature(f, 1, 400, 800); // would be the sixth loss
    int ticksTried = 0;
    game.messageBox.whileOpen = [&] {
        // Ticks arrive while the box is open: some called at once, some from the running timer.
        for (int k = 0; k < 3; ++k) {
            f.Timer1_Timer();
            ++ticksTried;
        }
        QSignalSpy timerTicks(f.controls().Timer1, &toolkit::Timer::tick);
        QTRY_VERIFY_WITH_TIMEOUT(timerTicks.count() >= 2, 5000);
        QCOMPARE(f.eatenCount, 5);
        QCOMPARE(f.picture4Ticks, 1);
        QVERIFY(!f.controls().Picture1(1)->isHidden());
    };
    f.Timer1_Timer();
    QCOMPARE(ticksTried, 3);
    QCOMPARE(game.messageBox.shown.size(), 1);
    QCOMPARE(f.eatenCount, 5);
    QCOMPARE(f.score, 270);
    QCOMPARE(game.sound.played, (QList<Cue>{Cue::Eaten, Cue::GameOver}));
    QVERIFY(!f.isLoaded());
    QVERIFY(game.errors.details.isEmpty());
}

void ChaseTest::chaseGoesOnWhileTheScreenIsHidden() {
    GameFixture game;
    game.start();
    Form1& f = game.program->form1();
    game.writeText(QStringLiteral("romajimojiren.txt"), QStringLiteral("a,あ,0\r\n"));
    f.moren_Click(); // the practice screen hides the main screen
    QVERIFY(!f.isVisible());
    f.score = 10;
    placeCreature(f, 0, 100, 100);
    QTRY_VERIFY_WITH_TIMEOUT(where(f, 0).left > 100, 5000); // the running timer moves it
    oneLossFromTheEnd(f, 100);
    QTRY_VERIFY_WITH_TIMEOUT(!game.program->rensyu().isLoaded(), 5000);
    QCOMPARE(game.messageBox.shown.size(), 1);
    QVERIFY(!f.isLoaded());
    QVERIFY(!game.program->form2().isLoaded());
}

QTEST_MAIN(ChaseTest)
#include "test_chase.moc"
