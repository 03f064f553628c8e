// SPDX-License-Identifier: MIT
// An untrapped error ends the game: while its error box waits for the player nothing else of the game runs,
// so the opening screen's clock cannot bring up the half-loaded main screen behind the box.
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "support/gamefixture.h"
#include <QtTest>

class FatalErrorTest : public QObject {
    Q_OBJECT
private slots:
    void nothingRunsWhileTheErrorBoxIsOpen();
};

void FatalErrorTest::nothingRunsWhileTheErrorBoxIsOpen() {
    {
        RecordingErrors errors;
        toolkit::Guard guard(errors);
        bool ranInside = false;
        errors.whileOpen = [&] { guard.run([&] { ranInside = true; }); };
        guard.run([] { throw std::runtime_error("first failure"); });
        QVERIFY(!ranInside);
        bool ranAfter = false;
        errors.whileOpen = nullptr;
        guard.run([&] { ranAfter = true; }); // the test's box returns; a real one never does
        QVERIFY(ranAfter);
    }
    {
        // No romaji.txt: the load step fails after it has shown the opening screen.
        GameFixture game(QString{});
        OpeningScreen& opening = game.program->openingScreen();
        int ticksSent = 0;
        game.errors.whileOpen = [&] {
            // More ticks than the whole animation needs before it brings up the main screen.
            for (; ticksSent < 40; ++ticksSent) {
                QVERIFY(opening.isLoaded());
                emit opening.controls().animationTimer->tick();
            }
        };
        game.start();
        QCOMPARE(ticksSent, 40);
        QCOMPARE(game.errors.details.size(), 1);
        QVERIFY(game.errors.details[0].startsWith(QStringLiteral("romaji.txt: file not found")));
        QCOMPARE(opening.ticks(), 0);
        QVERIFY(opening.isVisible());
        QVERIFY(!game.program->mainScreen().isVisible());
    }
}

QTEST_MAIN(FatalErrorTest)
#include "test_fatalerror.moc"
