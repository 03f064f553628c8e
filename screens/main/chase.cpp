#include "screens/main/form1.h"
#include "screens/main/rules.h"
#include "screens/main/track.h"
#include "screens/peers.h"

using namespace mainscreen;

// One chase tick, every half second, also while the main screen is hidden. The tick that ends the game keeps
// running while its result box is open; ticks delivered meanwhile are turned away.
void Form1::Timer1_Timer() {
    if (chaseTickRunning_) return;
    chaseTickRunning_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{chaseTickRunning_};

    // The praise stamp goes on the fourth tick; the count stops there, so it never overflows.
    if (picture4Ticks <= praiseTicks) ++picture4Ticks;
    if (picture4Ticks > praiseTicks) c.Picture4->hide();
    for (std::int16_t i = 0; i < creatureCount; ++i) {
        if (creatureShown[i] && score > 0) moveCreature(i);
        if (inEatZone(creaturePlace[i])) {
            eatCreature(i);
            if (eatenCount >= gameLength) {
                endGame();
                return; // the screens are closed: nothing more of this tick
            }
        }
        bringBackCreature(i);
    }
}

// The higher the score, the faster every creature runs.
void Form1::moveCreature(std::int16_t i) {
    moveCreatureTo(i, alongTrack(creaturePlace[i], trackStep(score, creatureSpeed[i])));
}

// A creature that falls off the cliff is gone for the game; its slot shows the eaten mark.
void Form1::eatCreature(std::int16_t i) {
    setCreatureShown(i, false);
    moveCreatureTo(i, parkedPlace);
    c.Picture1(i)->setEnabled(false);
    toolkit::PictureBox* slot = c.Picture2(i);
    slot->setPicture(c.Picture6->picture());
    slot->setEnabled(false);
    setScore(score - eatPenalty);
    ++eatenCount;
    PlayEaten();
}

// A caught creature waits in its slot and comes back to the start of the track after twenty ticks.
void Form1::bringBackCreature(std::int16_t i) {
    if (returnTicks[i] < 1) return;
    ++returnTicks[i];
    if (returnTicks[i] < returnWait) return;
    toolkit::PictureBox* slot = c.Picture2(i);
    c.Picture1(i)->setPicture(slot->picture());
    slot->setPicture(c.Picture3->picture());
    moveCreatureTo(i, startPlace);
    setCreatureShown(i, true);
    returnTicks[i] = 0;
}

// The fifth lost creature ends the game: the graded result, then every game window closes.
void Form1::endGame() {
    resultText = resultForScore(score);
    PlayGameOver();
    apiResult = peers_.services().messageBox.show(resultText, QStringLiteral("結果"), toolkit::styleStop);
    close();
    peers_.form2().close();
    peers_.rensyu().close();
}
