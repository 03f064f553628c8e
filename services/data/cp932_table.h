// SPDX-License-Identifier: MIT
#pragma once
// Code page 932 as a table (written by tools/cp932/make_table.py): what each byte and each pair of bytes
// reads as, and the codes the writer prefers where a character has more than one.
namespace cp932 {

// A byte or pair that reads as nothing.
inline constexpr char16_t none = 0xFFFF;

// What each single byte reads as; none for a lead byte or a byte that is not code page 932.
extern const char16_t singleByte[256];

// The lead bytes of two-byte characters, rising, and for each the characters of its trail bytes
// firstTrail to lastTrail.
inline constexpr int leadCount = 55;
inline constexpr unsigned firstTrail = 0x40, lastTrail = 0xFC;
extern const unsigned char leadBytes[leadCount];
extern const char16_t doubleByte[leadCount][lastTrail - firstTrail + 1];

// A character written as another code than the first one that reads as it, rising by character.
struct Written {
    char16_t character;
    unsigned short code; // one byte (below 0x100) or lead and trail bytes
};
inline constexpr int writtenCount = 382;
extern const Written writtenAs[writtenCount];

} // namespace cp932
