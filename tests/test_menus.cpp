// SPDX-License-Identifier: MIT
// The main screen's menus: the practice screen hiding the chart behind the toggle's back, quitting (which
// creates nothing, also from the window frame), the credit line toggled on every opening of its menu, the
// opening shown again on request, the help and greeting items that only show their text, and the spelling
// chosen from its menu. The chart toggle with the focus given back, and quitting while the opening plays,
// are played on the desktop in tests/qt/test_main_drawn.cpp.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/look.h"
#include "screens/practice/practice_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {
const std::string showChart = "ローマ字表"s;
const std::string hideChart = "表を消す"s;

// Every text, tile edge and button of the window as the look draws it, against what lies behind.
void expectReadable(const toolkit::Window& window, const toolkit::Look& look) {
    using namespace toolkit;
    for (const auto& control : window.controls()) {
        const auto check = [&](Colour a, Colour b, double ratio) {
            EXPECT_GE(contrastRatio(a, b), ratio) << control->objectName();
        };
        if (const auto* label = dynamic_cast<const Label*>(control.get())) {
            const LabelColours drawn = drawnColours(*label, look);
            check(drawn.fore, drawn.back, contrastFor(label->font()));
            if (label->mouseDown.isConnected() || label->clicked.isConnected())
                check(drawn.edge.value_or(drawn.back), behind(*label), markContrast);
        } else if (const auto* button = dynamic_cast<const Button*>(control.get())) {
            check(drawnCaption(*button, look).value_or(buttonCaption), button->backColor(), textContrast);
            check(drawnEdge(*button, look), behind(*button), markContrast);
        } else if (const auto* box = dynamic_cast<const PictureBox*>(control.get());
                   box && box->hasBorder()) {
            check(drawnEdge(*box, look), box->backColor(), markContrast);
        }
    }
}
} // namespace

TEST(Menus, practiceHidesTheChartBehindTheToggle) {
    PlayingGame<> game;
    MainScreen& f = game.main();
    ChartWindow& chartWindow = game.program->chartWindow();
    PracticeScreen& practice = game.program->practiceScreen();
    f.onChartMenu();
    f.onPracticeMenu();
    ASSERT_TRUE(practice.isVisible());
    ASSERT_TRUE(!f.isVisible());
    ASSERT_TRUE(chartWindow.isVisible());
    practice.leave();
    ASSERT_TRUE(f.isVisible());
    ASSERT_TRUE(!chartWindow.isVisible());
    ASSERT_EQ(f.controls().chartMenuItem->text(), showChart);
    ASSERT_TRUE(f.state().chartShown);
    // The next click only hides the chart that is already hidden and keeps the caption ...
    f.onChartMenu();
    ASSERT_TRUE(!f.state().chartShown);
    ASSERT_TRUE(!chartWindow.isVisible());
    ASSERT_EQ(f.controls().chartMenuItem->text(), showChart);
    // ... the one after shows it.
    f.onChartMenu();
    ASSERT_TRUE(chartWindow.isVisible());
    ASSERT_EQ(f.controls().chartMenuItem->text(), hideChart);
    ASSERT_TRUE(game.errors.details.empty());
}

TEST(Menus, quitCreatesNothing) {
    {
        // The chart loaded but hidden, the practice screen never opened.
        PlayingGame<> game;
        game.main().onQuitMenu();
        ASSERT_EQ(game.program->loadedScreens(), 0);
        ASSERT_EQ(game.ended, 1);
        ASSERT_TRUE(!game.program->practiceScreen().isLoaded());
    }
    {
        // The chart window closed as well: quitting does not bring it back to close it.
        PlayingGame<> game;
        game.program->chartWindow().close();
        game.main().onQuitMenu();
        ASSERT_EQ(game.program->loadedScreens(), 0);
        ASSERT_EQ(game.ended, 1);
        ASSERT_TRUE(!game.program->chartWindow().isLoaded());
        ASSERT_TRUE(!game.program->practiceScreen().isLoaded());
        ASSERT_TRUE(!game.program->openingScreen().isLoaded());
        ASSERT_TRUE(game.errors.details.empty());
    }
}

TEST(Menus, closingTheMainWindowQuits) {
    PlayingGame<> game;
    MainScreen& f = game.main();
    f.onChartMenu();
    f.onOpeningMenu();
    f.window()->closeRequested(); // as from the window frame
    ASSERT_EQ(game.program->loadedScreens(), 0);
    ASSERT_EQ(game.ended, 1);
    ASSERT_TRUE(!game.program->chartWindow().isLoaded());
    ASSERT_TRUE(!game.program->openingScreen().isLoaded());
}

