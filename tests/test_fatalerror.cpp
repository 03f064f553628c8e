// SPDX-License-Identifier: MIT
// An untrapped error ends the game: while its error box waits for the player nothing else of the game runs,
// so the opening screen's clock cannot bring up the half-loaded main screen behind the box.
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "support/gamefixture.h"
#include <gtest/gtest.h>

TEST(FatalError, nothingRunsWhileTheErrorBoxIsOpen) {
    {
        RecordingErrors errors;
        toolkit::Guard guard(errors);
        bool ranInside = false;
        errors.whileOpen = [&] { guard.run([&] { ranInside = true; }); };
        guard.run([] { throw std::runtime_error("first failure"); });
        ASSERT_TRUE(!ranInside);
        bool ranAfter = false;
        errors.whileOpen = nullptr;
        guard.run([&] { ranAfter = true; }); // the test's box returns; a real one never does
        ASSERT_TRUE(ranAfter);
    }
    {
        // No romaji.txt: the load step fails after it has shown the opening screen.
        GameFixture game(std::nullopt);
        OpeningScreen& opening = game.program->openingScreen();
        int ticksSent = 0;
        game.errors.whileOpen = [&] {
            // More ticks than the whole animation needs before it brings up the main screen.
            for (; ticksSent < 40; ++ticksSent) {
                ASSERT_TRUE(opening.isLoaded());
                opening.controls().animationTimer->tick();
            }
        };
        game.start();
        ASSERT_EQ(ticksSent, 40);
        ASSERT_EQ(game.errors.details.size(), 1u);
        ASSERT_TRUE(game.errors.details[0].starts_with("romaji.txt: file not found"));
        ASSERT_EQ(opening.ticks(), 0);
        ASSERT_TRUE(opening.isVisible());
        ASSERT_TRUE(!game.program->mainScreen().isVisible());
    }
}
