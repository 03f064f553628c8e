// SPDX-License-Identifier: MIT
#pragma once
// Builds WAV files byte by byte for the sound tests, including the damaged and foreign ones.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace wav {

// The sound service reads and writes plain bytes; the tests build and compare them as strings of bytes.
template <class Bytes> std::span<const unsigned char> view(const Bytes& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.data()), std::size_t(bytes.size())};
}
inline std::string toBytes(std::span<const unsigned char> bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

inline std::string le16(int v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF)};
}
inline std::string le32(std::int64_t v) {
    return le16(int(v & 0xFFFF)) + le16(int((v >> 16) & 0xFFFF));
}

inline std::string chunk(const std::string& id, const std::string& body) {
    std::string c = id + le32(std::int64_t(body.size())) + body;
    if (body.size() & 1) c += '\0';
    return c;
}

// The "fmt " chunk's body; extensible (tag 0xFFFE) gives the real tag in its GUID.
inline std::string format(int tag, int channels, int rate, int bits, int blockAlign = -1) {
    const int align = blockAlign >= 0 ? blockAlign : channels * bits / 8;
    return le16(tag) + le16(channels) + le32(rate) + le32(std::int64_t(rate) * align) + le16(align) +
           le16(bits);
}
inline std::string extensible(int subTag, int channels, int rate, int bits) {
    std::string f = format(0xFFFE, channels, rate, bits);
    f += le16(22) + le16(bits) + le32(channels == 1 ? 4 : 3) + le16(subTag);
    f += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return f;
}

inline std::string riff(const std::string& chunks) {
    return "RIFF" + le32(4 + std::int64_t(chunks.size())) + "WAVE" + chunks;
}

// A plain file: format then sound.
inline std::string file(int tag, int channels, int rate, int bits, const std::string& samples) {
    return riff(chunk("fmt ", format(tag, channels, rate, bits)) + chunk("data", samples));
}

// 16-bit little-endian samples.
inline std::string samples16(std::initializer_list<int> values) {
    std::string b;
    for (int v : values)
        b += le16(v);
    return b;
}

} // namespace wav