TEST(Menus, sakuTogglesTheCreditOnEveryOpening) {
    PlayingGame<> game;
    MainScreen& f = game.main();
    ASSERT_TRUE(f.controls().creditLabel->isHidden());
    for (int opening = 1; opening <= 4; ++opening) {
        // Opening the menu is enough; nothing is picked from it.
        f.controls().makerMenu->aboutToShow();
        const bool shown = opening % 2 == 1;
        ASSERT_EQ(f.state().creditShown, shown);
        ASSERT_EQ(f.controls().creditLabel->isHidden(), !shown);
    }
    ASSERT_TRUE(!f.controls().creditLabel->text().empty());
}

TEST(Menus, sakusyaPlaysTheOpeningAgain) {
    PlayingGame<> game;
    OpeningScreen& opening = game.program->openingScreen();
    ASSERT_TRUE(!opening.isLoaded());
    game.main().controls().openingMenuItem->trigger();
    ASSERT_TRUE(opening.isVisible());
    ASSERT_EQ(opening.ticks(), std::int16_t(0));
    for (std::int16_t i = 0; i < 12; ++i)
        ASSERT_TRUE(opening.controls().balls(i)->isHidden());
    ASSERT_TRUE(!opening.controls().titleCover->isHidden());
    // It ends as at start-up, with the main screen still in front.
    for (int tick = 0; tick < 26; ++tick)
        opening.onAnimationTick();
    ASSERT_TRUE(!opening.isLoaded());
    ASSERT_TRUE(game.main().isVisible());
}

TEST(Menus, menuTexts) {
    PlayingGame<> game;
    const MainScreenControls& c = game.main().controls();
    ASSERT_EQ(c.makerMenu->items().size(), std::size_t(2));
    ASSERT_EQ(c.makerMenu->items()[1].get(), c.openingMenuItem);
    // The help items and the greeting only show their text.
    const int loaded = game.program->loadedScreens();
    for (const auto& item : c.howToPlayMenu->items())
        item->trigger();
    c.makerMessageItem->trigger();
    ASSERT_EQ(game.program->loadedScreens(), loaded);
    ASSERT_TRUE(game.main().isVisible());
}

// The word in play keeps its spelling; the next one is dealt, shown and judged in the chosen one, and the
// choice is there again when the game starts anew.
TEST(Menus, spellingIsChosenForTheNextWordAndRemembered) {
    PlayingGame<> game;
    game.writeText("romaji.txt"s, "tu^ti,つうち\r\n"s);
    game.program->quit();
    game.start();
    MainScreen& f = game.main();
    const MainScreenControls& c = f.controls();
    ASSERT_TRUE(c.spellingItems[0]->isChecked() && !c.spellingItems[1]->isChecked());
    ASSERT_EQ(f.state().answer, std::string("tu^ti"));
    const auto longVowelHelp = [&c] { return c.howToPlayMenu->items().at(6)->text(); };
    ASSERT_EQ(longVowelHelp(), "※　＾　はａｉｕｅｏの後でクリックします"s);
    c.spellingItems[1]->trigger();
    ASSERT_TRUE(!c.spellingItems[0]->isChecked() && c.spellingItems[1]->isChecked());
    ASSERT_EQ(f.state().answer, std::string("tu^ti"));
    answerRight(f);
    ASSERT_EQ(f.state().score, 10);
    ASSERT_EQ(f.state().answer, std::string("tsu^chi"));
    ASSERT_EQ(longVowelHelp(), "※　¯　はａｉｕｅｏの後でクリックします（－キーでも）"s);
    int macrons = 0;
    for (int k = 0; k < 7; ++k)
        macrons += c.tiles(k)->text() == "¯";
    ASSERT_EQ(macrons, 1);
    ASSERT_TRUE(pressLetters(f, "tsu"s));
    ASSERT_TRUE(f.onKeyDown({'-', "-"})); // the minus key presses the macron
    ASSERT_EQ(c.markedLineLabel->text(), std::string("ts￣"));
    f.onRetryClicked();
    f.onHintClicked();
    f.onHintClicked();
    ASSERT_EQ(c.hintLabel->text(), std::string("tsūchi"));
    c.spellingItems[2]->trigger();
    answerRight(f);
    ASSERT_EQ(f.state().answer, std::string("tsuuchi"));
    ASSERT_EQ(longVowelHelp(), "※　のばす音に印はありません。かなのとおりに書きます（とう→tou）"s);

    game.program->quit();
    game.program = std::make_unique<Program>(
        Services{game.random, game.sound, game.messageBox, {game.dir.path().string()}, &game.settings},
        game.errors, game.display);
    game.start();
    ASSERT_EQ(game.program->spelling(), romaji::Spelling::hepburnDoubled);
    ASSERT_TRUE(game.main().controls().spellingItems[2]->isChecked());
    ASSERT_EQ(game.main().state().answer, std::string("tsuuchi"));
}

