// SPDX-License-Identifier: MIT
// Playing the main screen from the keyboard, through key events delivered the way the window system
// delivers them: letters press the tiles that carry them (the long-vowel mark from every layout, the lowest
// tile first, upper and lower case), Enter submits only a finished answer and never deals again, Escape
// starts over, a held key presses once, and keys meant for menus, other windows or a modal box press
// nothing.
#include "qt/qtgame.h"
#include "qt/stdstring.h"
#include "qt/views.h"
#include "screens/main/main_screen.h"
#include "support/practicechart.h"
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

namespace {

struct KeyStroke {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
};

// A key of a sequence: a character types itself (an upper-case letter with Shift), "^" is the JIS caret key,
// "Shift+6" the US one and "Dead^" a dead circumflex; "Ctrl+"/"Alt+" prefix a letter.
KeyStroke strokeOf(const QString& token) {
    if (token == u"Enter") return {Qt::Key_Return, QStringLiteral("\r"), {}};
    if (token == u"KeypadEnter") return {Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier};
    if (token == u"Escape") return {Qt::Key_Escape, QStringLiteral("\x1b"), {}};
    if (token == u"Space") return {Qt::Key_Space, QStringLiteral(" "), {}};
    for (const auto& [name, key] :
         {std::pair{u"Down", Qt::Key_Down}, {u"Right", Qt::Key_Right}, {u"F10", Qt::Key_F10}})
        if (token == name) return {key, QString(), {}};
    if (token == u"^") return {Qt::Key_AsciiCircum, QStringLiteral("^"), {}};
    if (token == u"Shift+6") return {Qt::Key_AsciiCircum, QStringLiteral("^"), Qt::ShiftModifier};
    if (token == u"Dead^") return {Qt::Key_Dead_Circumflex, QString(), {}};
    // As the window system types them: Ctrl with a letter types a control character, Alt the letter itself.
    if (token.startsWith(u"Ctrl+")) {
        const KeyStroke plain = strokeOf(token.mid(5));
        return {plain.key, QString(QChar(plain.key - Qt::Key_A + 1)), plain.modifiers | Qt::ControlModifier};
    }
    if (token.startsWith(u"Alt+")) {
        const KeyStroke plain = strokeOf(token.mid(4));
        return {plain.key, plain.text, plain.modifiers | Qt::AltModifier};
    }
    const QChar c = token.front();
    if (c.isLetter())
        return {Qt::Key(Qt::Key_A + (c.toUpper().unicode() - u'A')), token,
                c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier};
    return {Qt::Key(c.unicode()), token, {}};
}

// Types a sequence of keys, separated by blanks, at the window that has the keyboard focus. A key followed
// by '*' is held down: the keyboard repeats it three times before it is let go.
void type(const QString& keys) {
    for (QString token : keys.split(u' ', Qt::SkipEmptyParts)) {
        const bool held = token.size() > 1 && token.endsWith(u'*');
        if (held) token.chop(1);
        const KeyStroke k = strokeOf(token);
        QWindow* window = QGuiApplication::focusWindow();
        QVERIFY(window);
        if (!held) {
            QTest::sendKeyEvent(QTest::Click, window, k.key, k.text, k.modifiers);
            continue;
        }
        QTest::simulateEvent(window, true, k.key, k.modifiers, k.text, false);
        for (int repeat = 0; repeat < 3; ++repeat) {
            QTest::simulateEvent(window, false, k.key, k.modifiers, k.text, true);
            QTest::simulateEvent(window, true, k.key, k.modifiers, k.text, true);
        }
        QTest::simulateEvent(window, false, k.key, k.modifiers, k.text, false);
    }
}

int tilesLeft(const MainScreen& f) {
    int left = 0;
    for (std::int16_t k = 0; k < 24; ++k)
        left += f.controls().tiles(k)->isHidden() ? 0 : 1;
    return left;
}

// Starts a game whose bank holds one word and brings its main window to the front.
MainScreen& showGame(QtGameFixture& game) {
    game.start();
    MainScreen& f = game.program->mainScreen();
    f.show();
    return f;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void sequences_data();
    void sequences();
    void nothingWhileAnotherWindowIsActive();
    void nothingWhileAModalBoxIsOpen();
    void nothingOnThePracticeScreen();
    void lettersInTheMenuBarStayThere();
    void keysInAnOpenMenuStayThere();
};

namespace {

// One row: the bank's one word, the score before, the keys typed, then what must show: the answer line (the
// marked and plain lines where they differ from it), the score, whether OK is shown and the tiles left.
void row(const char* name, const QString& word, int before, const QString& keys, const QString& line,
         int score, bool ok, int left, const QString& marked = {}, const QString& plain = {}) {
    QTest::newRow(name) << word << before << keys << line << (marked.isNull() ? line : marked)
                        << (plain.isNull() ? line : plain) << score << ok << left;
}

} // namespace

void KeyboardTest::sequences_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("scoreBefore");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("line");   // the hidden answer line
    QTest::addColumn<QString>("marked"); // the marked line
    QTest::addColumn<QString>("plain");  // the plain line
    QTest::addColumn<int>("score");
    QTest::addColumn<bool>("okShown");
    QTest::addColumn<int>("tilesLeft");

