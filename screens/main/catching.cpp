// SPDX-License-Identifier: MIT
#include "screens/main/main_screen.h"
#include "screens/main/track.h"
#include "screens/navigator.h"

using namespace mainscreen;

// A click on a creature starts gliding it into its slot; while it glides, no other creature can be clicked.
void MainScreen::onCreatureClicked(std::int16_t index) {
    playClick();
    c.catchTimer->setEnabled(true);
    if (catchStep == 0) catchIndex = index;
    for (std::int16_t k = 0; k < creatureCount; ++k)
        c.creatures(k)->setEnabled(false);
    c.creatures(catchIndex)->setEnabled(true);
}

// Each step covers a growing share of the way that is left, from wherever the creature is now (the chase may
// have moved it, or the cliff taken it); the ninth step puts its picture into the slot.
void MainScreen::onCatchTick() {
    ++catchStep;
    moveCreatureTo(catchIndex, glideStep(creaturePlace[catchIndex], slotPlace(catchIndex), catchStep));
    if (catchStep != catchSteps) return;
    toolkit::PictureBox* creature = c.creatures(catchIndex);
    c.parkingSlots(catchIndex)->setPicture(creature->picture());
    creature->setPicture(c.blankPicture->picture());
    setCreatureShown(catchIndex, false);
    moveCreatureTo(catchIndex, parkedPlace);
    returnTicks[catchIndex] = 1; // the chase tick counts on from here
    for (std::int16_t k = 0; k < creatureCount; ++k)
        c.creatures(k)->setEnabled(true);
    catchStep = 0;
    c.catchTimer->setEnabled(false);
}

// A click on a slot lets its waiting creature out at the start of the track at once. A slot with nothing
// waiting in it (its creature is running, hidden or still gliding towards it) ignores the click.
void MainScreen::onSlotClicked(std::int16_t index) {
    if (returnTicks[index] < 1) return;
    toolkit::PictureBox* slot = c.parkingSlots(index);
    c.creatures(index)->setPicture(slot->picture());
    slot->setPicture(c.blankPicture->picture());
    moveCreatureTo(index, startPlace);
    setCreatureShown(index, true);
    returnTicks[index] = 0;
}
