// SPDX-License-Identifier: MIT
#include "screens/main/main_screen_definition.h"
#include "screens/main/colours.h"
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"
#include "screens/main/track.h"
#include "toolkit/builder.h"

using namespace toolkit;
using mainscreen::lightGreen;

const CreatureDef creatureDefs[12] = {
    {"nezumi", "creatures/creature00.gif", 20, "ねずみ"},
    {"usi", "creatures/creature01.gif", 40, "うし"},
    {"tora", "creatures/creature02.gif", 70, "とら"},
    {"usagi", "creatures/creature03.gif", 110, "うさぎ"},
    {"tatsu", "creatures/creature04.gif", 160, "たつ"},
    {"hebi", "creatures/creature05.gif", 220, "へび"},
    {"uma", "creatures/creature06.gif", 290, "うま"},
    {"hituji", "creatures/creature07.gif", 370, "ひつじ"},
    {"saru", "creatures/creature08.gif", 460, "さる"},
    {"tori", "creatures/creature09.gif", 560, "とり"},
    {"inu", "creatures/creature10.gif", 660, "いぬ"},
    {"inoshishi", "creatures/creature11.gif", 760, "いのしし"},
};

namespace {

const std::string pGothic = "ＭＳ Ｐゴシック";
const std::string mincho = "ＭＳ 明朝";
constexpr Colour answerBlue{0, 0, 192};
constexpr Colour windowColour = white;
constexpr Colour windowText = black;

// Labels from back to front: later ones are drawn over earlier ones where they overlap.
void buildLabels(Window& w, MainScreenControls& c, MainScreen& screen, Guard& guard) {
    c.wordLabel = makeLabel(
        w, nullptr, {{0, 600, 5655, 495}, "Label3", black, lightGreen, {pGothic, 21.75}, Align::centre});
    c.answerLabel = makeLabel(w, nullptr,
                              {{5400, 0, 495, 375},
                               "",
                               Colour{0, 0, 255},
                               Colour{255, 255, 192},
                               {pGothic, 36},
                               Align::left,
                               false});
    // The credit line is short enough to stand on one line of its label at its defined size.
    c.creditLabel = makeLabel(
        w, nullptr, {{4080, 120, 1935, 255}, "作・ポクラク開発", windowText, windowColour, {pGothic, 11.25}});
    for (int k = 0; k < 24; ++k) {
        const int left = 240 + 480 * (k % 12);
        const int top = k < 12 ? 2280 : 2880;
        auto* tile = makeLabel(w, nullptr,
                               {{left, top, 450, 555},
                                "Label1",
                                k == 0 ? windowText : black,
                                k == 0 ? windowColour : white,
                                {pGothic, 27.75},
                                Align::centre});
        tile->setCursor({"cursors/tile.png", {2, 2}});
        const auto index = static_cast<std::int16_t>(k);
        c.tiles.set(index, tile);
        wire(guard, tile->mouseDown, [&screen, index] { screen.onTilePressed(index); });
    }
    c.hintLabel =
        makeLabel(w, nullptr, {{1800, 3720, 3135, 375}, "", Colour{255, 0, 0}, white, {pGothic, 14.25}});
    c.markedLineLabel = makeLabel(
        w, nullptr, {{120, 1320, 5895, 615}, "asKipj＾", answerBlue, white, {pGothic, 36}, Align::centre});
    c.plainLineLabel = makeLabel(
        w, nullptr, {{120, 1440, 6015, 735}, "asKipj　", answerBlue, white, {pGothic, 36}, Align::centre});
    // Only the marked line's top shows above the plain line: the carets there must be inside, the letters
    // below are covered anyway. Its letters leave no ink, so the tops of tall ones (h, k, the dot of i)
    // never peek over the plain line looking like marks.
    c.markedLineLabel->setTextMayRunBelow(true);
    c.markedLineLabel->setInkOnly(mainscreen::markedLineMarks);
    c.answerRule = w.add<Line>(nullptr, Point{480, 2040}, Point{5640, 2040}, Colour{0, 0, 255});
    c.answerRule->setDecorative(true);
    c.scoreLabel = makeLabel(
        w, nullptr,
        {{4680, 3360, 1215, 735}, "", Colour{128, 255, 128}, white, {mincho, 21.75, true}, Align::right});
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
            makeLabel(w, nullptr, {{v.left, v.top, 135, v.height}, v.vowel, Colour{0, 128, 0}, white}));
    }
}

