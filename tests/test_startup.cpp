// SPDX-License-Identifier: MIT
// Start-up of the main screen: the load step, the question bank's bounds and its bad-input errors, and
// the end of the program when the last screen closes.
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "support/gamefixture.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(Startup, loadStepSetsUpTheFirstQuestion) {
    GameFixture game;
    game.start();
    ASSERT_TRUE(game.errors.details.empty());
    MainScreen& f = game.program->mainScreen();
    const auto& c = f.controls();
    ASSERT_TRUE(f.isLoaded());
    ASSERT_TRUE(!f.isVisible()); // the opening screen brings it up later
    ASSERT_TRUE(game.program->openingScreen().isVisible());
    ASSERT_EQ(f.state().questionCount, 5);
    ASSERT_EQ(c.scoreLabel->text(), "0"s);
    ASSERT_TRUE(c.creditLabel->isHidden());
    for (std::int16_t k = 0; k < 12; ++k) {
        ASSERT_TRUE(c.creatures(k)->isHidden());
        ASSERT_EQ(c.creatures(k)->left(), 100.f);
        ASSERT_EQ(c.creatures(k)->top(), 100.f);
        ASSERT_TRUE(f.state().creatureSpeed[k] >= 1 && f.state().creatureSpeed[k] <= 50);
    }
    ASSERT_TRUE(f.state().romajiList.begin() + 5 !=
                std::find(f.state().romajiList.begin(), f.state().romajiList.begin() + 5, f.state().answer));
    ASSERT_EQ(c.wordLabel->text(), f.state().questionWord);
    ASSERT_TRUE(!c.wordLabel->isHidden());
    // No design-time caption survives the load step.
    ASSERT_EQ(c.markedLineLabel->text(), std::string());
    ASSERT_EQ(c.plainLineLabel->text(), std::string());
    for (std::int16_t k = 0; k < 24; ++k)
        if (!c.tiles(k)->isHidden()) {
            ASSERT_NE(c.tiles(k)->text(), "Label1");
        }
}

TEST(Startup, bankBounds) {
    {
        // A bank without a word would deal no tile: it is refused, naming the file.
        GameFixture game(""s);
        game.start();
        ASSERT_EQ(game.errors.details.size(), 1u);
        ASSERT_NE(game.errors.playerTexts[0].find("ことばが一つもありません"), std::string::npos);
    }
    {
        std::string bank;
        for (int i = 0; i < 401; ++i)
            bank += "w" + std::to_string(i) + ",ことば" + std::to_string(i) + "\r\n";
        GameFixture game(bank);
        game.start();
        ASSERT_TRUE(game.errors.details.empty());
        ASSERT_EQ(game.program->mainScreen().state().questionCount, 401);
        ASSERT_EQ(game.program->mainScreen().state().romajiList[400], "w400"s);
    }
    {
        // A quoted answer may hold a comma; blanks before a field are not part of it.
        GameFixture game("\"a,b\",  えー\r\n"s);
        game.start();
        ASSERT_EQ(game.program->mainScreen().state().romajiList[0], "a,b"s);
        ASSERT_EQ(game.program->mainScreen().state().wordList[0], "えー"s);
    }
    {
        // A line of three fields shifts every later record by one field.
        GameFixture game("a,あ,b\r\nい\r\n"s);
        game.start();
        const MainScreen& f = game.program->mainScreen();
        ASSERT_EQ(f.state().questionCount, 2);
        ASSERT_EQ(f.state().romajiList[1], "b"s);
        ASSERT_EQ(f.state().wordList[1], "い"s);
    }
}

TEST(Startup, badBanksStopWithFileAndLine) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* expected;
    };
    std::string tooMany;
    for (int i = 0; i < 402; ++i)
        tooMany += "w,x\r\n";
    const std::vector<Case> cases = {
        {"cut off", "inu,\x82\xa2\x82\xca\r\nneko\r\n",
         "romaji.txt, line 2: the file ends in the middle of a record"},
        {"402 records", tooMany, "romaji.txt, line 402: more than 401 records"},
        {"25 letters", "abcdefghijklmnopqrstuvwxy,x\r\n",
         "romaji.txt, line 1: the answer 'abcdefghijklmnopqrstuvwxy' is 25"},
        {"invalid cp932", "inu,x\r\nneko,\x82\r\n", "romaji.txt, line 2: bytes that are not valid Shift_JIS"},
        {"utf-8 bom, then not utf-8", "\xEF\xBB\xBFinu,x\r\nneko,\x82\r\n",
         "romaji.txt, line 2: bytes that are not valid UTF-8"},
        {"quote", "\"inu,x\r\n", "romaji.txt, line 1: a double quote opened here is never closed"},
    };
    for (const Case& c : cases) {
        GameFixture game(std::nullopt);
        game.writeBytes("romaji.txt", c.bytes);
        game.start();
        ASSERT_TRUE(game.errors.details.size() == 1) << c.name;
        ASSERT_TRUE(game.errors.details[0].starts_with(c.expected)) << game.errors.details[0];
        ASSERT_NE(game.errors.playerTexts[0].find("romaji.txt"), std::string::npos);
    }
    GameFixture missing(std::nullopt);
    missing.start();
    ASSERT_EQ(missing.errors.details.size(), 1u);
    ASSERT_NE(missing.errors.details[0].find(missing.dir.path().string()), std::string::npos);
    ASSERT_NE(missing.errors.playerTexts[0].find("見つかりません"), std::string::npos);
}

TEST(Startup, programEndsWhenNoScreenIsLoaded) {
    GameFixture game;
    int ended = 0;
    game.program->onLastScreenClosed = [&] { ++ended; };
    game.start();
    ASSERT_EQ(game.program->loadedScreens(), 3); // main (hidden), opening, chart (hidden)
    game.program->mainScreen().hide();
    ASSERT_EQ(ended, 0); // a hidden loaded screen keeps the program running
    game.program->openingScreen().close();
    ASSERT_EQ(ended, 0);
    game.program->mainScreen().onQuitMenu();
    ASSERT_EQ(ended, 1);
    game.program->openingScreen().close(); // closing a screen that is not loaded does nothing
    ASSERT_EQ(ended, 1);
}
