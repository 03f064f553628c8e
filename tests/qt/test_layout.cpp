// SPDX-License-Identifier: MIT
// The main screen's look as the player sees it: window caption and size, a sample of every control group
// at its place with its colours and font, the stacking of the answer lines, the menus, and fonts that can
// draw Japanese.
#include "frontends/qt/qtcolour.h"
#include "frontends/qt/twips.h"
#include "qt/qtgame.h"
#include "qt/stdstring.h"
#include "qt/views.h"
#include "screens/main/main_screen.h"
#include <QAccessible>
#include <QFontDatabase>
#include <QMenuBar>
#include <QRawFont>
#include <QtTest>
#include <functional>

using toolkit::Label;

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { game.start(); }
    void windowAndClientArea();
    void controlsAtTheirPlaces();
    void stackingOfTheAnswerLines();
    void definedNamesFindTheControls();
    void menuCaptions();
    void fontsDrawJapanese();
    void creaturesTellTheirNames();
    void clearColoursRedrawAtOnce();

private:
    QtGameFixture game;
    MainScreen& f() { return game.program->mainScreen(); }
    const MainScreenControls& c() { return game.program->mainScreen().controls(); }
};

void LayoutTest::windowAndClientArea() {
    // The player in force follows the game's name.
    QCOMPARE(qtWindow(f())->windowTitle(), QStringLiteral("ポクラク　　　　　　　 Ver.7.2　プレイヤー"));
    QCOMPARE(qtWindow(f())->client()->size(), QSize(409, 327));
    QVERIFY(!qtWindow(f())->windowIcon().isNull());
    QCOMPARE(qtWindow(f())->client()->palette().color(QPalette::Window), QColor(Qt::white));
}

