// SPDX-License-Identifier: MIT
#include "services/data/cp932.h"
#include "services/data/cp932_table.h"
#include "toolkit/text.h"
#include <algorithm>
#include <unordered_map>

namespace {

// The row of doubleByte for a lead byte; -1 when the byte leads no two-byte character.
int leadRow(unsigned char byte) {
    const unsigned char* end = cp932::leadBytes + cp932::leadCount;
    const unsigned char* at = std::lower_bound(cp932::leadBytes, end, byte);
    return at != end && *at == byte ? static_cast<int>(at - cp932::leadBytes) : -1;
}

// The code that writes each character: the first code that reads as it, unless the table says otherwise.
std::unordered_map<char32_t, unsigned> makeCodes() {
    std::unordered_map<char32_t, unsigned> codes;
    for (unsigned b = 0; b < 256; ++b)
        if (cp932::singleByte[b] != cp932::none) codes.emplace(cp932::singleByte[b], b);
    for (int row = 0; row < cp932::leadCount; ++row)
        for (unsigned trail = cp932::firstTrail; trail <= cp932::lastTrail; ++trail) {
            const char16_t c = cp932::doubleByte[row][trail - cp932::firstTrail];
            if (c != cp932::none) codes.emplace(c, (unsigned{cp932::leadBytes[row]} << 8) | trail);
        }
    for (const cp932::Written& written : cp932::writtenAs)
        codes[written.character] = written.code;
    return codes;
}

} // namespace

std::optional<std::string> decodeCp932(std::string_view bytes, Cp932Fault* fault) {
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        char16_t c = cp932::singleByte[byte];
        std::size_t length = 1;
        if (c == cp932::none) {
            const int row = leadRow(byte);
            if (row >= 0 && i + 1 < bytes.size()) {
                const auto trail = static_cast<unsigned char>(bytes[i + 1]);
                if (trail >= cp932::firstTrail && trail <= cp932::lastTrail)
                    c = cp932::doubleByte[row][trail - cp932::firstTrail];
                length = 2;
            }
        }
        if (c == cp932::none) {
            if (fault) fault->offset = i;
            return std::nullopt;
        }
        if (c < 0x80)
            text += static_cast<char>(c);
        else
            text += toolkit::utf8Of(c);
        i += length;
    }
    return text;
}

std::string encodeCp932(std::string_view text) {
    static const std::unordered_map<char32_t, unsigned> codes = makeCodes();
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const auto found = codes.find(toolkit::nextCharacter(text, i));
        if (found == codes.end()) return {};
        if (found->second > 0xFF) bytes += static_cast<char>(found->second >> 8);
        bytes += static_cast<char>(found->second & 0xFF);
    }
    return bytes;
}
