// SPDX-License-Identifier: MIT
#pragma once
// The record as a table for a teacher: UTF-8 with a byte-order mark (so spreadsheet programs read the
// Japanese), one row per word played and one per game, each with the player's name.
#include "services/record/record.h"
#include <string>

namespace record {

std::string toCsv(const Record& record);
// A field as a CSV table writes it: quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string& text);

} // namespace record
