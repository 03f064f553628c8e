// SPDX-License-Identifier: MIT
// The main screen's menus: the chart toggle with its caption and the focus given back, the practice
// screen hiding the chart behind the toggle's back, quitting (which creates nothing and also ends a
// playing opening, from the menu or the window frame), the credit line toggled on every opening of its
// menu, the opening shown again on request, the texts of the menus, and the spelling chosen from its menu.
#include "frontends/qt/timer.h"
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include "support/stdstring.h"
#include "support/views.h"
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
    void spellingIsChosenForTheNextWordAndRemembered();
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
            program->openingScreen().onAnimationTick();
    }
    MainScreen& main() { return program->mainScreen(); }
    int ended = 0;
};
} // namespace

void MenusTest::hyouTogglesTheChart() {
    PlayingGame game;
    MainScreen& f = game.main();
    ChartWindow& chartWindow = game.program->chartWindow();
    QVERIFY(f.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), showChart);
    f.onChartMenu();
    QVERIFY(f.state().chartShown);
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), hideChart);
    // The chart comes up, but the game keeps the keyboard and the clicks.
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(qtWindow(f)));
    f.onChartMenu();
    QVERIFY(!f.state().chartShown);
    QVERIFY(chartWindow.isLoaded());
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), showChart);
    // Through the menu item itself.
    f.controls().chartMenuItem->trigger();
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), hideChart);
    QVERIFY(game.errors.details.isEmpty());
}

void MenusTest::practiceHidesTheChartBehindTheToggle() {
    PlayingGame game;
    MainScreen& f = game.main();
    ChartWindow& chartWindow = game.program->chartWindow();
    PracticeScreen& practice = game.program->practiceScreen();
    f.onChartMenu();
    f.onPracticeMenu();
    QVERIFY(practice.isVisible());
    QVERIFY(!f.isVisible());
    QVERIFY(chartWindow.isVisible());
    practice.leave();
    QVERIFY(f.isVisible());
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), showChart);
    QVERIFY(f.state().chartShown);
    // The next click only hides the chart that is already hidden and keeps the caption ...
    f.onChartMenu();
    QVERIFY(!f.state().chartShown);
    QVERIFY(!chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), showChart);
    // ... the one after shows it.
    f.onChartMenu();
    QVERIFY(chartWindow.isVisible());
    QCOMPARE(f.controls().chartMenuItem->text(), hideChart);
    QVERIFY(game.errors.details.isEmpty());
}

void MenusTest::quitCreatesNothing() {
    {
        // The chart loaded but hidden, the practice screen never opened.
        PlayingGame game;
        game.main().onQuitMenu();
        QCOMPARE(game.program->loadedScreens(), 0);
        QCOMPARE(game.ended, 1);
        QVERIFY(!game.program->practiceScreen().isLoaded());
    }
    {
        // The chart window closed as well: quitting does not bring it back to close it.
        PlayingGame game;
        game.program->chartWindow().close();
        game.main().onQuitMenu();
        QCOMPARE(game.program->loadedScreens(), 0);
        QCOMPARE(game.ended, 1);
        QVERIFY(!game.program->chartWindow().isLoaded());
        QVERIFY(!game.program->practiceScreen().isLoaded());
        QVERIFY(!game.program->openingScreen().isLoaded());
        QVERIFY(game.errors.details.isEmpty());
    }
}

void MenusTest::quitWhileTheOpeningPlaysEndsTheProgram() {
    PlayingGame game;
    MainScreen& f = game.main();
    f.onOpeningMenu();
    for (int tick = 0; tick < 20; ++tick)
        game.program->openingScreen().onAnimationTick();
    QPointer<frontend::QtWindow> opening = qtWindow(game.program->openingScreen());
    const toolkit::Timer* animationTimer = game.program->openingScreen().controls().animationTimer;
    QPointer<frontend::QtTimer> openingTimer = dynamic_cast<frontend::QtTimer*>(animationTimer->view());
    QVERIFY(opening && openingTimer);
    f.onQuitMenu();
    QCOMPARE(game.program->loadedScreens(), 0);
    QCOMPARE(game.ended, 1);
    // The opening's timer stops at once, and its window and timer go with the event loop: once they are
    // gone nothing is left that could bring the game back. (The timer lives as long as its window's view.)
    QVERIFY(opening);
    QVERIFY(!animationTimer->isEnabled());
    QCOMPARE(openingTimer->remainingTime(), -1);
    QTRY_VERIFY_WITH_TIMEOUT(!opening && !openingTimer, 5000);
    QCOMPARE(game.program->loadedScreens(), 0);
    QVERIFY(!f.isLoaded());
    QCOMPARE(game.ended, 1);
    QVERIFY(game.errors.details.isEmpty());
}

void MenusTest::closingTheMainWindowQuits() {
    PlayingGame game;
    MainScreen& f = game.main();
    f.onChartMenu();
    f.onOpeningMenu();
    qtWindow(f)->close(); // as from the window frame
    QCOMPARE(game.program->loadedScreens(), 0);
    QCOMPARE(game.ended, 1);
    QVERIFY(!game.program->chartWindow().isLoaded());
    QVERIFY(!game.program->openingScreen().isLoaded());
}

