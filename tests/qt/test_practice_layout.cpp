// SPDX-License-Identifier: MIT
// The practice screen's look when it opens: the window, every chart label's index, kana, place, width,
// colour and type size, the other labels, the buttons, the timers and the menu bar, and that a click on a
// chart label reaches the handler with that label's own index.
#include "frontends/qt/twips.h"
#include "qt/qtgame.h"
#include "qt/stdstring.h"
#include "qt/views.h"
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include <QMenuBar>
#include <QtTest>

using frontend::px;

class PracticeLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void windowAndMenuBar();
    void chartLabelsAsDefined();
    void clickingEachLabelReportsItsIndex();
    void otherLabelsButtonsAndTimers();
};

namespace {
QRect twipRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}
int pixelSize(double points) {
    return static_cast<int>(std::lround(points * 96 / 72));
}
// The widget that draws a label: its place in pixels, its font, alignment and pointer.
const QLabel* view(const toolkit::Label* label) {
    return widget<frontend::LabelWidget>(label);
}
} // namespace

void PracticeLayoutTest::windowAndMenuBar() {
    QtGameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    QVERIFY(r.isVisible());
    frontend::QtWindow* w = qtWindow(r);
    QCOMPARE(w->windowTitle(), QStringLiteral("ローマ字練習"));
    QCOMPARE(w->client()->size(), QSize(499, 269));
    QVERIFY(!w->windowIcon().pixmap(16, 16).isNull());
    QCOMPARE(w->client()->palette().color(QPalette::Window), QColor(255, 255, 255));
    QStringList captions;
    for (QAction* a : w->menuBar()->actions())
        captions << a->text();
    QCOMPARE(captions, (QStringList{"初級", "中級", "上級", "タイムなし", "終わる", "にがてを れんしゅう"}));
    const auto& c = r.controls();
    QCOMPARE(c.noTimeMenuItems(0)->text(), QStringLiteral("タイムなし"));
    for (QAction* a : w->menuBar()->actions()) {
        QVERIFY(a->isVisible());
        QVERIFY(a->isEnabled());
        QVERIFY(!a->menu()); // every item acts at once; none opens a submenu
    }
}

void PracticeLayoutTest::chartLabelsAsDefined() {
    QtGameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const auto& c = r.controls();
    QCOMPARE(expectedChart().size(), 104);
    QCOMPARE(c.chartLabels.count(), 104);
    for (const ExpectedChartLabel& e : expectedChart()) {
        const toolkit::Label* label = c.chartLabels(e.index);
        const QLabel* drawn = view(label);
        const QByteArray where = QByteArray::number(e.index);
        QVERIFY2(label->text() == e.kana, where);
        QVERIFY2(drawn->geometry() == twipRect(e.left, e.top, e.width, 375), where);
        QVERIFY2(label->foreColor() == e.fore, where);
        QVERIFY2(label->backColor() == QColor(255, 255, 255), where);
        QVERIFY2(drawn->font().pixelSize() == pixelSize(e.points), where);
        QVERIFY2(drawn->font().bold(), where);
        QVERIFY2(drawn->font().family() == QStringLiteral("ＭＳ ゴシック"), where);
        QVERIFY2(drawn->alignment().testFlag(Qt::AlignLeft), where);
        QVERIFY2(!label->hasBorder(), where);
        QVERIFY2(label->isVisible(), where);
        QVERIFY2(drawn->cursor().shape() == Qt::BitmapCursor, where); // the tile cursor
    }
    // The three kana with a second spelling are the only ones in the smallest type.
    QCOMPARE(view(c.chartLabels(95))->font().pixelSize(), 10);
    QCOMPARE(view(c.chartLabels(94))->font().pixelSize(), 14);
    QCOMPARE(view(c.chartLabels(98))->font().pixelSize(), 14);
}

