// SPDX-License-Identifier: MIT
#pragma once
// The word list as the game plays it. The player may change the spelling at any time, so a list that loads
// must play in every spelling: a Kunrei tu, ti or si grows by a letter in Hepburn, and an answer that fits
// the 24 tiles as written may not fit them in Hepburn.
#include "services/data/questionbank.h"
#include <optional>
#include <string>

namespace mainscreen {

// The fault of an answer that outgrows the tiles in one of the spellings; none when it fits them in all.
std::optional<AnswerFault> outgrowsTiles(const std::string& answer, const std::string& word);

// Reads romaji.txt at path as readQuestionBank does, refusing an answer that outgrows the tiles in any
// spelling with the file, its line, the spelling and the letter count.
QuestionBank readWordList(const std::string& path);

} // namespace mainscreen
