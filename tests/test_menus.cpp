// The main screen's menus: the chart toggle with its caption and the focus given back, the practice
// screen hiding the chart behind the toggle's back, quitting (which creates nothing and also ends a
// playing opening, from the menu or the window frame), the credit line toggled on every opening of its
// menu, the opening shown again on request, and the texts of the menus.
#include "screens/chart/form2.h"
#include "screens/main/form1.h"
#include "screens/opening/cright.h"
#include "screens/practice/rensyu.h"
#include "support/gamefixture.h"
#include <QApplication>
#include <QMenuBar>
#include <QtTest>

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void hyouTogglesTheChart();
    void practiceHidesTheChartBehindTheToggle();
    void quitCreatesNothing();
    void quitWhileTheOpeningPlaysEndsTheProgram();
    void closingTheMainWindowQuits();
    void sakuTogglesTheCreditOnEveryOpening();
    void sakusyaPlaysTheOpeningAgain();
    void menuTexts();
};

namespace {
const QString showChart = QStringLiteral("ローマ字表");
const QString hideChart = QStringLiteral("表を消す");

// A started game whose opening has ended, so the main screen is in front of the player.
struct PlayingGame : GameFixture {
    PlayingGame() {
        writeText(QStringLiteral("romajimojiren.txt"), QStringLiteral("a,あ,0\r\n"));
        program->onLastScreenClosed = [this] { ++ended; };
        start();
        for (int tick = 0; tick < 26; ++tick)
            program->cright().Timer1_Timer();
    }
    Form1& main() { return program->form1(); }
    int ended = 0;
};
} // namespace

void MenusTest::hyouTogglesTheChart() {
    PlayingGame game;
    Form1& f = game.main();
    Form2& chartWindow = game.program->form2();
    QVERIFY(f.isVisible());
    QCOMPARE(f.controls().hyou->text(), showChart);
    f.hyou_Click();
    QCOMPARE(f.chartToggle, std::int16_t(-1));
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(f.controls().hyou->text(), hideChart);
    // The chart comes up, but the game keeps the keyboard and the clicks.
    QTRY_COMPARE(QApplication::activeWindow(), f.window());
    f.hyou_Click();
    QCOMPARE(f.chartToggle, std::int16_t(1));
    QVERIFY(chartWindow.isLoaded());
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(f.controls().hyou->text(), showChart);
    // Through the menu item itself.
    f.controls().hyou->trigger();
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(f.controls().hyou->text(), hideChart);
    QVERIFY(game.errors.details.isEmpty());
}

void MenusTest::practiceHidesTheChartBehindTheToggle() {
    PlayingGame game;
    Form1& f = game.main();
    Form2& chartWindow = game.program->form2();
    Rensyu& practice = game.program->rensyu();
    f.hyou_Click();
    f.moren_Click();
    QVERIFY(practice.isVisible());
    QVERIFY(!f.isVisible());
    QVERIFY(chartWindow.isVisible());
    practice.leave();
    QVERIFY(f.isVisible());
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(f.controls().hyou->text(), showChart);
    QCOMPARE(f.chartToggle, std::int16_t(-1));
    // The next click only hides the chart that is already hidden and keeps the caption ...
    f.hyou_Click();
    QCOMPARE(f.chartToggle, std::int16_t(1));
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(f.controls().hyou->text(), showChart);
    // ... the one after shows it.
    f.hyou_Click();
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(f.controls().hyou->text(), hideChart);
    QVERIFY(game.errors.details.isEmpty());
}

void MenusTest::quitCreatesNothing() {
    {
        // The chart loaded but hidden, the practice screen never opened.
        PlayingGame game;
        game.main().owaru_Click();
        QCOMPARE(game.program->loadedScreens(), 0);
        QCOMPARE(game.ended, 1);
        QVERIFY(!game.program->rensyu().isLoaded());
    }
    {
        // The chart window closed as well: quitting does not bring it back to close it.
        PlayingGame game;
        game.program->form2().close();
        game.main().owaru_Click();
        QCOMPARE(game.program->loadedScreens(), 0);
        QCOMPARE(game.ended, 1);
        QVERIFY(!game.program->form2().isLoaded());
        QVERIFY(!game.program->rensyu().isLoaded());
        QVERIFY(!game.program->cright().isLoaded());
        QVERIFY(game.errors.details.isEmpty());
    }
}