void PracticeLayoutTest::clickingEachLabelReportsItsIndex() {
    QtGameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    QWidget* client = qtWindow(r)->client();
    r.onStartClicked(); // START: the first target is record 0, あ
    QCOMPARE(r.controls().promptLabel->text(), promptFor(0));
    for (const ExpectedChartLabel& e : expectedChart()) {
        QWidget* hit = client->childAt(twipRect(e.left, e.top, e.width, 375).center());
        const toolkit::Label* label = r.controls().chartLabels(e.index);
        QVERIFY2(hit == widget(label), e.kana.c_str());
        // Every click goes to the clicked kana; only the target's kana counts, and then it shows the prompt.
        const bool answers = e.kana == r.state().targetAnswer;
        const std::int16_t before = r.state().correctCount;
        const std::string prompt = r.state().targetPrompt;
        QTest::mouseClick(hit, Qt::LeftButton);
        QCOMPARE(label->text(), answers ? prompt : e.kana);
        QCOMPARE(r.state().correctCount, before + (answers ? 1 : 0));
        if (e.index == 0) QCOMPARE(r.controls().chartLabels(0)->text(), promptFor(0));
    }
    QVERIFY(r.state().correctCount >= 1);
    // The empty cells of the plain kana hold no label: a click there reaches no chart label.
    const std::int16_t counted = r.state().correctCount;
    const auto captions = r.state().chartCaptions;
    for (const QPoint cell :
         {QPoint(600, 2520), QPoint(1560, 2520), QPoint(1560, 3240), QPoint(2040, 3240)}) {
        const QPoint centre = twipRect(cell.x(), cell.y(), 465, 375).center();
        QVERIFY(client->childAt(centre) == nullptr);
        QTest::mouseClick(client, Qt::LeftButton, {}, centre);
    }
    QCOMPARE(r.state().correctCount, counted);
    QVERIFY(r.state().chartCaptions == captions);
    QVERIFY(game.errors.details.empty());
}

void PracticeLayoutTest::otherLabelsButtonsAndTimers() {
    QtGameFixture game;
    PracticeScreen& r = openPractice(game, fullPracticeData());
    const auto& c = r.controls();
    // The target timer waits for a choice; the run clock ticks once a second from the start.
    QCOMPARE(c.targetTimer->interval(), 1000);
    QVERIFY(!c.targetTimer->isEnabled());
    QCOMPARE(c.runClock->interval(), 1000);
    QVERIFY(c.runClock->isEnabled());
    const QColor red(255, 0, 0);
    struct Expected {
        const toolkit::Label* label;
        QRect at;
        QString caption;
        QColor back;
        int pixels;
        bool bold;
    };
    const QList<Expected> labels = {
        {c.instructionLabel, twipRect(2520, 1920, 2415, 255), QStringLiteral("　次の文字をクリックしなさい"),
         Qt::white, 12, false},
        {c.levelLabel, twipRect(2760, 2160, 1935, 255), QString(), Qt::white, 15, true},
        {c.promptLabel, twipRect(2760, 2520, 1935, 855), QString(), Qt::white, 27, false},
        {c.countLabel, twipRect(3480, 3480, 1335, 495), QString(), Qt::white, 24, false},
        {c.statusLabel, twipRect(1560, 3600, 2175, 375), QStringLiteral("「級」は？"), Qt::white, 19, false},
    };
    for (const Expected& e : labels) {
        QCOMPARE(view(e.label)->geometry(), e.at);
        QCOMPARE(e.label->text(), e.caption);
        QCOMPARE(e.label->backColor(), e.back);
        QCOMPARE(view(e.label)->font().pixelSize(), e.pixels);
        QCOMPARE(view(e.label)->font().bold(), e.bold);
        QCOMPARE(e.label->foreColor(), e.label == c.promptLabel ? QColor(Qt::black) : red);
        QCOMPARE(e.label->hasBorder(), e.label == c.countLabel);
        QVERIFY(e.label->isVisible());
    }
    QCOMPARE(view(c.promptLabel)->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));

    QCOMPARE(widget(c.startButton)->geometry(), twipRect(2520, 3120, 855, 375));
    QCOMPARE(c.startButton->text(), QStringLiteral("START"));
    QCOMPARE(c.startButton->backColor(), QColor(255, 255, 192));
    QVERIFY(c.startButton->isVisible());
    QCOMPARE(widget(c.beginButton)->geometry(),
             view(c.countLabel)->geometry()); // the begin button covers the count exactly
    QCOMPARE(c.beginButton->text(), QStringLiteral("はじめる"));
    QCOMPARE(c.beginButton->backColor(), QColor(255, 192, 128));
    QCOMPARE(widget(c.beginButton)->font().pixelSize(), 15);
    QVERIFY(c.beginButton->isHidden());

    // Stacking: the count in front of the time display, the begin button in front of the count.
    QWidget* client = qtWindow(r)->client();
    const QPoint overlap(px(3600), px(3800));
    QCOMPARE(client->childAt(overlap), widget(c.countLabel));
    r.onNoTimeMenu(0);
    QCOMPARE(client->childAt(overlap), widget(c.beginButton));
}

QTEST_MAIN(PracticeLayoutTest)
#include "test_practice_layout.moc"