    const QString roma = QStringLiteral("ro^maji");
    row("repeated letters", "sakana", 0, "s a k a n a", "sakana", 0, true, 0);
    row("repeated letters, Enter", "sakana", 0, "s a k a n a Enter", "", 12, false, 6);
    row("caret from the JIS ^ key", roma, 0, "r o ^ m a j i", roma, 0, true, 0, "r＾maji", "romaji");
    row("caret from US Shift+6, Enter", roma, 0, "r o Shift+6 m a j i Enter", "", 14, false, 7);
    row("caret from a dead key", roma, 0, "r o Dead^ m a", "ro^ma", 0, false, 2, "r＾ma", "roma");
    row("keys with no tile", "inu", 0, "x i Q n 7 Tab u q", "inu", 0, true, 0);
    row("a letter already pressed", "inu", 0, "i i n", "in", 0, false, 1);
    row("Enter before the last letter", "inu", 10, "i n Enter", "in", 10, false, 1);
    row("Enter before the last letter, then it", "inu", 10, "i n Enter u", "inu", 10, true, 0);
    row("Enter twice after OK", "inu", 0, "i n u Enter Enter", "", 6, false, 3);
    row("Enter after OK keeps the next letters", "inu", 0, "i n u Enter i Enter", "i", 6, false, 2);
    row("wrong answer, Enter twice", "inu", 20, "u n i Enter Enter i", "i", 15, false, 2);
    row("keypad Enter", "inu", 0, "i n u KeypadEnter", "", 6, false, 3);
    row("Escape starts over", "inu", 10, "i n Escape", "", 10, false, 3);
    row("Escape with OK shown", "inu", 10, "i n u Escape", "", 10, false, 3);
    row("held letter presses once", "sakana", 0, "s a* k", "sak", 0, false, 3);
    row("held letter, pressed again", "sakana", 0, "a* a", "aa", 0, false, 4);
    row("held last letter, held Enter", "inu", 0, "i n u* Enter* i", "i", 6, false, 2);
    row("upper and lower case", "KoKo", 0, "K o k o Enter", "", 8, false, 4);
    row("upper case presses no lower case", "koko", 0, "K o", "o", 0, false, 3);
    row("Ctrl and Alt letters", "inu", 0, "Ctrl+i Alt+n i", "i", 0, false, 2);
    row("Space presses the focused OK", "inu", 0, "i n u Space", "", 6, false, 3);
    row("the first creature out, saved by Down", "inu", 16, "i n u Enter Down", "", 22, false, 3);
}

void KeyboardTest::sequences() {
    QFETCH(QString, word);
    QFETCH(int, scoreBefore);
    QFETCH(QString, keys);
    QtGameFixture game((word + QStringLiteral(",ことば\r\n")).toStdString());
    MainScreen& f = showGame(game);
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(f)));
    f.setScoreForTests(scoreBefore);
    type(keys);
    const auto& c = f.controls();
    // A button pressed from the keyboard goes down at once and is clicked a moment later: wait for that
    // click, so a press that reached a button by mistake shows in the lines below.
    QTRY_VERIFY(!widget<QPushButton>(c.okButton)->isDown() && !widget<QPushButton>(c.retryButton)->isDown() &&
                !widget<QPushButton>(c.hintButton)->isDown());
    QTEST(QString::fromStdString(c.answerLabel->text()), "line");
    QTEST(QString::fromStdString(c.markedLineLabel->text()), "marked");
    QTEST(QString::fromStdString(c.plainLineLabel->text()), "plain");
    QTEST(static_cast<int>(f.state().score), "score");
    QTEST(!c.okButton->isHidden(), "okShown");
    QTEST(tilesLeft(f), "tilesLeft");
    QCOMPARE(static_cast<int>(f.state().placedCount), f.state().answerLength - tilesLeft(f));
    QCOMPARE(c.catchTimer->isEnabled(), keys.endsWith(u"Down"));
    QVERIFY(game.errors.details.empty());
}

