// SPDX-License-Identifier: MIT
#pragma once
// Builds WAV files byte by byte for the sound tests, including the damaged and foreign ones.
#include <QByteArray>
#include <QtEndian>
#include <span>
#include <vector>

namespace wav {

// The sound service reads and writes plain bytes; the tests build and compare them as QByteArray.
inline std::span<const unsigned char> view(const QByteArray& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size())};
}
inline QByteArray toBytes(std::span<const unsigned char> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

inline QByteArray le16(int v) {
    QByteArray b(2, '\0');
    qToLittleEndian<quint16>(quint16(v), b.data());
    return b;
}
inline QByteArray le32(qint64 v) {
    QByteArray b(4, '\0');
    qToLittleEndian<quint32>(quint32(v), b.data());
    return b;
}

inline QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    QByteArray c = id + le32(body.size()) + body;
    if (body.size() & 1) c += '\0';
    return c;
}

// The "fmt " chunk's body; extensible (tag 0xFFFE) gives the real tag in its GUID.
inline QByteArray format(int tag, int channels, int rate, int bits, int blockAlign = -1) {
    const int align = blockAlign >= 0 ? blockAlign : channels * bits / 8;
    QByteArray f =
        le16(tag) + le16(channels) + le32(rate) + le32(qint64(rate) * align) + le16(align) + le16(bits);
    return f;
}
inline QByteArray extensible(int subTag, int channels, int rate, int bits) {
    QByteArray f = format(0xFFFE, channels, rate, bits);
    f += le16(22) + le16(bits) + le32(channels == 1 ? 4 : 3) + le16(subTag);
    f += QByteArray::fromHex("000000001000800000AA00389B71");
    return f;
}

inline QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

// A plain file: format then sound.
inline QByteArray file(int tag, int channels, int rate, int bits, const QByteArray& samples) {
    return riff(chunk("fmt ", format(tag, channels, rate, bits)) + chunk("data", samples));
}

// 16-bit little-endian samples.
inline QByteArray samples16(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b += le16(v);
    return b;
}

} // namespace wav
