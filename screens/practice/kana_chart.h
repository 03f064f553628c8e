// SPDX-License-Identifier: MIT
#pragma once
// The kana chart of the practice screen: 104 labels in three blocks (plain, voiced and contracted kana).
#include "screens/practice/rules.h"
#include "toolkit/controlarray.h"
#include "toolkit/window.h"
#include <string>

using ChartLabels = toolkit::ControlArray<toolkit::Label>;

// Builds all 104 chart labels on w, unmarked and showing their kana, and files each under its index.
void buildChart(toolkit::Window& w, ChartLabels& labels);
// The kana chart label index shows when the screen is opened.
std::string chartKana(int index);
