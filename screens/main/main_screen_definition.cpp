// SPDX-License-Identifier: MIT
#include "screens/main/main_screen_definition.h"
#include "screens/main/colours.h"
#include "screens/main/track.h"
#include "toolkit/builder.h"
#include "toolkit/icon.h"
#include "toolkit/qtcolour.h"
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
void buildLabels(QWidget* w, MainScreenControls& c) {
    c.wordLabel = makeLabel(
        w,
        {{0, 600, 5655, 495}, "Label3", Qt::black, toQColor(lightGreen), {pGothic, 21.75}, Qt::AlignHCenter});
    c.answerLabel = makeLabel(w, {{5400, 0, 495, 375},
                                  "",
                                  QColor(0, 0, 255),
                                  QColor(255, 255, 192),
                                  {pGothic, 36},
                                  Qt::AlignLeft,
                                  false});
    // The credit line is short enough to stand on one line of its label at its defined size.
    c.creditLabel = makeLabel(w, {{4080, 120, 1935, 255},
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
        c.tiles.set(static_cast<std::int16_t>(k), tile);
    }
    c.hintLabel = makeLabel(w, {{1800, 3720, 3135, 375}, "", QColor(255, 0, 0), Qt::white, {pGothic, 14.25}});
    c.markedLineLabel = makeLabel(w, {{120, 1320, 5895, 615},
                                      QStringLiteral("asKipj＾"),
                                      answerBlue,
                                      Qt::white,
                                      {pGothic, 36},
                                      Qt::AlignHCenter});
    c.plainLineLabel = makeLabel(w, {{120, 1440, 6015, 735},
                                     QStringLiteral("asKipj　"),
                                     answerBlue,
                                     Qt::white,
                                     {pGothic, 36},
                                     Qt::AlignHCenter});
    // Only the marked line's top shows above the plain line: the carets there must be inside, the letters
    // below are covered anyway.
    c.markedLineLabel->setTextMayRunBelow(true);
    c.answerRule = new Line(w, {px(480), px(2040)}, {px(5640), px(2040)}, QColor(0, 0, 255));
    c.scoreLabel = makeLabel(w, {{4680, 3360, 1215, 735},
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
        c.vowelLabels.set(
            static_cast<std::int16_t>(k),
            makeLabel(w, {{v.left, v.top, 135, v.height}, v.vowel, QColor(0, 128, 0), Qt::white}));
    }
}

void buildPictures(QWidget* w, MainScreenControls& c) {
    const QCursor creatureCursor = cursorFrom(QStringLiteral(":/cursors/creature.png"), {2, 2});
    for (int k = 0; k < 12; ++k) {
        const CreatureDef& def = creatureDefs[k];
        auto* creature =
            makePicture(w, {{100, 100, 0, 0}, def.picture, windowColour, true, true, def.toolTip});
        creature->setCursor(creatureCursor);
        c.creatures.set(static_cast<std::int16_t>(k), creature);
    }
    using mainscreen::slotPitch, mainscreen::slotRowLeft, mainscreen::slotRowTop, mainscreen::slotSize;
    for (int k = 0; k < 12; ++k) {
        const Rect slot{slotRowLeft + slotPitch * k, slotRowTop, slotSize, slotSize};
        c.parkingSlots.set(static_cast<std::int16_t>(k),
                           makePicture(w, {slot, "", windowColour, true, false, "", true}));
    }
    c.praiseStamp = makePicture(w, {{4080, 1080, 735, 700}, ":/main/stamp.gif", Qt::white, false});
    c.cliffSign = makePicture(w, {{240, 1080, 480, 495},
                                  ":/main/stop.gif",
                                  Qt::white,
                                  true,
                                  false,
                                  QStringLiteral("この先にガケがあるよ！")});
    c.eatenMark = makePicture(w, {{5640, 4200, 495, 495}, ":/main/eaten.gif", Qt::white, false});
    c.blankPicture = makePicture(w, {{5280, 4440, 375, 375}, "", Qt::white, false});
}

void buildButtons(QWidget* w, MainScreenControls& c) {
    c.okButton = makeButton(
        w, {{3480, 2400, 1095, 372}, QStringLiteral("Ｏ．Ｋ"), toQColor(lightGreen), {mincho, 10.5}});
    c.retryButton = makeButton(
        w, {{3480, 3360, 1095, 372}, QStringLiteral("やりなおし"), toQColor(lightGreen), {mincho, 9}});
    c.hintButton = makeButton(
        w, {{120, 3720, 1575, 375}, QStringLiteral("ちょっとヒ ン ト"), toQColor(lightGreen), {mincho, 9}});
    for (Button* b : {c.okButton, c.retryButton, c.hintButton})
        b->setCursor(Qt::ArrowCursor);
}

void buildMenus(ScreenWindow* window, MainScreenControls& c) {
    QMenuBar* bar = window->menuBar();
    c.chartMenuItem = bar->addAction(QStringLiteral("ローマ字表"));
    c.practiceMenuItem = bar->addAction(QStringLiteral("文字練習"));
    c.quitMenuItem = bar->addAction(QStringLiteral("終わる"));
    c.howToPlayMenu = bar->addMenu(QStringLiteral("遊び方"));
    for (const char* text :
         {"ローマ字をならべかえて問題の言葉にします", "ヒントなしだと、得点2倍",
          "「やりなおし」は、何度でも(ならべなおし)", "動物をｸﾘｯｸしてｷｹﾝから救い出してください",
          "５回救えなかったら、ゲームオーバーです", "※「ヘボン式」と「訓令式」がまじっています",
          "※　＾　はａｉｕｅｏの後でクリックします"})
        c.howToPlayMenu->addAction(QString::fromUtf8(text));
    c.makerMenu = bar->addMenu(QStringLiteral("製作者"));
    c.makerMessageItem = c.makerMenu->addAction(
        QStringLiteral("minasan. tanosimi nagara ro^maji no benkyo^  wo site kudasai ne."));
    c.openingMenuItem =
        c.makerMenu->addAction(QStringLiteral("ポクラク開発チーム（オープニングをもう一度）"));
}

} // namespace

ScreenWindow* buildMainScreen(MainScreenControls& c) {
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
    c.chaseTimer = new Timer(window, 500, true);
    c.catchTimer = new Timer(window, 50, false);
    nameControls({{window, "Form1"},
                  {c.answerLabel, "Label2"},
                  {c.wordLabel, "Label3"},
                  {c.scoreLabel, "Label4"},
                  {c.markedLineLabel, "Label5"},
                  {c.creditLabel, "Label6"},
                  {c.plainLineLabel, "Label7"},
                  {c.hintLabel, "Label8"},
                  {c.blankPicture, "Picture3"},
                  {c.praiseStamp, "Picture4"},
                  {c.cliffSign, "Picture5"},
                  {c.eatenMark, "Picture6"},
                  {c.okButton, "Command1"},
                  {c.retryButton, "Command2"},
                  {c.hintButton, "Command3"},
                  {c.answerRule, "Line1"},
                  {c.chaseTimer, "Timer1"},
                  {c.catchTimer, "Timer2"},
                  {c.chartMenuItem, "hyou"},
                  {c.practiceMenuItem, "moren"},
                  {c.quitMenuItem, "owaru"},
                  {c.howToPlayMenu, "asobikata"},
                  {c.makerMenu, "saku"},
                  {c.makerMessageItem, "zxcv"},
                  {c.openingMenuItem, "sakusya"}});
    return window;
}
