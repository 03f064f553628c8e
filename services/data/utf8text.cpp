// SPDX-License-Identifier: MIT
#include "services/data/utf8text.h"

char32_t nextCharacter(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) {
        return k < text.size() ? static_cast<unsigned char>(text[k]) : static_cast<unsigned char>(0x80);
    };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t c = lead & (0x3F >> more);
    for (int k = 1; k <= more; ++k)
        c = (c << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
    i += static_cast<std::size_t>(more) + 1;
    return c;
}

bool isBlankCharacter(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

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

std::string utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}
