// SPDX-License-Identifier: MIT
// A new game starts clean. The main screen keeps its members when a game ends (the quit command or the
// fifth lost creature closes it; the opening then brings a new one up), so its load step must clear what
// belongs to one game only: a caught creature's wait for its return, and the tiles pressed in an answer
// left half built.
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {
// Plays the opening to its end: it closes itself and makes the main screen visible, loading it anew if the
// game before had closed it.
void playOpening(Program& p) {
    for (int tick = 0; tick < 26 && p.openingScreen().isLoaded(); ++tick)
        p.openingScreen().onAnimationTick();
}
} // namespace

TEST(NewGame, newGameStartsClean) {
    const struct {
        const char* name;
        bool byQuitting; // else the fifth lost creature ends the game
    } rows[] = {{"after quitting", true}, {"after the fifth lost creature", false}};
    for (const auto& [name, byQuitting] : rows) {
        SCOPED_TRACE(name);
        // One five-letter word, so the tiles pressed in the first game are known.
        GameFixture game("sakana,さかな\r\n"s);
        Program& p = *game.program;
        game.start();
        playOpening(p);
        MainScreen& f = p.mainScreen();
        ASSERT_TRUE(f.isVisible());

        // The rabbit is caught and waits in its slot; two letters of the answer are on the lines.
        f.setScoreForTests(200);
        placeCreature(f, 3, 3000, 100);
        f.onCreatureClicked(3);
        for (int step = 0; step < 9; ++step)
            f.onCatchTick();
        ASSERT_EQ(f.state().returnTicks[3], 1);
        ASSERT_TRUE(pressLetters(f, "sa"s));
        ASSERT_EQ(f.state().placedCount, 2);

        if (byQuitting) {
            f.onQuitMenu();
        } else {
            f.setEatenCountForTests(4);
            placeCreature(f, 0, 300, 900); // in the eat zone
            f.onChaseTick();
            ASSERT_EQ(game.messageBox.shown.size(), 1u);
        }
        ASSERT_TRUE(!f.isLoaded());
        ASSERT_EQ(f.state().returnTicks[3], 1); // the members outlive the window

        p.openingScreen().show(); // the opening shown again, as from the menu before the game ended
        playOpening(p);
        ASSERT_TRUE(f.isLoaded());
        ASSERT_TRUE(f.isVisible());
        for (std::int16_t k = 0; k < 12; ++k)
            ASSERT_EQ(f.state().returnTicks[k], std::int16_t(0));
        ASSERT_EQ(f.state().placedCount, std::int16_t(0));

        // No creature comes back from the old game: without the reset the rabbit would turn up empty-handed
        // (its picture stayed in the old window's slot) after the rest of its wait.
        for (int tick = 0; tick < 25; ++tick)
            f.onChaseTick();
        for (std::int16_t k = 0; k < 12; ++k)
            ASSERT_TRUE(f.controls().creatures(k)->isHidden()) << "creature " << k;

        // OK comes with the last letter of the new game's answer, not before and not never.
        const MainScreenControls& c = f.controls();
        ASSERT_TRUE(pressLetters(f, "saka"s));
        ASSERT_TRUE(c.okButton->isHidden());
        ASSERT_TRUE(pressLetters(f, "na"s));
        ASSERT_TRUE(!c.okButton->isHidden());
        ASSERT_EQ(f.state().placedCount, f.state().answerLength);
        ASSERT_TRUE(game.errors.details.empty());
    }
}
