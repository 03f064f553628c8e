// SPDX-License-Identifier: MIT
#pragma once
// What the practice screen's kana chart must look like, as the player sees it: rows
// of label numbers, each showing its caption from the game's kana chart, and helpers that open the practice
// screen over a practice data file.
#include "support/gamefixture.h"
#include "toolkit/colour.h"
#include <string>
#include <vector>

class PracticeScreen;

struct ExpectedChartLabel {
    int index;
    std::string kana;
    int left, top, width; // twips; every chart label is 375 twips high
    double points;
    toolkit::Colour fore;
};

// All 104 chart labels, block by block, row by row.
const std::vector<ExpectedChartLabel>& expectedChart();
// The kana of chart label index.
std::string expectedKana(int index);

// A prompt that is no kana of the chart, so a label that shows it can never be a right answer.
std::string promptFor(int index);
// One record per chart label, in index order: prompt, kana, label number.
std::string fullPracticeData();

// Writes the practice data, starts the program and opens the practice screen from the main screen's menu.
PracticeScreen& openPractice(GameFixture& game, const std::string& practiceData);
// Clicks the chart label that answers the current target.
void answerCurrentTarget(PracticeScreen& practiceScreen);
