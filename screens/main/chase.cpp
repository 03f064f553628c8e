#include "screens/main/form1.h"
#include "screens/peers.h"

namespace {

// The track: the creatures run clockwise along these edges; an edge far out of sight no longer counts.
constexpr double startLeft = 100, startTop = 100;
constexpr double rightEdge = 5540, bottomEdge = 1100, outOfSight = -1000;
constexpr double parked = -2000;
constexpr int eatPenalty = 30;
constexpr int gameLength = 5; // eaten creatures that end the game
constexpr int returnWait = 20;

// The cliff on the left of the track: all four bounds are strict.
bool inEatZone(double left, double top) {
    return top > 600 && top < 1000 && left > -300 && left < 800;
}

QString resultFor(int score) {
    if (score > 600) return QStringLiteral("さすがじゃ！");
    if (score > 450) return QStringLiteral("そこそこだなぁ！");
    if (score >= 200) return QStringLiteral("まだまだ！");
    return QStringLiteral("特訓がいるぞ！");
}

} // namespace

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
    if (picture4Ticks <= 3) ++picture4Ticks;
    if (picture4Ticks > 3) c.Picture4->hide();
    for (std::int16_t i = 0; i < 12; ++i) {
        if (!c.Picture1(i)->isHidden() && score > 0) moveCreature(i);
        const toolkit::PictureBox* creature = c.Picture1(i);
        if (inEatZone(creature->left(), creature->top())) {
            eatCreature(i);
            if (eatenCount >= gameLength) {
                endGame();
                return; // the screens are closed: nothing more of this tick
            }
        }
        bringBackCreature(i);
    }
}

// The higher the score, the faster every creature runs; at a corner two edges apply in the same tick.
void Form1::moveCreature(std::int16_t i) {
    toolkit::PictureBox* p = c.Picture1(i);
    const double step = score / 2.0 + creatureSpeed[i];
    if (p->top() <= startTop && p->top() > outOfSight) p->setLeft(p->left() + step);
    if (p->left() >= rightEdge) p->setTop(p->top() + step);
    if (p->top() >= bottomEdge) p->setLeft(p->left() - step);
    if (p->left() <= startLeft && p->left() > outOfSight) p->setTop(p->top() - step);
}

// A creature that falls off the cliff is gone for the game; its slot shows the eaten mark.
void Form1::eatCreature(std::int16_t i) {
    toolkit::PictureBox* creature = c.Picture1(i);
    creature->hide();
    creature->setTop(parked);
    creature->setLeft(parked);
    creature->setEnabled(false);
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
    toolkit::PictureBox* creature = c.Picture1(i);
    toolkit::PictureBox* slot = c.Picture2(i);
    creature->setPicture(slot->picture());
    slot->setPicture(c.Picture3->picture());
    creature->setLeft(startLeft);
    creature->setTop(startTop);
    creature->show();
    returnTicks[i] = 0;
}

// The fifth lost creature ends the game: the graded result, then every game window closes.
void Form1::endGame() {
    resultText = resultFor(score);
    PlayGameOver();
    apiResult = peers_.services().messageBox.show(resultText, QStringLiteral("結果"), toolkit::styleStop);
    close();
    peers_.form2().close();
    peers_.rensyu().close();
}
