// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/navigator.h"

void MainScreen::onChartMenu() {
    s.chartShown = !s.chartShown;
    navigator_.showChart(s.chartShown);
    // Clicks and keys go on in the game window although the chart has just come up.
    focus();
}

void MainScreen::onPracticeMenu() {
    navigator_.openPractice();
}

void MainScreen::onQuitMenu() {
    navigator_.quit();
}

void MainScreen::onMakerMenuOpened() {
    s.creditShown = !s.creditShown;
    c.creditLabel->setVisible(s.creditShown);
}

void MainScreen::onOpeningMenu() {
    navigator_.playOpening();
}

// The spelling of the next word and after; the word in play keeps its own. The choice in force is checked.
void MainScreen::onSpellingMenu(romaji::Spelling spelling) {
    navigator_.chooseSpelling(spelling);
    showSpellingChoice();
}

void MainScreen::showSpellingChoice() {
    const romaji::Spelling chosen = navigator_.spelling();
    for (std::size_t i = 0; i < std::size(spellingChoices); ++i)
        c.spellingItems[i]->setChecked(chosen == spellingChoices[i].spelling);
}

// Each 見え方 item turns its choice on or off for every window at once; the choice in force is checked.
void MainScreen::onClearColoursMenu() {
    toolkit::Look look = navigator_.look();
    look.clearColours = !look.clearColours;
    navigator_.chooseLook(look);
    showLookChoice();
}

void MainScreen::onLessMotionMenu() {
    toolkit::Look look = navigator_.look();
    look.lessMotion = !look.lessMotion;
    navigator_.chooseLook(look);
    showLookChoice();
}

void MainScreen::showLookChoice() {
    if (!isLoaded()) return;
    const toolkit::Look look = navigator_.look();
    c.clearColoursItem->setChecked(look.clearColours);
    c.lessMotionItem->setChecked(look.lessMotion);
}

// The explanation of the long-vowel mark speaks of the word in play: its tile, or that it has none.
void MainScreen::showLongVowelHelp() {
    for (const SpellingChoice& choice : spellingChoices)
        if (choice.spelling == s.spelling)
            c.howToPlayMenu->items().at(longVowelHelpItem)->setText(choice.longVowelHelp);
}

mainscreen::MarkLook MainScreen::markLook() const {
    return romaji::drawsMacrons(s.spelling) ? mainscreen::MarkLook::macron : mainscreen::MarkLook::caret;
}

std::string MainScreen::shownAnswer(const std::string& answer) const {
    return romaji::drawsMacrons(s.spelling) ? romaji::withMacrons(answer) : answer;
}

void MainScreen::setChartMenuCaption(const std::string& caption) {
    load();
    c.chartMenuItem->setText(caption);
}
