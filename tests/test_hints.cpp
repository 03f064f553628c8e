// SPDX-License-Identifier: MIT
// The retry and hint buttons: the hint button's colour, caption and visibility after every sequence of
// hints, retries, wrong and right answers; the first hint's length; the costs and their floor; the hint
// label kept until the next question; a retry that re-deals and changes nothing else.
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {
const toolkit::Colour green{192, 255, 192};
const toolkit::Colour red{255, 0, 0};
const std::string small = "ちょっとヒント"s;
const std::string last = "ラストヒント"s;

// Checks the hint button's looks: hidden, or shown with this colour and caption.
void expectHintButton(const MainScreen& f, bool shown, const toolkit::Colour& colour = {},
                      const std::string& caption = {}) {
    const toolkit::Button* b = f.controls().hintButton;
    ASSERT_EQ(!b->isHidden(), shown);
    if (!shown) return;
    ASSERT_EQ(b->backColor(), colour);
    ASSERT_EQ(b->text(), caption);
}
} // namespace

TEST(Hints, hintButtonLooks) {
    GameFixture game("sakan,さかん\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    auto wrong = [&] {
        ASSERT_TRUE(pressLetters(f, "nakas"s));
        expectHintButton(f, false); // the last letter hides it
        f.onOkClicked();
    };
    f.setScoreForTests(100);
    expectHintButton(f, true, green, small); // new question
    f.onRetryClicked();
    expectHintButton(f, true, green, small); // a retry before any hint
    wrong();
    expectHintButton(f, true, green, small); // a wrong answer before any hint
    f.onHintClicked();
    expectHintButton(f, true, green, last); // right after the first hint
    wrong();
    expectHintButton(f, true, green, last); // a wrong answer keeps it as it was
    f.onRetryClicked();
    expectHintButton(f, true, red, last); // a retry after the first hint
    f.onRetryClicked();
    expectHintButton(f, true, red, last);
    wrong();
    expectHintButton(f, true, red, last); // a wrong answer keeps it red
    f.onHintClicked();
    expectHintButton(f, false); // after the last hint
    f.onRetryClicked();
    expectHintButton(f, false);
    wrong();
    expectHintButton(f, false);
    answerRight(f);
    expectHintButton(f, true, green, small); // the next question
}

TEST(Hints, hintCosts) {
    GameFixture game("sakana,さかな\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.setScoreForTests(50);
    f.onHintClicked();
    ASSERT_EQ(f.state().score, 48);
    ASSERT_EQ(c.scoreLabel->text(), " 48"s);
    ASSERT_TRUE(f.state().hintTaken);
    f.onHintClicked();
    ASSERT_EQ(f.state().score, 38); // 12 in all
    ASSERT_EQ(c.scoreLabel->text(), " 38"s);
    ASSERT_EQ(c.hintLabel->text(), "sakana"s);
    ASSERT_EQ(game.sound.played, (std::vector<Cue>{Cue::Hint, Cue::Hint}));
    answerRight(f);
    ASSERT_EQ(f.state().score, 44); // 1 point a letter

    // The floor: first hint at 1, last hint at 7.
    f.setScoreForTests(1);
    f.onHintClicked();
    ASSERT_EQ(f.state().score, 0);
    ASSERT_EQ(c.scoreLabel->text(), " 0"s);
    f.setScoreForTests(7);
    f.onHintClicked();
    ASSERT_EQ(f.state().score, 0);
    // A score the cliff made negative is raised to 0 by the floor too.
    answerRight(f);
    f.setScoreForTests(-40);
    f.onHintClicked();
    ASSERT_EQ(f.state().score, 0);
}

TEST(Hints, firstHintShowsTheBeginning) {
    GameFixture game("ro^maji,ローマじ\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    std::set<int> lengths;
    for (int draw = 0; draw < 300; ++draw) {
        f.setHintLevelForTests(0);
        game.clock += 7919;
        f.onHintClicked();
        ASSERT_TRUE(f.state().hintLength >= 1 && f.state().hintLength <= 6);
        ASSERT_EQ(c.hintLabel->text(), "ro^maji"s.substr(0, static_cast<std::size_t>(f.state().hintLength)));
        lengths.insert(f.state().hintLength);
    }
    ASSERT_EQ(lengths, (std::set<int>{1, 2, 3, 4, 5, 6})); // 1 to n - 1 letters, never the whole word

    GameFixture one("a,あ\r\n"s);
    one.start();
    one.program->mainScreen().onHintClicked();
    ASSERT_EQ(one.program->mainScreen().controls().hintLabel->text(), "a"s); // the whole word

    GameFixture empty(""s);
    empty.start();
    MainScreen& e = empty.program->mainScreen();
    e.setScoreForTests(5);
    e.onHintClicked();
    ASSERT_EQ(e.controls().hintLabel->text(), std::string());
    ASSERT_EQ(e.state().score, 3);
}

TEST(Hints, retryDealsAgainAndChangesNothingElse) {
    GameFixture game("abcdefghijklmnopqrstuvwx,ながい\r\n"s);
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.setScoreForTests(30);
    f.onHintClicked();
    const std::string hint = c.hintLabel->text();
    game.sound.played.clear();
    auto board = [&] {
        std::string letters;
        for (std::int16_t k = 0; k < 24; ++k)
            letters += c.tiles(k)->text();
        return letters;
    };
    std::set<std::string> orders{board()};
    for (int retry = 0; retry < 5; ++retry) {
        ASSERT_TRUE(pressLetters(f, "abc"s));
        f.onRetryClicked();
        ASSERT_EQ(f.state().placedCount, 0);
        ASSERT_EQ(c.answerLabel->text(), std::string());
        ASSERT_EQ(c.markedLineLabel->text(), std::string());
        ASSERT_EQ(c.plainLineLabel->text(), std::string());
        ASSERT_TRUE(c.okButton->isHidden());
        ASSERT_TRUE(!c.retryButton->isHidden());
        for (std::int16_t k = 0; k < 24; ++k)
            ASSERT_TRUE(!c.tiles(k)->isHidden());
        orders.insert(board());
    }
    ASSERT_EQ(orders.size(), 6u); // every retry deals a new order
    ASSERT_EQ(f.state().score, 28);
    ASSERT_EQ(f.state().hintLevel, 1);
    ASSERT_TRUE(f.state().hintTaken);
    ASSERT_EQ(c.hintLabel->text(), hint);
    ASSERT_TRUE(game.sound.played.empty());
    ASSERT_TRUE(pressLetters(f, "abcdefghijklmnopqrstuvwx"s));
    ASSERT_TRUE(!c.okButton->isHidden());
    f.onRetryClicked(); // a retry with a full board hides OK again
    ASSERT_TRUE(c.okButton->isHidden());
}
