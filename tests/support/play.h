// SPDX-License-Identifier: MIT
#pragma once
// Plays the main screen the way a child would: pressing the tiles that carry the letters of a text, in order.
#include "game/program.h"
#include "screens/main/main_screen.h"
#include "support/gamefixture.h"
#include <ostream>
#include <string>

// Presses, for each character of letters, a tile on the board that shows it (^ as the macron tile where the
// word's spelling draws it so). Returns false when the board
// holds no such tile (the letter is not in the dealt answer, or its tiles have been pressed already).
bool pressLetters(MainScreen& form, const std::string& letters);

// Builds the current answer on the board and presses OK.
void answerRight(MainScreen& form);

// Shows creature i at a place on the track (or hides it there).
void placeCreature(MainScreen& form, std::int16_t i, double left, double top, bool visible = true);

// Where creature i stands, in twips, as its picture box has it.
struct Place {
    double left, top;
    friend bool operator==(Place, Place) = default;
};
Place where(const MainScreen& form, int i);
inline void PrintTo(const Place& p, std::ostream* out) {
    *out << "(" << p.left << ", " << p.top << ")";
}

// A started game whose opening has ended, so the main screen is in front of the player; on the display
// with no screen, or on the desktop's (Fixture).
template <class Fixture = GameFixture> struct PlayingGame : Fixture {
    PlayingGame() {
        this->writeText("romajimojiren.txt", "a,あ,0\r\n");
        this->program->onLastScreenClosed = [this] { ++ended; };
        this->start();
        for (int tick = 0; tick < 26; ++tick)
            this->program->openingScreen().onAnimationTick();
    }
    MainScreen& main() { return this->program->mainScreen(); }
    int ended = 0;
};