void LayoutTest::controlsAtTheirPlaces() {
    // Tiles: two rows of twelve, 450 × 555 twips.
    const struct {
        int k;
        QRect at;
    } tiles[] = {
        {0, {16, 152, 30, 37}}, {11, {368, 152, 30, 37}}, {12, {16, 192, 30, 37}}, {23, {368, 192, 30, 37}}};
    for (const auto& t : tiles) {
        const auto* tile = widget<QLabel>(c().tiles(t.k));
        QCOMPARE(tile->geometry(), t.at);
        QCOMPARE(tile->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(tile->font().pixelSize(), 37); // 27.75 pt
        QVERIFY(tile->alignment() & Qt::AlignHCenter);
        QVERIFY(!tile->cursor().pixmap().isNull());
    }
    QCOMPARE(widget(c().parkingSlots(0))->geometry(), QRect(8, 280, 33, 33));
    QCOMPARE(widget(c().parkingSlots(11))->geometry(), QRect(360, 280, 33, 33));
    QVERIFY(widget(c().parkingSlots(11))->isVisibleTo(qtWindow(f())));
    const struct {
        toolkit::Button* button;
        QRect at;
        QString caption;
        int pixels;
    } buttons[] = {{c().okButton, {232, 160, 73, 25}, QStringLiteral("Ｏ．Ｋ"), 14},
                   {c().retryButton, {232, 224, 73, 25}, QStringLiteral("やりなおし"), 12},
                   {c().hintButton, {8, 248, 105, 25}, QStringLiteral("ちょっとヒント"), 12}};
    for (const auto& b : buttons) {
        QCOMPARE(widget(b.button)->geometry(), b.at);
        QCOMPARE(b.button->text(), b.caption);
        QCOMPARE(widget(b.button)->font().family(), QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(widget(b.button)->font().pixelSize(), b.pixels);
        QCOMPARE(b.button->backColor(), QColor(192, 255, 192));
    }
    QCOMPARE(widget(c().wordLabel)->geometry(), QRect(0, 40, 377, 33));
    QCOMPARE(c().wordLabel->backColor(), QColor(192, 255, 192));
    QCOMPARE(widget(c().markedLineLabel)->geometry(), QRect(8, 88, 393, 41));
    QCOMPARE(widget(c().plainLineLabel)->geometry(), QRect(8, 96, 401, 49));
    for (Label* line : {c().markedLineLabel, c().plainLineLabel}) {
        QCOMPARE(line->foreColor(), QColor(0, 0, 192));
        QCOMPARE(widget(line)->font().pixelSize(), 48); // 36 pt
    }
    QCOMPARE(widget(c().scoreLabel)->geometry(), QRect(312, 224, 81, 49));
    QVERIFY(widget(c().scoreLabel)->font().bold());
    QVERIFY(widget<QLabel>(c().scoreLabel)->alignment() & Qt::AlignRight);
    QCOMPARE(c().scoreLabel->foreColor(), QColor(128, 255, 128));
    QCOMPARE(c().hintLabel->foreColor(), QColor(255, 0, 0));
    QVERIFY(c().answerLabel->isHidden());
    // The line's ends are kept in twips; the player sees them at these pixels.
    const auto pixels = [](toolkit::Point p) { return QPoint(frontend::px(p.x), frontend::px(p.y)); };
    QCOMPARE(pixels(c().answerRule->from()), QPoint(32, 136));
    QCOMPARE(pixels(c().answerRule->to()), QPoint(376, 136));
    QCOMPARE(c().cliffSign->toolTip(), QStringLiteral("この先にガケがあるよ！"));
    QCOMPARE(c().chaseTimer->interval(), 500);
    QVERIFY(c().chaseTimer->isEnabled());
    QCOMPARE(c().catchTimer->interval(), 50);
    QVERIFY(!c().catchTimer->isEnabled());
}

void LayoutTest::stackingOfTheAnswerLines() {
    const QObjectList order = qtWindow(f())->client()->children();
    const auto depth = [&](const toolkit::Control* control) { return order.indexOf(widget(control)); };
    // Front to back: vowel labels, score, line, plain line, marked line, hint label.
    QVERIFY(depth(c().vowelLabels(0)) > depth(c().scoreLabel));
    QVERIFY(depth(c().scoreLabel) > depth(c().answerRule));
    QVERIFY(depth(c().answerRule) > depth(c().plainLineLabel));
    QVERIFY(depth(c().plainLineLabel) > depth(c().markedLineLabel));
    QVERIFY(depth(c().markedLineLabel) > depth(c().hintLabel));
    // Picture boxes and buttons lie in front of every label.
    for (const toolkit::Control* front : {static_cast<const toolkit::Control*>(c().creatures(0)),
                                          static_cast<const toolkit::Control*>(c().okButton)})
        for (int k = 0; k < 5; ++k)
            QVERIFY(depth(front) > depth(c().vowelLabels(k)));
    // The marked line peeks out above the plain line by 120 twips.
    QCOMPARE(widget(c().plainLineLabel)->y() - widget(c().markedLineLabel)->y(), 8);
}

void LayoutTest::definedNamesFindTheControls() {
    QWidget* window = qtWindow(f());
    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->findChild<QObject*>(QStringLiteral("Command1")),
             static_cast<QObject*>(widget(c().okButton)));
    QCOMPARE(window->findChild<QObject*>(QStringLiteral("hyou")),
             static_cast<QObject*>(action(c().chartMenuItem)));
    QCOMPARE(window->findChildren<QObject*>(QStringLiteral("Label1")).size(), 24);
}

// The desktop's menu bar and menus show the game's items, each under its own caption, in their order.
void LayoutTest::menuCaptions() {
    const std::function<void(const toolkit::MenuItem&, const QList<QAction*>&)> expectShown =
        [&](const toolkit::MenuItem& menu, const QList<QAction*>& shown) {
            QCOMPARE(shown.size(), static_cast<qsizetype>(menu.items().size()));
            for (std::size_t k = 0; k < menu.items().size(); ++k) {
                const toolkit::MenuItem& item = *menu.items()[k];
                QCOMPARE(shown[static_cast<qsizetype>(k)], action(&item));
                QCOMPARE(action(&item)->text(), QString::fromStdString(item.text()));
                if (item.isMenu()) expectShown(item, action(&item)->menu()->actions());
            }
        };
    expectShown(f().window()->menuBar(), qtWindow(f())->menuBar()->actions());
}

void LayoutTest::fontsDrawJapanese() {
    const QString sample = QStringLiteral("ローマ字＾ちょっとヒント");
    for (const char* family : {"ＭＳ Ｐゴシック", "ＭＳ ゴシック", "ＭＳ 明朝"}) {
        QFont font(QString::fromUtf8(family));
        font.setPixelSize(20);
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY2(raw.isValid(), family);
        for (QChar ch : sample)
            QVERIFY2(raw.supportsCharacter(ch), qPrintable(QString::fromUtf8(family) + ch));
        QVERIFY2(raw.familyName().startsWith(QLatin1String("IPA"), Qt::CaseInsensitive) ||
                     raw.familyName().contains(QLatin1String("CJK")),
                 qPrintable(raw.familyName()));
    }
}

void LayoutTest::creaturesTellTheirNames() {
    const char* names[12] = {"nezumi", "usi",    "tora", "usagi", "tatsu", "hebi",
                             "uma",    "hituji", "saru", "tori",  "inu",   "inoshishi"};
    const QSize sizes[12] = {{24, 25}, {26, 26}, {28, 23}, {24, 31}, {25, 32}, {35, 25},
                             {20, 30}, {36, 24}, {32, 24}, {32, 29}, {26, 26}, {29, 24}};
    QSet<QString> slotNames;
    for (int k = 0; k < 12; ++k) {
        QCOMPARE(c().creatures(k)->toolTip(), QString::fromLatin1(names[k]));
        QCOMPARE(widget(c().creatures(k))->size(), sizes[k]); // each box takes its picture's size
        slotNames << widget(c().parkingSlots(k))->accessibleName();
    }
    QVERIFY(slotNames.size() == 12 && slotNames.contains(QStringLiteral("ねずみの へや")));
    // Whatever a click reaches is named for screen readers; what is only there to look at is passed over.
    for (const auto& control : f().window()->controls()) {
        const auto* label = dynamic_cast<const Label*>(control.get());
        const auto* picture = dynamic_cast<const toolkit::PictureBox*>(control.get());
        QWidget* drawn = widget(control.get());
        if ((label && label->mouseDown.isConnected()) || (picture && picture->clicked.isConnected()) ||
            control->kind() == toolkit::Control::Kind::button)
            QVERIFY2(!drawn->accessibleName().isEmpty(), qPrintable(drawn->objectName()));
        if (control->isDecorative()) QVERIFY(QAccessible::queryAccessibleInterface(drawn)->state().invisible);
    }
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"

// 見やすい色 redraws the shown window at once: a tile gets the edge the toolkit gives; off again, none.
void LayoutTest::clearColoursRedrawAtOnce() {
    for (int turn = 0; turn < 2; ++turn) {
        c().clearColoursItem->trigger();
        const auto edge = toolkit::drawnColours(*c().tiles(0), game.display.look()).edge;
        QCOMPARE(widget(c().tiles(0))->grab().toImage().pixelColor(0, 0),
                 frontend::toQColor(edge.value_or(c().tiles(0)->backColor())));
    }
}
