// SPDX-License-Identifier: MIT
#pragma once
// Plays the main screen the way a child would: pressing the tiles that carry the letters of a text, in order.
#include "screens/main/main_screen.h"
#include <string>

// Presses, for each character of letters, a tile on the board that shows it (^ as the macron tile where the
// word's spelling draws it so). Returns false when the board
// holds no such tile (the letter is not in the dealt answer, or its tiles have been pressed already).
bool pressLetters(MainScreen& form, const std::string& letters);

// Builds the current answer on the board and presses OK.
void answerRight(MainScreen& form);

// Shows creature i at a place on the track (or hides it there).
void placeCreature(MainScreen& form, std::int16_t i, double left, double top, bool visible = true);
