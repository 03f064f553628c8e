// SPDX-License-Identifier: MIT
// Start-up of the main screen: the load step, the question bank's bounds and its bad-input errors, and
// the end of the program when the last screen closes.
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "support/gamefixture.h"
#include "support/stdstring.h"
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void loadStepSetsUpTheFirstQuestion();
    void bankBounds();
    void badBanksStopWithFileAndLine();
    void programEndsWhenNoScreenIsLoaded();
};

void StartupTest::loadStepSetsUpTheFirstQuestion() {
    GameFixture game;
    game.start();
    QVERIFY(game.errors.details.isEmpty());
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    QVERIFY(f.isLoaded());
    QVERIFY(!f.isVisible()); // the opening screen brings it up later
    QVERIFY(game.program->openingScreen().isVisible());
    QCOMPARE(f.state().questionCount, 5);
    QCOMPARE(c.scoreLabel->text(), QStringLiteral("0"));
    QVERIFY(c.creditLabel->isHidden());
    for (std::int16_t k = 0; k < 12; ++k) {
        QVERIFY(c.creatures(k)->isHidden());
        QCOMPARE(c.creatures(k)->left(), 100.f);
        QCOMPARE(c.creatures(k)->top(), 100.f);
        QVERIFY(f.state().creatureSpeed[k] >= 1 && f.state().creatureSpeed[k] <= 50);
    }
    QVERIFY(f.state().romajiList.begin() + 5 !=
            std::find(f.state().romajiList.begin(), f.state().romajiList.begin() + 5, f.state().answer));
    QCOMPARE(c.wordLabel->text(), f.state().questionWord);
    QVERIFY(!c.wordLabel->isHidden());
    // No design-time caption survives the load step.
    QCOMPARE(c.markedLineLabel->text(), QString());
    QCOMPARE(c.plainLineLabel->text(), QString());
    for (std::int16_t k = 0; k < 24; ++k)
        if (!c.tiles(k)->isHidden()) QVERIFY(c.tiles(k)->text() != "Label1");
}

void StartupTest::bankBounds() {
    {
        // A bank without a word would deal no tile: it is refused, naming the file.
        GameFixture game(QStringLiteral(""));
        game.start();
        QCOMPARE(game.errors.details.size(), 1);
        QVERIFY(game.errors.playerTexts[0].contains(QStringLiteral("ことばが一つもありません")));
    }
    {
        QString bank;
        for (int i = 0; i < 401; ++i)
            bank += QStringLiteral("w%1,ことば%1\r\n").arg(i);
        GameFixture game(bank);
        game.start();
        QVERIFY(game.errors.details.isEmpty());
        QCOMPARE(game.program->mainScreen().state().questionCount, 401);
        QCOMPARE(game.program->mainScreen().state().romajiList[400], QStringLiteral("w400"));
    }
    {
        // A quoted answer may hold a comma; blanks before a field are not part of it.
        GameFixture game(QStringLiteral("\"a,b\",  えー\r\n"));
        game.start();
        QCOMPARE(game.program->mainScreen().state().romajiList[0], QStringLiteral("a,b"));
        QCOMPARE(game.program->mainScreen().state().wordList[0], QStringLiteral("えー"));
    }
    {
        // A line of three fields shifts every later record by one field.
        GameFixture game(QStringLiteral("a,あ,b\r\nい\r\n"));
        game.start();
        const MainScreen& f = game.program->mainScreen();
        QCOMPARE(f.state().questionCount, 2);
        QCOMPARE(f.state().romajiList[1], QStringLiteral("b"));
        QCOMPARE(f.state().wordList[1], QStringLiteral("い"));
    }
}

void StartupTest::badBanksStopWithFileAndLine() {
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* expected;
    };
    QString tooMany;
    for (int i = 0; i < 402; ++i)
        tooMany += QStringLiteral("w,x\r\n");
    const QList<Case> cases = {
        {"cut off", "inu,\x82\xa2\x82\xca\r\nneko\r\n",
         "romaji.txt, line 2: the file ends in the middle of a record"},
        {"402 records", tooMany.toLatin1(), "romaji.txt, line 402: more than 401 records"},
        {"25 letters", "abcdefghijklmnopqrstuvwxy,x\r\n",
         "romaji.txt, line 1: the answer 'abcdefghijklmnopqrstuvwxy' is 25"},
        {"invalid cp932", "inu,x\r\nneko,\x82\r\n", "romaji.txt, line 2: bytes that are not valid Shift_JIS"},
        {"utf-8 bom, then not utf-8", "\xEF\xBB\xBFinu,x\r\nneko,\x82\r\n",
         "romaji.txt, line 2: bytes that are not valid UTF-8"},
        {"quote", "\"inu,x\r\n", "romaji.txt, line 1: a double quote opened here is never closed"},
    };
    for (const Case& c : cases) {
        GameFixture game(QString{});
        game.writeBytes(QStringLiteral("romaji.txt"), c.bytes);
        game.start();
        QVERIFY2(game.errors.details.size() == 1, c.name);
        QVERIFY2(game.errors.details[0].startsWith(QLatin1String(c.expected)),
                 qPrintable(game.errors.details[0]));
        QVERIFY(game.errors.playerTexts[0].contains(QStringLiteral("romaji.txt")));
    }
    GameFixture missing(QString{});
    missing.start();
    QCOMPARE(missing.errors.details.size(), 1);
    QVERIFY(missing.errors.details[0].contains(missing.dir.path()));
    QVERIFY(missing.errors.playerTexts[0].contains(QStringLiteral("見つかりません")));
}

void StartupTest::programEndsWhenNoScreenIsLoaded() {
    GameFixture game;
    int ended = 0;
    game.program->onLastScreenClosed = [&] { ++ended; };
    game.start();
    QCOMPARE(game.program->loadedScreens(), 3); // main (hidden), opening, chart (hidden)
    game.program->mainScreen().hide();
    QCOMPARE(ended, 0); // a hidden loaded screen keeps the program running
    game.program->openingScreen().close();
    QCOMPARE(ended, 0);
    game.program->mainScreen().onQuitMenu();
    QCOMPARE(ended, 1);
    game.program->openingScreen().close(); // closing a screen that is not loaded does nothing
    QCOMPARE(ended, 1);
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