// A 見え方 choice never made follows the system; one made is checked, changes every window at once and
// stands at the next start. In clear colours every pair the main and practice screens show reads, each kana
// of the chart also on the red of an answered one.
TEST(Menus, lookIsChosenForEveryWindowAndRemembered) {
    PlayingGame<> game;
    MainScreen& f = game.main();
    const MainScreenControls& c = f.controls();
    game.program->followSystemLook({true, false});
    ASSERT_TRUE(c.clearColoursItem->isChecked() && !c.lessMotionItem->isChecked());
    choose(*f.window(), c.lessMotionItem);
    choose(*f.window(), c.reviewItem); // にがてを れんしゅう stands at the next start as well
    ASSERT_EQ(game.display.look(), (toolkit::Look{true, true}));
    expectReadable(*f.window(), game.display.look());
    f.onPracticeMenu();
    expectReadable(*game.program->practiceScreen().window(), game.display.look());
    const PracticeScreenControls& p = game.program->practiceScreen().controls();
    for (std::int16_t k = 0; k < p.chartLabels.count(); ++k)
        p.chartLabels(k)->setBackColor(practiceLook::answeredMark);
    expectReadable(*game.program->practiceScreen().window(), game.display.look());

    game.program->quit();
    game.program = std::make_unique<Program>(
        Services{game.random, game.sound, game.messageBox, {game.dir.path().string()}, &game.settings},
        game.errors, game.display);
    game.start();
    ASSERT_EQ(game.display.look(), (toolkit::Look{false, true}));
    ASSERT_TRUE(game.main().controls().lessMotionItem->isChecked());
    ASSERT_TRUE(game.main().controls().reviewItem->isChecked() && game.main().state().reviewDeal);
}

// The word is spoken only where the device has a Japanese voice: 🔊 and 読み上げ show while it does; 🔊
// says the word in play, 読み上げ each new one too, and stands at the next start.
TEST(Menus, theWordIsSpokenWhereThereIsAVoice) {
    struct Voice : toolkit::Speech {
        bool there = false;
        std::vector<std::string> said;
        bool available() const override { return there; }
        void speak(const std::string& text) override { said.push_back(text); }
    } voice;
    PlayingGame<> game;
    const auto restart = [&game, &voice] {
        game.program->quit();
        Services services{
            game.random, game.sound, game.messageBox, {game.dir.path().string()}, &game.settings};
        services.speech = &voice;
        game.program = std::make_unique<Program>(services, game.errors, game.display);
        game.start();
        for (int tick = 0; tick < 26; ++tick)
            game.program->openingScreen().onAnimationTick();
    };
    restart();
    MainScreen& f = game.main();
    const MainScreenControls& c = f.controls();
    const auto shown = [&c] { return std::pair{c.speakButton->isVisible(), c.readAloudItem->isVisible()}; };
    ASSERT_EQ(shown(), std::pair(false, false));
    voice.there = true;
    voice.changed();
    ASSERT_EQ(shown(), std::pair(true, true));
    c.speakButton->clicked();
    ASSERT_EQ(voice.said, std::vector{f.state().questionWord});
    c.readAloudItem->trigger();
    answerRight(f);
    ASSERT_EQ(voice.said.size(), std::size_t(3));
    ASSERT_EQ(voice.said.back(), f.state().questionWord);
    voice.there = false;
    voice.changed();
    ASSERT_EQ(shown(), std::pair(false, false));

    voice.there = true;
    restart();
    ASSERT_TRUE(game.main().controls().readAloudItem->isChecked());
    ASSERT_EQ(voice.said.size(), std::size_t(4));
    game.program.reset();
    ASSERT_FALSE(voice.changed); // nothing left to call on a screen that is gone
}
