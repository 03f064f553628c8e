// SPDX-License-Identifier: MIT
#include "services/data/utf8text.h"
#include "toolkit/text.h"

using toolkit::isBlankCharacter;
using toolkit::nextCharacter;

std::size_t letterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();)
        count += nextCharacter(text, i) > 0xFFFF ? 2 : 1;
    return count;
}

std::string firstLetters(std::string_view text, std::size_t count) {
    std::size_t i = 0, letters = 0;
    while (i < text.size()) {
        std::size_t next = i;
        letters += nextCharacter(text, next) > 0xFFFF ? 2 : 1;
        if (letters > count) break;
        i = next;
    }
    return std::string(text.substr(0, i));
}

std::string withoutOuterBlanks(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t at = i;
        if (!isBlankCharacter(nextCharacter(text, i))) {
            begin = at;
            break;
        }
        begin = i;
    }
    for (std::size_t i = begin; i < text.size();) {
        if (!isBlankCharacter(nextCharacter(text, i))) end = i;
    }
    if (begin >= text.size()) return {};
    return std::string(text.substr(begin, end - begin));
}
