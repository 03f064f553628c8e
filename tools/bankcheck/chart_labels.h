// SPDX-License-Identifier: MIT
#pragma once

#include "services/data/kanachart.h"

#include <QString>
#include <QStringList>

namespace bankcheck {

// The practice screen's kana chart has 104 labels, numbered 0 to 103; the practice data names a label by
// its number and must give its caption exactly. The captions are the game's own (services/data/kanachart.h).
constexpr int kChartLabelCount = kanaChartSize;

// The caption of chart label `index` (0 to 103), e.g. "あ" for 0, "じゃ(ぢゃ)" for 95.
QString chartCaption(int index);

// The kana a caption stands for: the caption itself, or both spellings of "じゃ(ぢゃ)" (じゃ and ぢゃ).
QStringList captionKana(const QString& caption);

} // namespace bankcheck
