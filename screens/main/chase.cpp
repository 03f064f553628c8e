// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/main/rules.h"
#include "screens/main/track.h"
#include "screens/navigator.h"

using namespace mainscreen;

// One chase tick, every half second, also while the main screen is hidden. Ticks delivered while the result
// box is open are turned away (on the desktop the tick that ended the game is still running then).
void MainScreen::onChaseTick() {
    if (chaseTickRunning_ || resultOpen_) return;
    chaseTickRunning_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{chaseTickRunning_};

    // The praise stamp goes on the fourth tick; the count stops there, so it never overflows.
    if (s.praiseStampTicks <= praiseTicks) ++s.praiseStampTicks;
    if (s.praiseStampTicks > praiseTicks) c.praiseStamp->hide();
    for (std::int16_t i = 0; i < creatureCount; ++i) {
        if (s.creatureShown[i] && s.score > 0) moveCreature(i);
        if (inEatZone(s.creaturePlace[i])) {
            eatCreature(i);
            if (s.eatenCount >= gameLength) {
                endGame();
                return; // the screens are closed: nothing more of this tick
            }
        }
        bringBackCreature(i);
    }
}

// The higher the score, the faster every creature runs.
void MainScreen::moveCreature(std::int16_t i) {
    moveCreatureTo(i, alongTrack(s.creaturePlace[i], trackStep(s.score, s.creatureSpeed[i])));
}

// A creature that falls off the cliff is gone for the game; its slot shows the eaten mark.
void MainScreen::eatCreature(std::int16_t i) {
    setCreatureShown(i, false);
    moveCreatureTo(i, parkedPlace);
    c.creatures(i)->setEnabled(false);
    toolkit::PictureBox* slot = c.parkingSlots(i);
    slot->setPicture(c.eatenMark->picture());
    slot->setEnabled(false);
    setScore(s.score - eatPenalty);
    setCreatureState(i, CreatureState::eaten);
    ++s.eatenCount;
    recordGame();
    play(Cue::Eaten);
}

// A caught creature waits in its slot and comes back to the start of the track after twenty ticks.
void MainScreen::bringBackCreature(std::int16_t i) {
    if (s.creatureState[i] != CreatureState::parked) return;
    ++s.returnTicks[i];
    if (s.returnTicks[i] < returnWait) return;
    toolkit::PictureBox* slot = c.parkingSlots(i);
    c.creatures(i)->setPicture(slot->picture());
    slot->setPicture(c.blankPicture->picture());
    moveCreatureTo(i, startPlace);
    setCreatureShown(i, true);
    setCreatureState(i, CreatureState::running);
}

// The fifth lost creature ends the game: the graded result, then every game window closes.
void MainScreen::endGame() {
    recordGame();
    s.resultText = resultForScore(s.score);
    play(Cue::GameOver);
    resultOpen_ = true;
    navigator_.services().messageBox.show(s.resultText, "結果", toolkit::MessageIcon::stop, [this] {
        resultOpen_ = false;
        guard().run([&] { navigator_.gameOver(); });
    });
}
