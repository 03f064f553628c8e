#include "services/sound/wavfile.h"
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace sound {

QString describe(Fault fault) {
    switch (fault) {
    case Fault::None:
        return QStringLiteral("playable");
    case Fault::NotRegular:
        return QStringLiteral("not a regular file");
    case Fault::TooBig:
        return QStringLiteral("too big for a sound cue");
    case Fault::Unreadable:
        return QStringLiteral("cannot be read");
    case Fault::NotWav:
        return QStringLiteral("not a WAV file");
    case Fault::Unsupported:
        return QStringLiteral("a sound encoding the game does not play");
    case Fault::Truncated:
        return QStringLiteral("cut short");
    case Fault::NoSound:
        return QStringLiteral("holds no sound");
    case Fault::TooLong:
        return QStringLiteral("too long for a sound cue");
    }
    return {};
}

namespace {

quint16 u16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 u32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

// The extensible layout names its encoding by a GUID whose first two bytes are the plain format tag and
// whose other fourteen are always these.
constexpr char kGuidTail[14] = {0x00, 0x00, 0x00,       0x00, 0x10, 0x00,       char(0x80),
                                0x00, 0x00, char(0xAA), 0x00, 0x38, char(0x9B), 0x71};

Fault readFormat(const char* body, qint64 size, WavFormat& f, int& blockAlign) {
    if (size < 16) return Fault::NotWav;
    f.formatTag = u16(body);
    f.channels = u16(body + 2);
    f.sampleRate = static_cast<int>(u32(body + 4));
    blockAlign = u16(body + 12);
    f.bitsPerSample = u16(body + 14);
    if (f.formatTag == 0xFFFE) {
        if (size < 40 || u16(body + 16) < 22 || std::memcmp(body + 26, kGuidTail, sizeof kGuidTail) != 0)
            return Fault::Unsupported;
        f.formatTag = u16(body + 24);
    }
    const bool integer = f.formatTag == 1 && (f.bitsPerSample == 8 || f.bitsPerSample == 16 ||
                                              f.bitsPerSample == 24 || f.bitsPerSample == 32);
    const bool floating = f.formatTag == 3 && (f.bitsPerSample == 32 || f.bitsPerSample == 64);
    if (!integer && !floating) return Fault::Unsupported;
    if (f.channels < 1 || f.channels > 8 || f.sampleRate < 1000 || f.sampleRate > 384000 ||
        blockAlign != f.channels * f.bitsPerSample / 8)
        return Fault::Unsupported;
    return Fault::None;
}

// One sample of the source as a float in [-1, 1), or as a 16-bit integer for 8- and 16-bit sources.
float floatSample(const char* p, const WavFormat& f) {
    if (f.formatTag == 3) {
        if (f.bitsPerSample == 32) {
            const quint32 bits = u32(p);
            float v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
        const quint64 bits = qFromLittleEndian<quint64>(p);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return static_cast<float>(v);
    }
    if (f.bitsPerSample == 24) {
        const qint32 v =
            qint32(quint32(quint8(p[0])) << 8 | quint32(quint8(p[1])) << 16 | quint32(quint8(p[2])) << 24) >>
            8;
        return float(v) / 8388608.0f;
    }
    return float(double(qint32(u32(p))) / 2147483648.0);
}

qint16 intSample(const char* p, const WavFormat& f) {
    if (f.bitsPerSample == 8) {
        const int centred = static_cast<quint8>(*p) - 128; // 8-bit samples are unsigned
        return static_cast<qint16>(centred * 256);
    }
    return qint16(u16(p));
}

Pcm convert(const char* data, qint64 frames, const WavFormat& f) {
    Pcm pcm;
    const bool toInt = f.formatTag == 1 && f.bitsPerSample <= 16;
    pcm.format = {f.sampleRate, f.channels == 1 ? 1 : 2, toInt ? SampleType::Int16 : SampleType::Float32};
    pcm.samples.resize(frames * pcm.format.bytesPerFrame());
    const int bytes = f.bitsPerSample / 8;
    const int frameBytes = bytes * f.channels;
    char* out = pcm.samples.data();
    for (qint64 i = 0; i < frames; ++i) {
        const char* frame = data + i * frameBytes;
        for (int c = 0; c < pcm.format.channels; ++c) {
            if (toInt) {
                const qint16 v = intSample(frame + c * bytes, f);
                std::memcpy(out, &v, sizeof v);
                out += sizeof v;
            } else {
                // Damaged float files may hold values far outside the range, or not a number at all.
                float v = floatSample(frame + c * bytes, f);
                v = v == v ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
                std::memcpy(out, &v, sizeof v);
                out += sizeof v;
            }
        }
    }
    return pcm;
}

} // namespace

WavDecoding decodeWav(const QByteArray& file, double maxSeconds) {
    WavDecoding result;
    const char* bytes = file.constData();
    const qint64 size = file.size();
    if (size == 0) {
        result.fault = Fault::NoSound;
        return result;
    }
    if (size < 12) {
        result.fault = QByteArray("RIFF").startsWith(file.left(4)) ? Fault::Truncated : Fault::NotWav;
        return result;
    }
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        result.fault = Fault::NotWav;
        return result;
    }
    bool haveFormat = false;
    int blockAlign = 0;
    // Chunks follow one another, each an id, a little-endian size and its bytes padded to an even length.
    for (qint64 at = 12; at < size;) {
        const qint64 body = at + 8;
        if (body > size) {
            result.fault = Fault::Truncated; // cut off inside a chunk's header
            return result;
        }
        const char* id = bytes + at;
        const qint64 chunk = u32(bytes + at + 4);
        // A chunk must be there whole: a file cut off inside its header or its sound is as good as none.
        if (size - body < chunk && (std::memcmp(id, "fmt ", 4) == 0 || std::memcmp(id, "data", 4) == 0)) {
            result.fault = Fault::Truncated;
            return result;
        }
        if (std::memcmp(id, "fmt ", 4) == 0) {
            result.fault = readFormat(bytes + body, chunk, result.source, blockAlign);
            if (result.fault != Fault::None) return result;
            haveFormat = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (!haveFormat) {
                result.fault = Fault::NotWav;
                return result;
            }
            const qint64 frames = chunk / blockAlign;
            result.source.dataBytes = chunk;
            if (frames == 0) {
                result.fault = Fault::NoSound;
                return result;
            }
            if (double(frames) / result.source.sampleRate > maxSeconds) {
                result.fault = Fault::TooLong;
                return result;
            }
            result.pcm = convert(bytes + body, frames, result.source);
            return result;
        }
        at = body + chunk + (chunk & 1);
    }
    result.fault = haveFormat ? Fault::Truncated : Fault::NotWav;
    return result;
}

} // namespace sound
