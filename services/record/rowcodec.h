// SPDX-License-Identifier: MIT
#pragma once
// An entry as one line of text for the store: a version, a kind and the fields, separated by tabs. Text a
// teacher wrote (a word with a tab or a line break in it) is escaped, so every row stays one line.
#include "services/record/entries.h"
#include "services/record/store.h"
#include <optional>

namespace record {

Row encode(const Entry& entry);
// None when the row is not one this game wrote (cut off, damaged, from a later version).
std::optional<Entry> decode(const Row& row);

} // namespace record
