// SPDX-License-Identifier: MIT
#pragma once
// Decoding of the data files' Japanese Windows code page (932, Shift_JIS with its extensions), half-width
// katakana included, to UTF-8 and back.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct Cp932Fault {
    std::size_t offset; // byte offset of the first byte that is not valid code page 932
};

// Returns the text as UTF-8, or the place of the first invalid byte sequence.
std::optional<std::string> decodeCp932(std::string_view bytes, Cp932Fault* fault = nullptr);
// The UTF-8 text in code page 932; empty when a character has no place in it.
std::string encodeCp932(std::string_view text);