void MenusTest::sakuTogglesTheCreditOnEveryOpening() {
    PlayingGame game;
    MainScreen& f = game.main();
    QMenu* makerMenu = action(f.controls().makerMenu)->menu();
    QVERIFY(f.controls().creditLabel->isHidden());
    for (int opening = 1; opening <= 4; ++opening) {
        // Opening the menu is enough; nothing is picked from it.
        makerMenu->popup(QPoint(0, 0));
        makerMenu->hide();
        const bool shown = opening % 2 == 1;
        QCOMPARE(f.state().creditShown, shown);
        QCOMPARE(f.controls().creditLabel->isHidden(), !shown);
    }
    QVERIFY(!f.controls().creditLabel->text().empty());
}

void MenusTest::sakusyaPlaysTheOpeningAgain() {
    PlayingGame game;
    OpeningScreen& opening = game.program->openingScreen();
    QVERIFY(!opening.isLoaded());
    game.main().controls().openingMenuItem->trigger();
    QVERIFY(opening.isVisible());
    QCOMPARE(opening.ticks(), std::int16_t(0));
    for (std::int16_t i = 0; i < 12; ++i)
        QVERIFY(opening.controls().balls(i)->isHidden());
    QVERIFY(!opening.controls().titleCover->isHidden());
    // It ends as at start-up, with the main screen still in front.
    for (int tick = 0; tick < 26; ++tick)
        opening.onAnimationTick();
    QVERIFY(!opening.isLoaded());
    QVERIFY(game.main().isVisible());
}

void MenusTest::menuTexts() {
    PlayingGame game;
    const MainScreenControls& c = game.main().controls();
    QStringList bar;
    for (const auto& item : game.main().window()->menuBar().items())
        bar << QString::fromStdString(item->text());
    QCOMPARE(bar, QStringList({"ローマ字表", "文字練習", "終わる", "遊び方", "書き方", "製作者"}));
    QStringList help;
    for (const auto& item : c.howToPlayMenu->items())
        help << QString::fromStdString(item->text());
    QCOMPARE(help, QStringList(
                       {"ローマ字をならべかえて問題の言葉にします", "ヒントなしだと、得点2倍",
                        "「やりなおし」は、何度でも(ならべなおし)", "動物をｸﾘｯｸしてｷｹﾝから救い出してください",
                        "５回救えなかったら、ゲームオーバーです", "※「ヘボン式」と「訓令式」がまじっています",
                        "※\u3000＾\u3000はａｉｕｅｏの後でクリックします"}));
    QCOMPARE(c.makerMenu->items().size(), std::size_t(2));
    QCOMPARE(c.makerMenu->items()[0]->text(),
             QStringLiteral("minasan. tanosimi nagara ro^maji no benkyo^  wo site kudasai ne."));
    QCOMPARE(c.makerMenu->items()[1].get(), c.openingMenuItem);
    // The help items and the greeting only show their text.
    const int loaded = game.program->loadedScreens();
    for (const auto& item : c.howToPlayMenu->items())
        item->trigger();
    c.makerMessageItem->trigger();
    QCOMPARE(game.program->loadedScreens(), loaded);
    QVERIFY(game.main().isVisible());
}

// The word in play keeps its spelling; the next one is dealt, shown and judged in the chosen one, and the
// choice is there again when the game starts anew.
void MenusTest::spellingIsChosenForTheNextWordAndRemembered() {
    PlayingGame game;
    game.writeText(QStringLiteral("romaji.txt"), QStringLiteral("tu^ti,つうち\r\n"));
    game.program->quit();
    game.start();
    MainScreen& f = game.main();
    const MainScreenControls& c = f.controls();
    QVERIFY(c.spellingItems[0]->isChecked() && !c.spellingItems[1]->isChecked());
    QCOMPARE(f.state().answer, std::string("tu^ti"));
    c.spellingItems[1]->trigger();
    QVERIFY(!c.spellingItems[0]->isChecked() && c.spellingItems[1]->isChecked());
    QCOMPARE(f.state().answer, std::string("tu^ti"));
    answerRight(f);
    QCOMPARE(f.state().score, 10);
    QCOMPARE(f.state().answer, std::string("tsu^chi"));
    QStringList tiles;
    for (int k = 0; k < 7; ++k)
        tiles << QString::fromStdString(c.tiles(k)->text());
    QCOMPARE(tiles.count(QStringLiteral("¯")), 1);
    QVERIFY(pressLetters(f, QStringLiteral("tsu")));
    QVERIFY(f.onKeyDown({Qt::Key_Minus, "-"})); // the minus key presses the macron
    QCOMPARE(c.markedLineLabel->text(), std::string("ts￣"));
    f.onRetryClicked();
    f.onHintClicked();
    f.onHintClicked();
    QCOMPARE(c.hintLabel->text(), std::string("tsūchi"));
    c.spellingItems[2]->trigger();
    answerRight(f);
    QCOMPARE(f.state().answer, std::string("tsuuchi"));

    game.program->quit();
    game.program = std::make_unique<Program>(
        Services{game.random, game.sound, game.messageBox, {game.dir.path().toStdString()}, &game.settings},
        game.errors, game.display);
    game.start();
    QCOMPARE(game.program->spelling(), romaji::Spelling::hepburnDoubled);
    QVERIFY(game.main().controls().spellingItems[2]->isChecked());
    QCOMPARE(game.main().state().answer, std::string("tsuuchi"));
}

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
