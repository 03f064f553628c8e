// Screens visited many times in one process: the practice screen and the opening screen opened and left
// 1 000 times each, with the screens, windows and icons checked after every visit.
#include "screens/chart/form2.h"
#include "screens/main/form1.h"
#include "screens/opening/cright.h"
#include "screens/practice/rensyu.h"
#include "support/gamefixture.h"
#include "support/quietplatform.h"
#include "toolkit/icon.h"
#include <QApplication>
#include <QtTest>

class VisitsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void thousandVisitsOfPracticeAndOpening();
};

void VisitsTest::thousandVisitsOfPracticeAndOpening() {
    GameFixture game;
    game.writeBytes(QStringLiteral("romajimojiren.txt"), {});
    game.start();
    Program& program = *game.program;
    Cright& opening = program.cright();
    while (opening.isLoaded())
        opening.Timer1_Timer();
    GameFixture::flushDeletes();
    QVERIFY(program.form1().isVisible());
    const int screens = program.loadedScreens(); // main and chart
    const auto windows = QApplication::topLevelWidgets().size();
    const qint64 icon = toolkit::programIcon().cacheKey();
    int openingTicks = 0; // the length of the animation, the same on every visit

    for (int visit = 0; visit < 1000; ++visit) {
        program.form1().moren_Click();
        QVERIFY(program.rensyu().isVisible());
        QVERIFY(!program.form1().isVisible());
        QVERIFY(program.form2().isVisible());
        program.rensyu().rowaru_Click();
        QVERIFY(!program.rensyu().isLoaded());
        QVERIFY(program.form1().isVisible());
        QVERIFY(!program.form2().isVisible());

        program.form1().sakusya_Click();
        QVERIFY(opening.isVisible());
        // Every window carries the one program icon: a fresh icon per window filled Qt's pixmap cache
        // with copies on every visit.
        QCOMPARE(opening.window()->windowIcon().cacheKey(), icon);
        int ticks = 0;
        while (opening.isLoaded() && ticks < 100) {
            opening.Timer1_Timer();
            ++ticks;
        }
        QVERIFY(!opening.isLoaded());
        if (visit == 0) openingTicks = ticks;
        QCOMPARE(ticks, openingTicks);
        QVERIFY(program.form1().isVisible());

        // What the event loop does between visits: deliver posted events and delete closed windows.
        QCoreApplication::sendPostedEvents();
        GameFixture::flushDeletes();
        QCOMPARE(program.loadedScreens(), screens);
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QVERIFY(game.errors.details.isEmpty());
    }
    QCOMPARE(program.form1().window()->windowIcon().cacheKey(), icon);
}

QTEST_MAIN(VisitsTest)
#include "test_visits.moc"
