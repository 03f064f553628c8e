// SPDX-License-Identifier: MIT
#include "services/sound/wavfile.h"
#include <algorithm>
#include <cstring>

namespace sound {

std::string describe(Fault fault) {
    switch (fault) {
    case Fault::None:
        return "playable";
    case Fault::NotRegular:
        return "not a regular file";
    case Fault::TooBig:
        return "too big for a sound cue";
    case Fault::Unreadable:
        return "cannot be read";
    case Fault::NotWav:
        return "not a WAV file";
    case Fault::Unsupported:
        return "a sound encoding the game does not play";
    case Fault::Truncated:
        return "cut short";
    case Fault::NoSound:
        return "holds no sound";
    case Fault::TooLong:
        return "too long for a sound cue";
    }
    return {};
}

namespace {

// The file's numbers are little-endian whatever the machine's byte order.
std::uint16_t u16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}
std::uint32_t u32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint64_t u64(const unsigned char* p) {
    return std::uint64_t(u32(p)) | std::uint64_t(u32(p + 4)) << 32;
}

// The extensible layout names its encoding by a GUID whose first two bytes are the plain format tag and
// whose other fourteen are always these.
constexpr unsigned char kGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                         0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

Fault readFormat(const unsigned char* body, std::int64_t size, WavFormat& f, int& blockAlign) {
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
float floatSample(const unsigned char* p, const WavFormat& f) {
    if (f.formatTag == 3) {
        if (f.bitsPerSample == 32) {
            const std::uint32_t bits = u32(p);
            float v;
            std::memcpy(&v, &bits, sizeof v);
            return v;
        }
        const std::uint64_t bits = u64(p);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return static_cast<float>(v);
    }
    if (f.bitsPerSample == 24) {
        const std::int32_t v =
            std::int32_t(std::uint32_t(p[0]) << 8 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 24) >>
            8;
        return float(v) / 8388608.0f;
    }
    return float(double(std::int32_t(u32(p))) / 2147483648.0);
}

std::int16_t intSample(const unsigned char* p, const WavFormat& f) {
    if (f.bitsPerSample == 8) {
        const int centred = *p - 128; // 8-bit samples are unsigned
        return static_cast<std::int16_t>(centred * 256);
    }
    return std::int16_t(u16(p));
}

Pcm convert(const unsigned char* data, std::int64_t frames, const WavFormat& f) {
    Pcm pcm;
    const bool toInt = f.formatTag == 1 && f.bitsPerSample <= 16;
    pcm.format = {f.sampleRate, f.channels == 1 ? 1 : 2, toInt ? SampleType::Int16 : SampleType::Float32};
    pcm.samples.resize(frames * pcm.format.bytesPerFrame());
    const int bytes = f.bitsPerSample / 8;
    const int frameBytes = bytes * f.channels;
    unsigned char* out = pcm.samples.data();
    for (std::int64_t i = 0; i < frames; ++i) {
        const unsigned char* frame = data + i * frameBytes;
        for (int c = 0; c < pcm.format.channels; ++c) {
            if (toInt) {
                const std::int16_t v = intSample(frame + c * bytes, f);
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

WavDecoding decodeWav(std::span<const unsigned char> file, double maxSeconds) {
    WavDecoding result;
    const unsigned char* bytes = file.data();
    const std::int64_t size = std::int64_t(file.size());
    if (size == 0) {
        result.fault = Fault::NoSound;
        return result;
    }
    if (size < 12) {
        result.fault = std::memcmp(bytes, "RIFF", std::min<std::size_t>(file.size(), 4)) == 0
                           ? Fault::Truncated
                           : Fault::NotWav;
        return result;
    }
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        result.fault = Fault::NotWav;
        return result;
    }
    bool haveFormat = false;
    int blockAlign = 0;
    // Chunks follow one another, each an id, a little-endian size and its bytes padded to an even length.
    for (std::int64_t at = 12; at < size;) {
        const std::int64_t body = at + 8;
        if (body > size) {
            result.fault = Fault::Truncated; // cut off inside a chunk's header
            return result;
        }
        const unsigned char* id = bytes + at;
        const std::int64_t chunk = u32(bytes + at + 4);
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
            const std::int64_t frames = chunk / blockAlign;
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