void MenusTest::quitWhileTheOpeningPlaysEndsTheProgram() {
    PlayingGame game;
    Form1& f = game.main();
    f.sakusya_Click();
    for (int tick = 0; tick < 20; ++tick)
        game.program->cright().Timer1_Timer();
    QPointer<toolkit::ScreenWindow> opening = game.program->cright().window();
    QPointer<toolkit::Timer> openingTimer = game.program->cright().controls().Timer1;
    f.owaru_Click();
    QCOMPARE(game.program->loadedScreens(), 0);
    QCOMPARE(game.ended, 1);
    // The opening's timer stops at once, and its window and timer go with the event loop: once they are
    // gone nothing is left that could bring the game back.
    QVERIFY(!openingTimer->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!opening && !openingTimer, 5000);
    QCOMPARE(game.program->loadedScreens(), 0);
    QVERIFY(!f.isLoaded());
    QCOMPARE(game.ended, 1);
    QVERIFY(game.errors.details.isEmpty());
}

void MenusTest::closingTheMainWindowQuits() {
    PlayingGame game;
    Form1& f = game.main();
    f.hyou_Click();
    f.sakusya_Click();
    f.window()->close(); // as from the window frame
    QCOMPARE(game.program->loadedScreens(), 0);
    QCOMPARE(game.ended, 1);
    QVERIFY(!game.program->form2().isLoaded());
    QVERIFY(!game.program->cright().isLoaded());
}

void MenusTest::sakuTogglesTheCreditOnEveryOpening() {
    PlayingGame game;
    Form1& f = game.main();
    QMenu* saku = f.controls().saku;
    QVERIFY(f.controls().Label6->isHidden());
    for (int opening = 1; opening <= 4; ++opening) {
        // Opening the menu is enough; nothing is picked from it.
        saku->popup(QPoint(0, 0));
        saku->hide();
        const bool shown = opening % 2 == 1;
        QCOMPARE(f.creditToggle, std::int16_t(shown ? -1 : 1));
        QCOMPARE(f.controls().Label6->isHidden(), !shown);
    }
    QVERIFY(!f.controls().Label6->text().isEmpty());
}

void MenusTest::sakusyaPlaysTheOpeningAgain() {
    PlayingGame game;
    Cright& opening = game.program->cright();
    QVERIFY(!opening.isLoaded());
    game.main().controls().sakusya->trigger();
    QVERIFY(opening.isVisible());
    QCOMPARE(opening.tickCounter, std::int16_t(0));
    for (std::int16_t i = 0; i < 12; ++i)
        QVERIFY(opening.controls().Picture8(i)->isHidden());
    QVERIFY(!opening.controls().Picture2->isHidden());
    // It ends as at start-up, with the main screen still in front.
    for (int tick = 0; tick < 26; ++tick)
        opening.Timer1_Timer();
    QVERIFY(!opening.isLoaded());
    QVERIFY(game.main().isVisible());
}

void MenusTest::menuTexts() {
    PlayingGame game;
    const Form1Controls& c = game.main().controls();
    QStringList bar;
    for (QAction* item : game.main().window()->menuBar()->actions())
        bar << item->text();
    QCOMPARE(bar, QStringList({"ローマ字表", "文字練習", "終わる", "遊び方", "製作者"}));
    QStringList help;
    for (QAction* item : c.asobikata->actions())
        help << item->text();
    QCOMPARE(help, QStringList(
                       {"ローマ字をならべかえて問題の言葉にします", "ヒントなしだと、得点2倍",
                        "「やりなおし」は、何度でも(ならべなおし)", "動物をｸﾘｯｸしてｷｹﾝから救い出してください",
                        "５回救えなかったら、ゲームオーバーです", "※「ヘボン式」と「訓令式」がまじっています",
                        "※\u3000＾\u3000はａｉｕｅｏの後でクリックします"}));
    QCOMPARE(c.saku->actions().size(), 2);
    QCOMPARE(c.saku->actions()[0]->text(),
             QStringLiteral("minasan. tanosimi nagara ro^maji no benkyo^  wo site kudasai ne."));
    QCOMPARE(c.saku->actions()[1], c.sakusya);
    // The help items and the greeting only show their text.
    const int loaded = game.program->loadedScreens();
    for (QAction* item : c.asobikata->actions())
        item->trigger();
    c.zxcv->trigger();
    QCOMPARE(game.program->loadedScreens(), loaded);
    QVERIFY(game.main().isVisible());
}

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
