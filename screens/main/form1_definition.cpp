#include "screens/main/form1_definition.h"
#include "screens/main/colours.h"
#include "screens/main/track.h"
#include "toolkit/builder.h"
#include "toolkit/icon.h"
#include "toolkit/twips.h"
#include <QIcon>
#include <QMenuBar>

using namespace toolkit;
using mainscreen::lightGreen;

const CreatureDef creatureDefs[12] = {
    {"nezumi", ":/creatures/creature00.gif", 20}, {"usi", ":/creatures/creature01.gif", 40},
    {"tora", ":/creatures/creature02.gif", 70},   {"usagi", ":/creatures/creature03.gif", 110},
    {"tatsu", ":/creatures/creature04.gif", 160}, {"hebi", ":/creatures/creature05.gif", 220},
    {"uma", ":/creatures/creature06.gif", 290},   {"hituji", ":/creatures/creature07.gif", 370},
    {"saru", ":/creatures/creature08.gif", 460},  {"tori", ":/creatures/creature09.gif", 560},
    {"inu", ":/creatures/creature10.gif", 660},   {"inoshishi", ":/creatures/creature11.gif", 760},
};

namespace {

const QString pGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString mincho = QStringLiteral("ＭＳ 明朝");
const QColor answerBlue(0, 0, 192);
const QColor windowColour = Qt::white;
const QColor windowText = Qt::black;

// Labels from back to front: later ones are drawn over earlier ones where they overlap.
void buildLabels(QWidget* w, Form1Controls& c) {
    c.Label3 = makeLabel(
        w, {{0, 600, 5655, 495}, "Label3", Qt::black, lightGreen, {pGothic, 21.75}, Qt::AlignHCenter});
    c.Label2 = makeLabel(w, {{5400, 0, 495, 375},
                             "",
                             QColor(0, 0, 255),
                             QColor(255, 255, 192),
                             {pGothic, 36},
                             Qt::AlignLeft,
                             false});
    // The credit line is short enough to stand on one line of its label at its defined size.
    c.Label6 = makeLabel(w, {{4080, 120, 1935, 255},
                             QStringLiteral("作・ポクラク開発"),
                             windowText,
                             windowColour,
                             {pGothic, 11.25}});
    for (int k = 0; k < 24; ++k) {
        const int left = 240 + 480 * (k % 12);
        const int top = k < 12 ? 2280 : 2880;
        auto* tile = makeLabel(w, {{left, top, 450, 555},
                                   "Label1",
                                   k == 0 ? windowText : Qt::black,
                                   k == 0 ? windowColour : Qt::white,
                                   {pGothic, 27.75},
                                   Qt::AlignHCenter});
        tile->setCursor(cursorFrom(QStringLiteral(":/cursors/tile.png"), {2, 2}));
        c.Label1.set(static_cast<std::int16_t>(k), tile);
    }
    c.Label8 = makeLabel(w, {{1800, 3720, 3135, 375}, "", QColor(255, 0, 0), Qt::white, {pGothic, 14.25}});
    c.Label5 = makeLabel(w, {{120, 1320, 5895, 615},
                             QStringLiteral("asKipj＾"),
                             answerBlue,
                             Qt::white,
                             {pGothic, 36},
                             Qt::AlignHCenter});
    c.Label7 = makeLabel(w, {{120, 1440, 6015, 735},
                             QStringLiteral("asKipj　"),
                             answerBlue,
                             Qt::white,
                             {pGothic, 36},
                             Qt::AlignHCenter});
    // Only the marked line's top shows above the plain line: the carets there must be inside, the letters
    // below are covered anyway.
    c.Label5->setTextMayRunBelow(true);
    c.Line1 = new Line(w, {px(480), px(2040)}, {px(5640), px(2040)}, QColor(0, 0, 255));
    c.Label4 = makeLabel(w, {{4680, 3360, 1215, 735},
                             "",
                             QColor(128, 255, 128),
                             Qt::white,
                             {mincho, 21.75, true},
                             Qt::AlignRight});
    const struct {
        const char* vowel;
        int left, top, height;
    } vowels[5] = {{"a", 120, 1320, 255},
                   {"i", 240, 1560, 255},
                   {"u", 120, 1680, 375},
                   {"e", 120, 1920, 255},
                   {"o", 0, 2160, 255}};
    for (int k = 0; k < 5; ++k) {
        const auto& v = vowels[k];
        c.Label9.set(static_cast<std::int16_t>(k),
                     makeLabel(w, {{v.left, v.top, 135, v.height}, v.vowel, QColor(0, 128, 0), Qt::white}));
    }
}

void buildPictures(QWidget* w, Form1Controls& c) {
    const QCursor creatureCursor = cursorFrom(QStringLiteral(":/cursors/creature.png"), {2, 2});
    for (int k = 0; k < 12; ++k) {
        const CreatureDef& def = creatureDefs[k];
        auto* creature =
            makePicture(w, {{100, 100, 0, 0}, def.picture, windowColour, true, true, def.toolTip});
        creature->setCursor(creatureCursor);
        c.Picture1.set(static_cast<std::int16_t>(k), creature);
    }
    using mainscreen::slotPitch, mainscreen::slotRowLeft, mainscreen::slotRowTop, mainscreen::slotSize;
    for (int k = 0; k < 12; ++k) {
        const Rect slot{slotRowLeft + slotPitch * k, slotRowTop, slotSize, slotSize};
        c.Picture2.set(static_cast<std::int16_t>(k),
                       makePicture(w, {slot, "", windowColour, true, false, "", true}));
    }
    c.Picture4 = makePicture(w, {{4080, 1080, 735, 700}, ":/main/stamp.gif", Qt::white, false});
    c.Picture5 = makePicture(w, {{240, 1080, 480, 495},
                                 ":/main/stop.gif",
                                 Qt::white,
                                 true,
                                 false,
                                 QStringLiteral("この先にガケがあるよ！")});
    c.Picture6 = makePicture(w, {{5640, 4200, 495, 495}, ":/main/eaten.gif", Qt::white, false});
    c.Picture3 = makePicture(w, {{5280, 4440, 375, 375}, "", Qt::white, false});
}

void buildButtons(QWidget* w, Form1Controls& c) {
    c.Command1 =
        makeButton(w, {{3480, 2400, 1095, 372}, QStringLiteral("Ｏ．Ｋ"), lightGreen, {mincho, 10.5}});
    c.Command2 =
        makeButton(w, {{3480, 3360, 1095, 372}, QStringLiteral("やりなおし"), lightGreen, {mincho, 9}});
    c.Command3 =
        makeButton(w, {{120, 3720, 1575, 375}, QStringLiteral("ちょっとヒ ン ト"), lightGreen, {mincho, 9}});
    for (Button* b : {c.Command1, c.Command2, c.Command3})
        b->setCursor(Qt::ArrowCursor);
}

void buildMenus(ScreenWindow* window, Form1Controls& c) {
    QMenuBar* bar = window->menuBar();
    c.hyou = bar->addAction(QStringLiteral("ローマ字表"));
    c.moren = bar->addAction(QStringLiteral("文字練習"));
    c.owaru = bar->addAction(QStringLiteral("終わる"));
    c.asobikata = bar->addMenu(QStringLiteral("遊び方"));
    for (const char* text :
         {"ローマ字をならべかえて問題の言葉にします", "ヒントなしだと、得点2倍",
          "「やりなおし」は、何度でも(ならべなおし)", "動物をｸﾘｯｸしてｷｹﾝから救い出してください",
          "５回救えなかったら、ゲームオーバーです", "※「ヘボン式」と「訓令式」がまじっています",
          "※　＾　はａｉｕｅｏの後でクリックします"})
        c.asobikata->addAction(QString::fromUtf8(text));
    c.saku = bar->addMenu(QStringLiteral("製作者"));
    c.zxcv =
        c.saku->addAction(QStringLiteral("minasan. tanosimi nagara ro^maji no benkyo^  wo site kudasai ne."));
    c.sakusya = c.saku->addAction(QStringLiteral("ポクラク開発チーム（オープニングをもう一度）"));
}

} // namespace

ScreenWindow* buildForm1(Form1Controls& c) {
    auto* window = new ScreenWindow(QStringLiteral("ポクラク　　　　　　　 Ver.7.2"), {px(6135), px(4905)});
    window->setWindowIcon(toolkit::programIcon());
    window->setDesignPosition({px(5730), px(900)}); // beside the chart window at the left edge of the screen
    QWidget* w = window->client();
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, Qt::white);
    w->setPalette(palette);
    buildLabels(w, c);
    buildPictures(w, c);
    buildButtons(w, c);
    buildMenus(window, c);
    c.Timer1 = new Timer(window, 500, true);
    c.Timer2 = new Timer(window, 50, false);
    return window;
}