void buildPictures(Window& w, MainScreenControls& c, MainScreen& screen, Guard& guard) {
    const Cursor creatureCursor{"cursors/creature.png", {2, 2}};
    for (int k = 0; k < 12; ++k) {
        const CreatureDef& def = creatureDefs[k];
        auto* creature =
            makePicture(w, nullptr, {{100, 100, 0, 0}, def.picture, windowColour, true, true, def.toolTip});
        creature->setCursor(creatureCursor);
        creature->setAccessibleName(def.name);
        const auto index = static_cast<std::int16_t>(k);
        c.creatures.set(index, creature);
        wire(guard, creature->clicked, [&screen, index] { screen.onCreatureClicked(index); });
    }
    using mainscreen::slotPitch, mainscreen::slotRowLeft, mainscreen::slotRowTop, mainscreen::slotSize;
    for (int k = 0; k < 12; ++k) {
        const Rect slot{slotRowLeft + slotPitch * k, slotRowTop, slotSize, slotSize};
        const auto index = static_cast<std::int16_t>(k);
        c.parkingSlots.set(index, makePicture(w, nullptr, {slot, "", windowColour, true, false, "", true}));
        c.parkingSlots(index)->setAccessibleName(std::string(creatureDefs[k].name) + "の へや");
        wire(guard, c.parkingSlots(index)->clicked, [&screen, index] { screen.onSlotClicked(index); });
    }
    c.praiseStamp = makePicture(w, nullptr, {{4080, 1080, 735, 700}, "main/stamp.gif", white, false});
    c.cliffSign = makePicture(
        w, nullptr, {{240, 1080, 480, 495}, "main/stop.gif", white, true, false, "この先にガケがあるよ！"});
    c.eatenMark = makePicture(w, nullptr, {{5640, 4200, 495, 495}, "main/eaten.gif", white, false});
    c.blankPicture = makePicture(w, nullptr, {{5280, 4440, 375, 375}, "", white, false});
    c.praiseStamp->setAccessibleName("はなまる");
    c.cliffSign->setAccessibleName(c.cliffSign->toolTip());
    // The eaten mark and the blank only keep pictures for the slots and creatures; they never show.
    for (PictureBox* store : {c.eatenMark, c.blankPicture})
        store->setDecorative(true);
}

void buildButtons(Window& w, MainScreenControls& c) {
    c.okButton = makeButton(w, nullptr, {{3480, 2400, 1095, 372}, "Ｏ．Ｋ", lightGreen, {mincho, 10.5}});
    c.retryButton = makeButton(w, nullptr, {{3480, 3360, 1095, 372}, "やりなおし", lightGreen, {mincho, 9}});
    c.hintButton =
        makeButton(w, nullptr, {{120, 3720, 1575, 375}, "ちょっとヒ ン ト", lightGreen, {mincho, 9}});
    for (Button* b : {c.okButton, c.retryButton, c.hintButton})
        b->setCursor(arrowCursor);
}

void buildMenus(Window& window, MainScreenControls& c) {
    MenuItem& bar = window.menuBar();
    c.chartMenuItem = bar.add("ローマ字表");
    c.practiceMenuItem = bar.add("文字練習");
    c.quitMenuItem = bar.add("終わる");
    c.howToPlayMenu = bar.add("遊び方");
    for (const char* text :
         {"ローマ字をならべかえて問題の言葉にします", "ヒントなしだと、得点2倍",
          "「やりなおし」は、何度でも(ならべなおし)", "動物をｸﾘｯｸしてｷｹﾝから救い出してください",
          "５回救えなかったら、ゲームオーバーです", "※「ヘボン式」と「訓令式」がまじっています",
          "※　＾　はａｉｕｅｏの後でクリックします",
          // Playing without a mouse.
          "キーボードでも遊べます：文字のキーでその文字をおします", "＾　は　＾　のキーで打ちます",
          "Ｅｎｔｅｒキーで答え合わせ（Ｏ．Ｋ）", "Ｅｓｃキーで「やりなおし」",
          "↓キーでガケにいちばん近い動物を救い出します", "文字練習では、かなのローマ字を打つと選べます"})
        c.howToPlayMenu->add(text);
    c.spellingMenu = bar.add("書き方");
    for (std::size_t i = 0; i < std::size(spellingChoices); ++i)
        c.spellingItems[i] = c.spellingMenu->add(spellingChoices[i].caption);
    c.lookMenu = bar.add("見え方");
    c.clearColoursItem = c.lookMenu->add("見やすい色");
    c.lessMotionItem = c.lookMenu->add("すくない動き");
    c.recordMenu = bar.add("きろく");
    c.recordViewItem = c.recordMenu->add("きろくを見る");
    c.reviewItem = c.recordMenu->add("にがてを れんしゅう");
    c.playerMenu = bar.add("プレイヤー");
    for (auto& item : c.playerItems)
        item = c.playerMenu->add("");
    c.addPlayerItem = c.playerMenu->add("プレイヤーを ふやす");
    c.renamePlayerItem = c.playerMenu->add("なまえを かえる");
    c.removePlayerItem = c.playerMenu->add("プレイヤーを けす");
    c.makerMenu = bar.add("製作者");
    c.makerMessageItem = c.makerMenu->add("minasan. tanosimi nagara ro^maji no benkyo^  wo site kudasai ne.");
    c.openingMenuItem = c.makerMenu->add("ポクラク開発チーム（オープニングをもう一度）");
}

} // namespace

