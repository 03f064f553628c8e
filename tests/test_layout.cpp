// The main screen's look as the player sees it: window caption and size, a sample of every control group
// at its place with its colours and font, the stacking of the answer lines, the menus, and fonts that can
// draw Japanese.
#include "screens/main/form1.h"
#include "support/gamefixture.h"
#include <QFontDatabase>
#include <QMenuBar>
#include <QRawFont>
#include <QtTest>

using toolkit::Label;

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { game.start(); }
    void windowAndClientArea();
    void controlsAtTheirPlaces();
    void stackingOfTheAnswerLines();
    void menuCaptions();
    void fontsDrawJapanese();
    void creaturesTellTheirNames();

private:
    GameFixture game;
    Form1& f() { return game.program->form1(); }
    const Form1Controls& c() { return game.program->form1().controls(); }
};

void LayoutTest::windowAndClientArea() {
    QCOMPARE(f().window()->windowTitle(), QStringLiteral("ポクラク　　　　　　　 Ver.7.2"));
    QCOMPARE(f().window()->client()->size(), QSize(409, 327));
    QVERIFY(!f().window()->windowIcon().isNull());
    QCOMPARE(f().window()->client()->palette().color(QPalette::Window), QColor(Qt::white));
}

void LayoutTest::controlsAtTheirPlaces() {
    // Tiles: two rows of twelve, 450 × 555 twips.
    const struct {
        int k;
        QRect at;
    } tiles[] = {
        {0, {16, 152, 30, 37}}, {11, {368, 152, 30, 37}}, {12, {16, 192, 30, 37}}, {23, {368, 192, 30, 37}}};
    for (const auto& t : tiles) {
        Label* tile = c().Label1(t.k);
        QCOMPARE(tile->geometry(), t.at);
        QCOMPARE(tile->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(tile->font().pixelSize(), 37); // 27.75 pt
        QVERIFY(tile->alignment() & Qt::AlignHCenter);
        QVERIFY(!tile->cursor().pixmap().isNull());
    }
    QCOMPARE(c().Picture2(0)->geometry(), QRect(8, 280, 33, 33));
    QCOMPARE(c().Picture2(11)->geometry(), QRect(360, 280, 33, 33));
    QVERIFY(c().Picture2(11)->isVisibleTo(f().window()));
    const struct {
        toolkit::Button* button;
        QRect at;
        QString caption;
        int pixels;
    } buttons[] = {{c().Command1, {232, 160, 73, 25}, QStringLiteral("Ｏ．Ｋ"), 14},
                   {c().Command2, {232, 224, 73, 25}, QStringLiteral("やりなおし"), 12},
                   {c().Command3, {8, 248, 105, 25}, QStringLiteral("ちょっとヒント"), 12}};
    for (const auto& b : buttons) {
        QCOMPARE(b.button->geometry(), b.at);
        QCOMPARE(b.button->text(), b.caption);
        QCOMPARE(b.button->font().family(), QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(b.button->font().pixelSize(), b.pixels);
        QCOMPARE(b.button->backColor(), QColor(192, 255, 192));
    }
    QCOMPARE(c().Label3->geometry(), QRect(0, 40, 377, 33));
    QCOMPARE(c().Label3->backColor(), QColor(192, 255, 192));
    QCOMPARE(c().Label5->geometry(), QRect(8, 88, 393, 41));
    QCOMPARE(c().Label7->geometry(), QRect(8, 96, 401, 49));
    for (Label* line : {c().Label5, c().Label7}) {
        QCOMPARE(line->foreColor(), QColor(0, 0, 192));
        QCOMPARE(line->font().pixelSize(), 48); // 36 pt
    }
    QCOMPARE(c().Label4->geometry(), QRect(312, 224, 81, 49));
    QVERIFY(c().Label4->font().bold());
    QVERIFY(c().Label4->alignment() & Qt::AlignRight);
    QCOMPARE(c().Label4->foreColor(), QColor(128, 255, 128));
    QCOMPARE(c().Label8->foreColor(), QColor(255, 0, 0));
    QVERIFY(c().Label2->isHidden());
    QCOMPARE(c().Line1->from(), QPoint(32, 136));
    QCOMPARE(c().Line1->to(), QPoint(376, 136));
    QCOMPARE(c().Picture5->toolTip(), QStringLiteral("この先にガケがあるよ！"));
    QCOMPARE(c().Timer1->interval(), 500);
    QVERIFY(c().Timer1->isEnabled());
    QCOMPARE(c().Timer2->interval(), 50);
    QVERIFY(!c().Timer2->isEnabled());
}

void LayoutTest::stackingOfTheAnswerLines() {
    const QObjectList order = f().window()->client()->children();
    const auto depth = [&](QObject* o) { return order.indexOf(o); };
    // Front to back: vowel labels, score, line, plain line, marked line, hint label.
    QVERIFY(depth(c().Label9(0)) > depth(c().Label4));
    QVERIFY(depth(c().Label4) > depth(c().Line1));
    QVERIFY(depth(c().Line1) > depth(c().Label7));
    QVERIFY(depth(c().Label7) > depth(c().Label5));
    QVERIFY(depth(c().Label5) > depth(c().Label8));
    // Picture boxes and buttons lie in front of every label.
    for (QObject* front : {static_cast<QObject*>(c().Picture1(0)), static_cast<QObject*>(c().Command1)})
        for (int k = 0; k < 5; ++k)
            QVERIFY(depth(front) > depth(c().Label9(k)));
    // The marked line peeks out above the plain line by 120 twips.
    QCOMPARE(c().Label7->y() - c().Label5->y(), 8);
}

void LayoutTest::menuCaptions() {
    QStringList top;
    for (QAction* a : f().window()->menuBar()->actions())
        top << a->text();
    QCOMPARE(top, (QStringList{"ローマ字表", "文字練習", "終わる", "遊び方", "製作者"}));
    QStringList help;
    for (QAction* a : c().asobikata->actions())
        help << a->text();
    QCOMPARE(help, (QStringList{
                       "ローマ字をならべかえて問題の言葉にします", "ヒントなしだと、得点2倍",
                       "「やりなおし」は、何度でも(ならべなおし)", "動物をｸﾘｯｸしてｷｹﾝから救い出してください",
                       "５回救えなかったら、ゲームオーバーです", "※「ヘボン式」と「訓令式」がまじっています",
                       "※　＾　はａｉｕｅｏの後でクリックします"}));
    QCOMPARE(c().saku->actions().first()->text(),
             QStringLiteral("minasan. tanosimi nagara ro^maji no benkyo^  wo site kudasai ne."));
    QCOMPARE(c().saku->actions().size(), 2);
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
    for (int k = 0; k < 12; ++k) {
        QCOMPARE(c().Picture1(k)->toolTip(), QString::fromLatin1(names[k]));
        QCOMPARE(c().Picture1(k)->accessibleName(), QString::fromLatin1(names[k]));
        QCOMPARE(c().Picture1(k)->size(), sizes[k]); // each box takes its picture's size
    }
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
