#include "screens/practice/rensyu.h"

// A level sets how fast the run clock ticks: every level allows 205 ticks, a higher level less time for them.
// Ticks that passed before the choice still count.
void Rensyu::chooseLevel(practice::Level level, QAction* chosen) {
    const practice::LevelSettings settings = practice::settingsFor(level);
    c.Timer1->setEnabled(true);
    c.Timer2->setInterval(settings.clockMs);
    c.Label5->setText(settings.confirmation);
    c.Label6->setText(settings.name);
    // The other two levels go; the chosen one stays and may be chosen again.
    for (QAction* item : {c.syokyuu, c.tyuukyuu, c.jyoukyuu})
        if (item != chosen) dropLevelItem(item);
}

void Rensyu::dropLevelItem(QAction* item) {
    item->setEnabled(false);
    item->setVisible(false);
}

void Rensyu::syokyuu_Click() {
    chooseLevel(practice::Level::Beginner, c.syokyuu);
}
void Rensyu::tyuukyuu_Click() {
    chooseLevel(practice::Level::Intermediate, c.tyuukyuu);
}
void Rensyu::jyoukyuu_Click() {
    chooseLevel(practice::Level::Advanced, c.jyoukyuu);
}

// "No time" prepares an untimed run: the clock keeps ticking unseen until the begin button stops it.
void Rensyu::bb_Click(std::int16_t) {
    c.Label6->setText(QStringLiteral("がんばれ"));
    c.Label3->hide();
    c.Label5->hide();
    c.Command1->hide();
    c.Command2->show();
    for (QAction* item : {c.syokyuu, c.tyuukyuu, c.jyoukyuu})
        dropLevelItem(item);
}

// START begins a timed run; without a level the clock keeps its one tick a second.
void Rensyu::Command1_Click() {
    c.Timer1->setEnabled(true);
    c.Label3->hide();
    c.Timer2->setEnabled(true);
    c.Command1->hide();
    ChooseTarget();
}

// The begin button starts an untimed run: no clock, no verdict, and correct answers leave the target timer
// off.
void Rensyu::Command2_Click() {
    c.Timer1->setEnabled(false);
    c.Timer2->setEnabled(false);
    c.Command2->hide();
    untimedFlag = 1;
    ChooseTarget();
}