// Keys typed while another window of the game is in front press no tile, even when they reach the main
// window.
void KeyboardTest::nothingWhileAnotherWindowIsActive() {
    QtGameFixture game("inu,いぬ\r\n");
    MainScreen& f = showGame(game);
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(f)));
    game.program->chartWindow().show();
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(game.program->chartWindow())));
    QTest::sendKeyEvent(QTest::Click, qtWindow(f)->windowHandle(), Qt::Key_I, QStringLiteral("i"), {});
    type(QStringLiteral("n"));
    QCOMPARE(tilesLeft(f), 3);
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(f)));
    type(QStringLiteral("u"));
    QCOMPARE(f.controls().answerLabel->text(), QStringLiteral("u"));
}

void KeyboardTest::nothingWhileAModalBoxIsOpen() {
    QtGameFixture game("inu,いぬ\r\n");
    MainScreen& f = showGame(game);
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(f)));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ポクラク"), QStringLiteral("box"), QMessageBox::Ok,
                    qtWindow(f));
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QTest::sendKeyEvent(QTest::Click, qtWindow(f)->windowHandle(), Qt::Key_I, QStringLiteral("i"), {});
    type(QStringLiteral("n u"));
    QCOMPARE(tilesLeft(f), 3);
    QCOMPARE(f.controls().answerLabel->text(), QString());
    box.close();
}

// The practice screen keeps its own ways: letters typed there press no tile of the hidden main screen, and
// Enter with no romaji typed presses the focused START.
void KeyboardTest::nothingOnThePracticeScreen() {
    QtGameFixture game("inu,いぬ\r\n");
    game.writeText("romajimojiren.txt", fullPracticeData());
    MainScreen& f = showGame(game);
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(f)));
    f.onPracticeMenu();
    toolkit::Screen& practice = game.program->practiceScreen();
    QVERIFY(practice.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(practice)));
    type(QStringLiteral("i n u Enter"));
    QTRY_VERIFY(game.program->practiceScreen().controls().startButton->isHidden());
    QTest::sendKeyEvent(QTest::Click, qtWindow(f)->windowHandle(), Qt::Key_I, QStringLiteral("i"), {});
    QCOMPARE(tilesLeft(f), 3);
    QCOMPARE(f.state().score, 0);
}

// Alt or F10 opens the menu bar for the keyboard, whatever the desktop style: the keys typed then belong to
// the menus and press no tile; Escape, or a pick with the arrows and Enter, gives them back to the game.
void KeyboardTest::lettersInTheMenuBarStayThere() {
    QtGameFixture game("inu,いぬ\r\n");
    MainScreen& f = showGame(game);
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(f)));
    QWindow* window = qtWindow(f)->windowHandle();
    QTest::simulateEvent(window, true, Qt::Key_Alt, {}, QString(), false);
    QTest::simulateEvent(window, false, Qt::Key_Alt, Qt::AltModifier, QString(), false);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(qtWindow(f)->menuBar()));
    type(QStringLiteral("i n Escape F10 Right Right Right Right Down Down Enter")); // 書き方's second item
    QTRY_VERIFY(f.controls().spellingItems[1]->isChecked());
    type(QStringLiteral("i"));
    QTRY_COMPARE(tilesLeft(f), 2);
}

// An open menu takes the keys typed while it is open: a letter presses no tile, Escape closes the menu and
// leaves the letters placed so far.
void KeyboardTest::keysInAnOpenMenuStayThere() {
    QtGameFixture game("inu,いぬ\r\n");
    MainScreen& f = showGame(game);
    QVERIFY(QTest::qWaitForWindowActive(qtWindow(f)));
    type(QStringLiteral("i"));
    QMenu* menu = action(f.controls().howToPlayMenu)->menu();
    menu->popup(qtWindow(f)->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(QApplication::activePopupWidget() == menu);
    for (const Qt::Key key : {Qt::Key_N, Qt::Key_U, Qt::Key_Escape})
        QTest::keyClick(static_cast<QWidget*>(nullptr), key); // to the open menu, as the window system sends
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(f.controls().answerLabel->text(), QStringLiteral("i"));
    QCOMPARE(tilesLeft(f), 2);
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
