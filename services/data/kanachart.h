// SPDX-License-Identifier: MIT
#pragma once
// The captions of the practice screen's kana chart, one home for the game, the bank checker and the tests.
// The practice data names a label by its number and gives its caption as the answer.
#include <string_view>

// The chart has 104 labels, numbered 0 to 103.
inline constexpr int kanaChartSize = 104;

// The caption (UTF-8) of chart label index, e.g. "あ" for 0, "じゃ(ぢゃ)" for 95; empty outside 0 to 103.
std::string_view kanaChartCaption(int index);
