#include "screens/main/form1.h"
#include "screens/main/track.h"
#include "screens/peers.h"

using namespace mainscreen;

// A click on a creature starts gliding it into its slot; while it glides, no other creature can be clicked.
void Form1::Picture1_Click(std::int16_t index) {
    PlayClick();
    c.Timer2->setEnabled(true);
    if (catchStep == 0) catchIndex = index;
    for (std::int16_t k = 0; k < creatureCount; ++k)
        c.Picture1(k)->setEnabled(false);
    c.Picture1(catchIndex)->setEnabled(true);
}

// Each step covers a growing share of the way that is left, from wherever the creature is now (the chase may
// have moved it, or the cliff taken it); the ninth step puts its picture into the slot.
void Form1::Timer2_Timer() {
    ++catchStep;
    moveCreatureTo(catchIndex, glideStep(creaturePlace[catchIndex], slotPlace(catchIndex), catchStep));
    if (catchStep != catchSteps) return;
    toolkit::PictureBox* creature = c.Picture1(catchIndex);
    c.Picture2(catchIndex)->setPicture(creature->picture());
    creature->setPicture(c.Picture3->picture());
    setCreatureShown(catchIndex, false);
    moveCreatureTo(catchIndex, parkedPlace);
    returnTicks[catchIndex] = 1; // the chase tick counts on from here
    for (std::int16_t k = 0; k < creatureCount; ++k)
        c.Picture1(k)->setEnabled(true);
    catchStep = 0;
    c.Timer2->setEnabled(false);
}

// A click on a slot lets its waiting creature out at the start of the track at once. A slot with nothing
// waiting in it (its creature is running, hidden or still gliding towards it) ignores the click.
void Form1::Picture2_Click(std::int16_t index) {
    if (returnTicks[index] < 1) return;
    toolkit::PictureBox* slot = c.Picture2(index);
    c.Picture1(index)->setPicture(slot->picture());
    slot->setPicture(c.Picture3->picture());
    moveCreatureTo(index, startPlace);
    setCreatureShown(index, true);
    returnTicks[index] = 0;
}
