// SPDX-License-Identifier: MIT
// Text that fits with any Japanese font: every letter on a tile, words of any length in the word label, full
// answer lines, the buttons, the score at its extremes, the credit line, the practice chart and the chart
// window draw their text whole inside their rectangles. CTest runs this twice: with the desktop's fonts, and
// with the IPA fonts hidden from fontconfig (Noto Sans CJK JP draws the text then), where taller line boxes
// used to cut the letters.
#include "frontends/qt/painter.h"
#include "frontends/qt/qtcolour.h"
#include "frontends/qt/textfit.h"
#include "qt/qtgame.h"
#include "qt/views.h"
#include "screens/chart/chart_layout.h"
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/practicechart.h"
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QtTest>

using frontend::FittedText;
using toolkit::Button;
using toolkit::Label;

namespace {

bool isInk(QRgb pixel, QColor background) {
    return std::abs(qRed(pixel) - background.red()) + std::abs(qGreen(pixel) - background.green()) +
               std::abs(qBlue(pixel) - background.blue()) >
           60;
}

struct Ink {
    int pixels = 0;
};

Ink inkOf(const QImage& image, QColor background) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink.pixels += isInk(image.pixel(x, y), background);
    return ink;
}

// The text as the control draws it inside area (its rectangle less any border), and the same text drawn
// where nothing can cut it off: if the control cut any of it (at an edge, or a line below its bottom), it
// shows fewer inked pixels.
void expectWhole(QWidget* control, const QRect& area, const FittedText& fit, QColor background, QColor ink,
                 const QString& what) {
    QImage drawn(control->size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(background);
    control->render(&drawn);
    const Ink inControl = inkOf(drawn.copy(area), background);

    constexpr int margin = 64;
    QImage free(control->size() + QSize(2 * margin, 4 * margin), QImage::Format_ARGB32_Premultiplied);
    free.fill(background);
    {
        QPainter painter(&free);
        painter.translate(margin, margin);
        painter.setPen(ink);
        fit.draw(painter);
    }
    const Ink whole = inkOf(free, background);
    const QString where = QStringLiteral("%1 at %2 px (ink %3,%4 %5x%6 in %7x%8)")
                              .arg(what)
                              .arg(fit.pixelSize())
                              .arg(fit.inkRect().x())
                              .arg(fit.inkRect().y())
                              .arg(fit.inkRect().width())
                              .arg(fit.inkRect().height())
                              .arg(area.width())
                              .arg(area.height());
    QVERIFY2(fit.fits(), qPrintable(where));
    QVERIFY2(QRectF(area).adjusted(1, 1, -1, -1).contains(fit.inkRect()), qPrintable(where));
    QVERIFY2(whole.pixels > 0, qPrintable(where + " draws nothing"));
    QVERIFY2(
        inControl.pixels >= whole.pixels,
        qPrintable(where +
                   QStringLiteral(" shows %1 of %2 inked pixels").arg(inControl.pixels).arg(whole.pixels)));
}

// The widgets that draw a label and a button.
frontend::LabelWidget* view(const Label* label) {
    return widget<frontend::LabelWidget>(label);
}

frontend::ButtonWidget* view(const Button* button) {
    return widget<frontend::ButtonWidget>(button);
}

void expectWhole(Label* label, const QString& text) {
    label->setText(text.toStdString());
    label->show();
    frontend::LabelWidget* drawn = view(label);
    expectWhole(drawn, drawn->contentsRect(), drawn->textFit(), frontend::toQColor(label->backColor()),
                frontend::toQColor(label->foreColor()), text);
}

void expectWhole(Button* button, const QString& text) {
    button->setText(text.toStdString());
    button->show();
    frontend::ButtonWidget* drawn = view(button);
    expectWhole(drawn, drawn->textBox(), drawn->textFit(), frontend::toQColor(button->backColor()),
                drawn->palette().color(QPalette::ButtonText), text);
}

QString usedFamily(const QFont& font) {
    return QRawFont::fromFont(font).familyName();
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tileLetters_data();
    void tileLetters();
    void questionWords_data();
    void questionWords();
    void answerLines_data();
    void answerLines();
    void buttonsScoreAndCredit();
    void practiceChart();
    void chartWindow();
    void fitRules_data();
    void fitRules();
    void endlessWord();

private:
    QtGameFixture game;
    MainScreen& f() { return game.program->mainScreen(); }
    const MainScreenControls& c() { return game.program->mainScreen().controls(); }
};

void TextFitTest::initTestCase() {
    game.writeText("romajimojiren.txt", fullPracticeData());
    game.start();
    f().show();
    const QString family = usedFamily(view(c().wordLabel)->font());
    qInfo("the word label is drawn in %s", qPrintable(family));
    // Run without the IPA fonts, the check must really draw with another font.
    if (!qEnvironmentVariableIsEmpty("FONTCONFIG_FILE")) {
        QVERIFY(!QFontDatabase::families().contains(QStringLiteral("IPAPGothic")));
        QVERIFY2(!family.startsWith(QLatin1String("IPA")), qPrintable(family));
    }
}

void TextFitTest::tileLetters_data() {
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("keepsSize");
    // Letters narrow enough for the tile keep the defined size in every font; wide ones may shrink a little.
    const QString narrow = QStringLiteral("aceiknorstuz^");
    for (QChar ch : QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ^,.-'"))
        QTest::newRow(qPrintable(QString(ch))) << QString(ch) << narrow.contains(ch);
}

void TextFitTest::tileLetters() {
    QFETCH(QString, letter);
    QFETCH(bool, keepsSize);
    for (std::int16_t k : {0, 13}) { // tile 0 has the window colours, the others plain white
        Label* tile = c().tiles(k);
        expectWhole(tile, letter);
        if (keepsSize) QCOMPARE(view(tile)->textFit().pixelSize(), view(tile)->font().pixelSize());
        QVERIFY(view(tile)->textFit().pixelSize() * 4 >= view(tile)->font().pixelSize() * 3);
    }
}

void TextFitTest::questionWords_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("keepsSize");
    QTest::newRow("3 kana") << QStringLiteral("いぬや") << true;
    QTest::newRow("12 kana") << QStringLiteral("じどうはんばいきのおかね") << true;
    QTest::newRow("15 kana") << QStringLiteral("ろーまじでかくことばのれんしゅう") << false;
    QTest::newRow("20 kana") << QStringLiteral("とうきょうとっきょきょかきょくのまどぐちです") << false;
    QTest::newRow("kanji and kana") << QStringLiteral("東京特許許可局") << true;
    QTest::newRow("latin with descenders") << QStringLiteral("jyugyou gapping") << true;
}

void TextFitTest::questionWords() {
    QFETCH(QString, word);
    QFETCH(bool, keepsSize);
    expectWhole(c().wordLabel, word);
    QCOMPARE(view(c().wordLabel)->textFit().pixelSize() == view(c().wordLabel)->font().pixelSize(),
             keepsSize);
}

void TextFitTest::answerLines_data() {
    QTest::addColumn<QString>("plain");
    QTest::newRow("short") << QStringLiteral("inu");
    QTest::newRow("descenders") << QStringLiteral("gyuujyuujippyaku");
    QTest::newRow("24 letters") << QStringLiteral("toukyoutokkyokyokakyokuu");
    QTest::newRow("capitals") << QStringLiteral("WASHINGTON");
}

void TextFitTest::answerLines() {
    QFETCH(QString, plain);
    expectWhole(c().plainLineLabel, plain);
    // The marked line lies behind the plain line but for its top, where its full-width carets show over
    // the plain romaji: the carets' tops are inside that strip, whatever the font; the letters below may
    // run past the marked line's bottom, since they are covered anyway.
    QString marked = plain;
    marked.replace(1, 1, QStringLiteral("＾"));
    Label* line = c().markedLineLabel;
    line->setText(marked.toStdString());
    const FittedText& fit = view(line)->textFit();
    const QString where =
        QStringLiteral("%1: ink at %2..%3").arg(marked).arg(fit.inkRect().top()).arg(fit.inkRect().right());
    QVERIFY2(fit.fits(), qPrintable(where));
    QVERIFY2(fit.inkRect().top() >= 1, qPrintable(where));
    QVERIFY2(fit.inkRect().top() < view(c().plainLineLabel)->y() - view(line)->y(),
             qPrintable(where + ": the carets hide"));
    QVERIFY2(fit.inkRect().left() >= 1 && fit.inkRect().right() <= view(line)->width() - 1,
             qPrintable(where));
    // Only its marks leave ink: a line without one draws nothing that could peek over the plain line.
    line->setText(plain.toStdString());
    QImage drawn(view(line)->size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::white);
    view(line)->render(&drawn);
    QCOMPARE(inkOf(drawn, Qt::white).pixels, 0);
}

void TextFitTest::buttonsScoreAndCredit() {
    expectWhole(c().okButton, QStringLiteral("Ｏ．Ｋ"));
    expectWhole(c().retryButton, QStringLiteral("やりなおし"));
    expectWhole(c().hintButton, QStringLiteral("ちょっとヒ ン ト"));
    expectWhole(c().hintButton, QStringLiteral("ラストヒント"));
    for (Button* b : {c().okButton, c().retryButton, c().hintButton})
        QCOMPARE(view(b)->textFit().pixelSize(), view(b)->font().pixelSize());
    for (const QString& score : {QStringLiteral("0"), QStringLiteral(" 32767"), QStringLiteral("-32768")}) {
        expectWhole(c().scoreLabel, score);
        // Right-aligned: the last digit ends at the label's right edge.
        QVERIFY(view(c().scoreLabel)->textFit().inkRect().right() >= view(c().scoreLabel)->width() - 6);
    }
    Label* credit = c().creditLabel;
    expectWhole(credit, QString::fromStdString(credit->text()));
    QCOMPARE(view(credit)->textFit().pixelSize(),
             view(credit)->font().pixelSize()); // short enough for its label
    f().onHintClicked(); // the first hint: the hint label shows the beginning of the answer
    expectWhole(c().hintLabel, QString::fromStdString(c().hintLabel->text()));
}

void TextFitTest::practiceChart() {
    f().onPracticeMenu();
    PracticeScreen& r = game.program->practiceScreen();
    QVERIFY(r.isVisible());
    const auto& labels = r.controls().chartLabels;
    for (std::int16_t k = 0; k < labels.count(); ++k) {
        Label* label = labels(k);
        expectWhole(label, QString::fromStdString(label->text()));
        QCOMPARE(view(label)->textFit().pixelSize(), view(label)->font().pixelSize());
    }
    // An answered label shows its prompt instead; the prompt label and the count fit as well.
    expectWhole(labels(80), QStringLiteral("kya"));
    expectWhole(r.controls().promptLabel, QStringLiteral("kya"));
    expectWhole(r.controls().countLabel, QStringLiteral("103こ"));
    expectWhole(r.controls().instructionLabel, QString::fromStdString(r.controls().instructionLabel->text()));
    expectWhole(r.controls().statusLabel, QStringLiteral("残り時間 205"));
    r.leave();
}

// Every cell's text stays inside the cell's rules: the pixel ring just inside each cell is background.
void TextFitTest::chartWindow() {
    ChartWindow& chartWindow = game.program->chartWindow();
    chartWindow.show();
    QWidget* canvas = widget(chartWindow.controls().chart);
    QImage image(canvas->size(), QImage::Format_ARGB32_Premultiplied);
    canvas->render(&image);
    const frontend::QtTextMetrics metrics;
    const chart::Layout& l = chartWindow.chartLayout(canvas->width(), canvas->height(), metrics);
    QVERIFY(l.fontPixels >= 9);
    for (int band = 0; band < chart::bandCount; ++band)
        for (int column = 0; column < chart::columnCount; ++column) {
            const toolkit::PixelRect rect = l.cellRect(band, column);
            const QRect cell(rect.left, rect.top, rect.width, rect.height);
            const QColor back = image.pixelColor(cell.topLeft());
            int ring = 0, inside = 0;
            QPoint touch;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x) {
                    const bool ink = isInk(image.pixel(x, y), back);
                    const bool edge =
                        x == cell.left() || x == cell.right() || y == cell.top() || y == cell.bottom();
                    if (ink && edge && ring++ == 0) touch = QPoint(x, y);
                    inside += ink;
                }
            const QString where = QStringLiteral("cell %1,%2 '%3'")
                                      .arg(band)
                                      .arg(column)
                                      .arg(QString::fromStdString(chart::bandCell(band, column)));
            QVERIFY2(ring == 0, qPrintable(QStringLiteral("%1 reaches its rules at %2,%3 in %4,%5 %6x%7")
                                               .arg(where)
                                               .arg(touch.x())
                                               .arg(touch.y())
                                               .arg(cell.x())
                                               .arg(cell.y())
                                               .arg(cell.width())
                                               .arg(cell.height())));
            QCOMPARE(inside > 0, !chart::bandCell(band, column).empty());
        }
}

