// SPDX-License-Identifier: MIT
// Question order without repeats, dealing letters onto the tiles, and the three answer lines filled by
// presses on the tiles. The last press, which shows OK and gives it the focus, is played on the desktop in
// tests/qt/test_main_drawn.cpp.
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace std::string_literals;

namespace {

std::string bankOf(int n) {
    std::string bank;
    for (int i = 0; i < n; ++i)
        bank += "w" + std::to_string(i) + ",ことば" + std::to_string(i) + "\r\n";
    return bank;
}

int usedCount(const MainScreen& f) {
    return static_cast<int>(std::count(f.state().usedFlags.begin(), f.state().usedFlags.end(), 1));
}

// What a correct answer does to the cycle before the next question is drawn.
void nextQuestion(MainScreen& f) {
    f.setSolvedCountForTests(f.state().solvedCount + 1);
    f.pickQuestion();
}

} // namespace

TEST(Questions, questionOrder) {
    for (int run = 0; run < 20; ++run) {
        GameFixture game(bankOf(5));
        game.clock = 1000 + run;
        game.start();
        MainScreen& f = game.program->mainScreen();
        std::set<std::string> cycle{f.state().answer};
        std::vector<int> resets;
        for (int draw = 2; draw <= 17; ++draw) {
            nextQuestion(f);
            if (usedCount(f) == 1) {
                resets.push_back(draw);
                cycle.clear();
            }
            ASSERT_TRUE(!cycle.contains(f.state().answer)) << "a word came twice within one cycle";
            cycle.insert(f.state().answer);
        }
        ASSERT_EQ(resets, (std::vector<int>{5, 9, 13, 17}));
    }
}

TEST(Questions, smallBanks) {
    {
        GameFixture game(bankOf(1));
        game.start();
        MainScreen& f = game.program->mainScreen();
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(f.state().answer, "w0"s);
            nextQuestion(f);
            ASSERT_EQ(f.state().solvedCount, 0);
        }
    }
    {
        // With two words every draw after the first resets the cycle: the same word may come again.
        GameFixture game(bankOf(2));
        game.start();
        MainScreen& f = game.program->mainScreen();
        std::set<std::string> seen;
        bool repeated = false;
        std::string last = f.state().answer;
        for (int i = 0; i < 60; ++i) {
            game.clock += 7;
            nextQuestion(f);
            ASSERT_EQ(f.state().solvedCount, 0);
            ASSERT_EQ(usedCount(f), 1);
            repeated |= f.state().answer == last;
            last = f.state().answer;
            seen.insert(f.state().answer);
        }
        ASSERT_EQ(seen.size(), 2u);
        ASSERT_TRUE(repeated);
    }
    {
        // A full bank: the reset clears all 401 flags, so entry 400 comes back too.
        GameFixture game(bankOf(401));
        game.start();
        MainScreen& f = game.program->mainScreen();
        for (int draw = 2; draw <= 401; ++draw)
            nextQuestion(f);
        ASSERT_EQ(usedCount(f), 1); // draw 401 reset the cycle
        std::set<std::string> seen{f.state().answer};
        for (int draw = 402; draw <= 801; ++draw) {
            nextQuestion(f);
            seen.insert(f.state().answer);
        }
        ASSERT_TRUE(seen.contains("w400"s));
    }
}

TEST(Questions, dealing) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    int faults = 0;
    const auto deal = [&](const std::string& answer) -> std::string {
        f.setAnswerForTests(answer);
        f.setPlacedCountForTests(0);
        f.dealTiles();
        std::string dealt;
        for (std::int16_t k = 0; k < 24; ++k) {
            const bool dealtHere = static_cast<std::size_t>(k) < answer.size();
            if (c.tiles(k)->isHidden() == dealtHere) ++faults;
            if (dealtHere) dealt += c.tiles(k)->text();
        }
        std::string a = answer, d = dealt;
        std::sort(a.begin(), a.end());
        std::sort(d.begin(), d.end());
        if (d != a) ++faults; // every letter on exactly one tile
        return dealt;
    };
    deal("abcdefghijklmnopqrstuvwx"s);
    deal("a"s);
    deal(std::string());
    std::set<std::string> orders;
    for (int i = 0; i < 30; ++i)
        orders.insert(deal("kakko^ii"s)); // frozen clock, yet orders vary
    ASSERT_TRUE(orders.size() > 10);
    ASSERT_EQ(faults, 0);
    // A character outside the Basic Multilingual Plane lies whole on one tile and counts as one letter.
    f.setAnswerForTests("a😀");
    f.dealTiles();
    ASSERT_EQ(f.state().answerLength, 2);
    ASSERT_TRUE(c.tiles(0)->text() == "😀" || c.tiles(1)->text() == "😀");
    ASSERT_TRUE(c.tiles(2)->isHidden());
    // An answer longer than the board (the word list lets none in) never deals past the last tile.
    f.setAnswerForTests(std::string(30, 'a'));
    f.dealTiles();
    ASSERT_EQ(f.state().answerLength, 24);
    deal("aAiIuUeEoOx^"s);
    for (std::int16_t k = 0; k < 12; ++k) {
        const std::string letter = c.tiles(k)->text();
        const bool lowerVowel = "aiueo"s.find(letter) != std::string::npos;
        ASSERT_EQ(c.tiles(k)->foreColor(),
                  (lowerVowel ? toolkit::Colour{0, 0, 255} : toolkit::Colour{0, 0, 0}));
    }
}

TEST(Questions, answerLines) {
    GameFixture game;
    game.start();
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    f.setAnswerForTests("ro^maji");
    f.dealTiles();
    ASSERT_TRUE(pressLetters(f, f.state().answer));
    ASSERT_EQ(c.answerLabel->text(), "ro^maji"s);
    ASSERT_EQ(c.markedLineLabel->text(), "r＾maji"s);
    ASSERT_EQ(c.plainLineLabel->text(), "romaji"s);
    // A caret pressed first leaves a single full-width caret in the marked line.
    f.setPlacedCountForTests(0);
    f.setAnswerForTests("^a");
    f.dealTiles();
    ASSERT_TRUE(pressLetters(f, "^"s));
    ASSERT_EQ(c.markedLineLabel->text(), "＾"s);
    ASSERT_EQ(c.plainLineLabel->text(), std::string());
    // A blank tile adds nothing to the lines but still counts as a press.
    f.setPlacedCountForTests(0);
    f.setAnswerForTests("a b");
    f.dealTiles();
    ASSERT_TRUE(pressLetters(f, " "s));
    ASSERT_EQ(f.state().placedCount, 1);
    ASSERT_EQ(c.answerLabel->text(), std::string());
}
