// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/main/track.h"
#include "screens/navigator.h"

using namespace mainscreen;

// A click on a creature starts gliding it into its slot; while it glides, no other creature can be clicked.
void MainScreen::onCreatureClicked(std::int16_t index) {
    play(Cue::Click);
    c.catchTimer->setEnabled(true);
    if (s.catchStep == 0) s.catchIndex = index;
    for (std::int16_t k = 0; k < creatureCount; ++k)
        c.creatures(k)->setEnabled(false);
    c.creatures(s.catchIndex)->setEnabled(true);
}

// Each step covers a growing share of the way that is left, from wherever the creature is now (the chase may
// have moved it, or the cliff taken it); the ninth step puts its picture into the slot.
void MainScreen::onCatchTick() {
    ++s.catchStep;
    if (s.catchStep == 1) setCreatureState(s.catchIndex, CreatureState::gliding);
    moveCreatureTo(s.catchIndex,
                   glideStep(s.creaturePlace[s.catchIndex], slotPlace(s.catchIndex), s.catchStep));
    if (s.catchStep != catchSteps) return;
    toolkit::PictureBox* creature = c.creatures(s.catchIndex);
    c.parkingSlots(s.catchIndex)->setPicture(creature->picture());
    creature->setPicture(c.blankPicture->picture());
    setCreatureShown(s.catchIndex, false);
    moveCreatureTo(s.catchIndex, parkedPlace);
    setCreatureState(s.catchIndex, CreatureState::parked); // the chase tick counts on from here
    for (std::int16_t k = 0; k < creatureCount; ++k)
        c.creatures(k)->setEnabled(true);
    s.catchStep = 0;
    c.catchTimer->setEnabled(false);
    ++s.savedCount;
    recordGame();
}

// A click on a slot lets its waiting creature out at the start of the track at once. A slot with nothing
// waiting in it (its creature is running, hidden or still gliding towards it) ignores the click.
void MainScreen::onSlotClicked(std::int16_t index) {
    if (s.creatureState[index] != CreatureState::parked) return;
    toolkit::PictureBox* slot = c.parkingSlots(index);
    c.creatures(index)->setPicture(slot->picture());
    slot->setPicture(c.blankPicture->picture());
    moveCreatureTo(index, startPlace);
    setCreatureShown(index, true);
    setCreatureState(index, CreatureState::running);
}