// The rules of fitting, on plain boxes: the defined size stays when the text fits, a baseline that would put
// the ink outside moves it back in, and only text too big for the box is drawn smaller.
void TextFitTest::fitRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("shrinks");
    QTest::newRow("fits") << QStringLiteral("あ") << QSize(40, 40) << 30 << false << false;
    QTest::newRow("too wide, one line")
        << QStringLiteral("あいうえお") << QSize(100, 40) << 30 << false << true;
    QTest::newRow("too wide, wrapping, too low for two lines")
        << QStringLiteral("あいうえお") << QSize(100, 40) << 30 << true << true;
    QTest::newRow("wraps onto two lines that fit")
        << QStringLiteral("あいうえお") << QSize(100, 90) << 30 << true << false;
    QTest::newRow("empty") << QString() << QSize(10, 10) << 30 << true << false;
    QTest::newRow("blank") << QStringLiteral("   ") << QSize(10, 10) << 30 << true << false;
}

void TextFitTest::fitRules() {
    QFETCH(QString, text);
    QFETCH(QSize, box);
    QFETCH(int, pixels);
    QFETCH(bool, wrap);
    QFETCH(bool, shrinks);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixels);
    const QRect at(QPoint(7, 5), box);
    const FittedText fit(text, font, at, Qt::AlignLeft | Qt::AlignTop, wrap);
    QVERIFY(fit.fits());
    QCOMPARE(fit.pixelSize() < pixels, shrinks);
    if (!fit.inkRect().isEmpty()) QVERIFY(QRectF(at).adjusted(1, 1, -1, -1).contains(fit.inkRect()));
    // Text that cannot fit at all is drawn at the smallest size and said not to fit.
    const FittedText hopeless(QStringLiteral("あいうえおかきくけこ"), font, QRect(0, 0, 20, 4), Qt::AlignLeft,
                              false);
    QVERIFY(!hopeless.fits());
    QCOMPARE(hopeless.pixelSize(), FittedText::minimumPixels);
}

// A bank may hold a word of a million letters (the largest file the game reads). It overflows the word
// label at any size, so it is drawn at the smallest size from its first letter on, inside the label; and it
// is laid out in the time of a paint, not for every one of its letters at every size.
void TextFitTest::endlessWord() {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(24);
    const QRect label(0, 40, 377, 33);
    const FittedText fit(QString(1'000'000, QLatin1Char('a')), font, label, Qt::AlignLeft | Qt::AlignVCenter,
                         true);
    QVERIFY(!fit.fits());
    QCOMPARE(fit.pixelSize(), FittedText::minimumPixels);
    QVERIFY(!fit.inkRect().isEmpty());
    QVERIFY(fit.inkRect().left() >= label.left() && fit.inkRect().left() < label.left() + 4);
    QVERIFY(fit.inkRect().top() >= label.top() && fit.inkRect().top() < label.bottom());
}

QTEST_MAIN(TextFitTest)
#include "test_textfit.moc"
