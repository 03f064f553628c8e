#include "screens/main/form1.h"
#include "screens/peers.h"

using namespace toolkit;

Form1::Form1(ScreenPeers& peers) : Screen(peers), peers_(peers) {}

ScreenWindow* Form1::build() {
    ScreenWindow* window = buildForm1(c);
    for (std::int16_t k = 0; k < 24; ++k)
        on(c.Label1(k), &Label::mouseDown, [this, k] { Label1_MouseDown(k); });
    for (std::int16_t k = 0; k < 12; ++k) {
        on(c.Picture1(k), &PictureBox::clicked, [this, k] { Picture1_Click(k); });
        on(c.Picture2(k), &PictureBox::clicked, [this, k] { Picture2_Click(k); });
    }
    on(c.Command1, &Button::clicked, [this] { Command1_Click(); });
    on(c.Command2, &Button::clicked, [this] { Command2_Click(); });
    on(c.Command3, &Button::clicked, [this] { Command3_Click(); });
    on(c.Timer1, &Timer::tick, [this] { Timer1_Timer(); });
    on(c.Timer2, &Timer::tick, [this] { Timer2_Timer(); });
    on(c.hyou, &QAction::triggered, [this] { hyou_Click(); });
    on(c.moren, &QAction::triggered, [this] { moren_Click(); });
    on(c.owaru, &QAction::triggered, [this] { owaru_Click(); });
    on(c.saku, &QMenu::aboutToShow, [this] { saku_Click(); });
    on(c.sakusya, &QAction::triggered, [this] { sakusya_Click(); });
    onKey(window, [this](const KeyPress& key) { return Form_KeyDown(key); });
    return window;
}

// Closing the main window from its frame quits the game, as the quit command does.
void Form1::closeRequested() {
    owaru_Click();
}

void Form1::showScore() {
    // A leading blank stands where a minus sign would.
    c.Label4->setText(score >= 0 ? QStringLiteral(" %1").arg(score) : QString::number(score));
}

void Form1::moveCreatureTo(std::int16_t i, mainscreen::TwipPoint place) {
    creaturePlace[i] = place;
    c.Picture1(i)->setPosition(place.left, place.top);
}

void Form1::setTileShown(std::int16_t k, bool shown) {
    tileShown[k] = shown;
    c.Label1(k)->setVisible(shown);
}

void Form1::setCreatureShown(std::int16_t i, bool shown) {
    creatureShown[i] = shown;
    c.Picture1(i)->setVisible(shown);
}

void Form1::clearAnswerLines() {
    answerLine.clear();
    markedLine.clear();
    plainLine.clear();
    c.Label2->setText(answerLine);
    c.Label5->setText(markedLine);
    c.Label7->setText(plainLine);
}
