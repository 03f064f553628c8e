// SPDX-License-Identifier: MIT
#include "toolkit/text.h"

namespace toolkit {

namespace {
// A byte that continues a character rather than starting one.
bool continues(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
} // namespace

std::optional<char32_t> readCharacter(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) {
        return k < text.size() ? static_cast<unsigned char>(text[k]) : static_cast<unsigned char>(0);
    };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int more = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the byte after the lead byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        more = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        more = 2;
        if (lead == 0xE0) low = 0xA0;  // no overlong forms
        if (lead == 0xED) high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        more = 3;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F; // nothing past U+10FFFF
    } else {
        ++i;
        return std::nullopt;
    }
    char32_t c = lead & (0x3F >> more);
    for (int k = 1; k <= more; ++k) {
        const unsigned char next = byte(i + static_cast<std::size_t>(k));
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
            ++i;
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(more) + 1;
    return c;
}

char32_t nextCharacter(std::string_view text, std::size_t& i) {
    return readCharacter(text, i).value_or(U'\uFFFD');
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

bool isBlankCharacter(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i + 1;
        while (end < text.size() && continues(text[end]))
            ++end;
        result.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return result;
}

int characterCount(std::string_view text) {
    int count = 0;
    for (char byte : text)
        if (!continues(byte)) ++count;
    return count;
}

std::string leftCharacters(std::string_view text, int count) {
    std::size_t end = 0;
    for (int seen = 0; end < text.size(); ++end) {
        if (!continues(text[end]) && seen++ == count) break;
    }
    return std::string(text.substr(0, end));
}

void dropLastCharacter(std::string& text) {
    while (!text.empty()) {
        const bool first = !continues(text.back());
        text.pop_back();
        if (first) return;
    }
}

} // namespace toolkit
