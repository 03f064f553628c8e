// SPDX-License-Identifier: MIT
#include "toolkit/text.h"

namespace toolkit {

namespace {
// A byte that continues a character rather than starting one.
bool continues(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
} // namespace

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