std::unique_ptr<Window> buildMainScreen(MainScreenControls& c, MainScreen& screen, Guard& guard) {
    auto window = std::make_unique<Window>(mainCaption, 6135, 4905);
    window->setDesignPosition({5730, 900}); // beside the chart window at the left edge of the screen
    window->setBackColor(white);
    window->setZoomsWithFrame(true);
    buildLabels(*window, c, screen, guard);
    buildPictures(*window, c, screen, guard);
    buildButtons(*window, c);
    buildMenus(*window, c);
    buildSpeaking(*window, c, screen, guard);
    c.chaseTimer = window->addTimer(500, true);
    c.catchTimer = window->addTimer(50, false);
    MainScreen* s = &screen;
    define(guard,
           {{window.get(), "Form1"},
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
            {c.okButton, "Command1", c.okButton->clicked, [s] { s->onOkClicked(); }},
            {c.retryButton, "Command2", c.retryButton->clicked, [s] { s->onRetryClicked(); }},
            {c.hintButton, "Command3", c.hintButton->clicked, [s] { s->onHintClicked(); }},
            {c.answerRule, "Line1"},
            {c.chaseTimer, "Timer1", c.chaseTimer->tick, [s] { s->onChaseTick(); }},
            {c.catchTimer, "Timer2", c.catchTimer->tick, [s] { s->onCatchTick(); }},
            {c.chartMenuItem, "hyou", c.chartMenuItem->triggered, [s] { s->onChartMenu(); }},
            {c.practiceMenuItem, "moren", c.practiceMenuItem->triggered, [s] { s->onPracticeMenu(); }},
            {c.quitMenuItem, "owaru", c.quitMenuItem->triggered, [s] { s->onQuitMenu(); }},
            {c.howToPlayMenu, "asobikata"},
            {c.spellingMenu, "spellingMenu"},
            {c.lookMenu, "mienkata"},
            {c.clearColoursItem, "clearColoursItem", c.clearColoursItem->triggered,
             [s] { s->onClearColoursMenu(); }},
            {c.lessMotionItem, "lessMotionItem", c.lessMotionItem->triggered, [s] { s->onLessMotionMenu(); }},
            {c.makerMenu, "saku", c.makerMenu->aboutToShow, [s] { s->onMakerMenuOpened(); }},
            {c.makerMessageItem, "zxcv"},
            {c.openingMenuItem, "sakusya", c.openingMenuItem->triggered, [s] { s->onOpeningMenu(); }},
            {c.recordMenu, "recordMenu"},
            {c.recordViewItem, "recordViewItem", c.recordViewItem->triggered, [s] { s->onRecordMenu(); }},
            {c.reviewItem, "reviewItem", c.reviewItem->triggered, [s] { s->onReviewMenu(); }},
            {c.playerMenu, "playerMenu"},
            {c.addPlayerItem, "addPlayerItem", c.addPlayerItem->triggered, [s] { s->onAddPlayerMenu(); }},
            {c.renamePlayerItem, "renamePlayerItem", c.renamePlayerItem->triggered,
             [s] { s->onRenamePlayerMenu(); }},
            {c.removePlayerItem, "removePlayerItem", c.removePlayerItem->triggered,
             [s] { s->onRemovePlayerMenu(); }}});
    static const std::array<std::string, maxPlayers> playerItemNames = [] {
        std::array<std::string, maxPlayers> names;
        for (std::size_t i = 0; i < maxPlayers; ++i)
            names[i] = "playerItem" + std::to_string(i);
        return names;
    }();
    for (std::size_t i = 0; i < maxPlayers; ++i)
        define(guard, {{c.playerItems[i], playerItemNames[i].c_str(), c.playerItems[i]->triggered,
                        [s, i] { s->onPlayerMenu(i); }}});
    for (std::size_t i = 0; i < std::size(spellingChoices); ++i) {
        const romaji::Spelling spelling = spellingChoices[i].spelling;
        define(guard, {{c.spellingItems[i], spellingChoices[i].objectName, c.spellingItems[i]->triggered,
                        [s, spelling] { s->onSpellingMenu(spelling); }}});
    }
    return window;
}
