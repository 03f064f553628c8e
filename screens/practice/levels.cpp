// SPDX-License-Identifier: MIT
#include "screens/practice/practice_screen.h"

// A level sets how fast the run clock ticks: every level allows 205 ticks, a higher level less time for them.
// Ticks that passed before the choice still count.
void PracticeScreen::chooseLevel(practice::Level level, toolkit::MenuItem* chosen) {
    const practice::LevelSettings settings = practice::settingsFor(level);
    c.targetTimer->setEnabled(true);
    c.runClock->setInterval(settings.clockMs);
    c.statusLabel->setText(settings.confirmation);
    c.levelLabel->setText(settings.name);
    // The other two levels go; the chosen one stays and may be chosen again.
    for (toolkit::MenuItem* item : {c.beginnerMenuItem, c.intermediateMenuItem, c.advancedMenuItem})
        if (item != chosen) dropLevelItem(item);
}

void PracticeScreen::dropLevelItem(toolkit::MenuItem* item) {
    item->setEnabled(false);
    item->setVisible(false);
}

void PracticeScreen::onBeginnerMenu() {
    chooseLevel(practice::Level::Beginner, c.beginnerMenuItem);
}
void PracticeScreen::onIntermediateMenu() {
    chooseLevel(practice::Level::Intermediate, c.intermediateMenuItem);
}
void PracticeScreen::onAdvancedMenu() {
    chooseLevel(practice::Level::Advanced, c.advancedMenuItem);
}

// にがてを れんしゅう changes only which kana come: it goes with any level, timed or not, and stays for the
// visit.
void PracticeScreen::onWeakMenu() {
    s.weakDeal = true;
    c.weakMenuItem->setChecked(true);
    c.statusLabel->setText("にがてですね");
}

// "No time" prepares an untimed run: the clock keeps ticking unseen until the begin button stops it.
void PracticeScreen::onNoTimeMenu(std::int16_t) {
    c.levelLabel->setText("がんばれ");
    c.instructionLabel->hide();
    c.statusLabel->hide();
    c.startButton->hide();
    c.beginButton->show();
    for (toolkit::MenuItem* item : {c.beginnerMenuItem, c.intermediateMenuItem, c.advancedMenuItem})
        dropLevelItem(item);
}

// START begins a timed run; without a level the clock keeps its one tick a second.
void PracticeScreen::onStartClicked() {
    c.targetTimer->setEnabled(true);
    c.instructionLabel->hide();
    c.runClock->setEnabled(true);
    c.startButton->hide();
    chooseTarget();
    promptShown();
}

// The begin button starts an untimed run: no clock, no verdict, and correct answers leave the target timer
// off.
void PracticeScreen::onBeginClicked() {
    c.targetTimer->setEnabled(false);
    c.runClock->setEnabled(false);
    c.beginButton->hide();
    s.untimed = true;
    chooseTarget();
    promptShown();
}
