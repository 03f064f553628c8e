// SPDX-License-Identifier: MIT
#pragma once
// What the sound thread works with: a cue decoded to plain samples ready for the audio device, and the
// reasons a cue file is not played.
#include <cstdint>
#include <string>
#include <vector>

namespace sound {

enum class SampleType { Int16, Float32 };

struct PcmFormat {
    int sampleRate = 0;
    int channels = 0; // 1 or 2
    SampleType type = SampleType::Int16;

    int bytesPerFrame() const { return channels * (type == SampleType::Int16 ? 2 : 4); }
    bool operator==(const PcmFormat&) const = default;
};

// Interleaved samples in the machine's byte order.
struct Pcm {
    PcmFormat format;
    std::vector<unsigned char> samples;

    std::int64_t frames() const {
        return format.bytesPerFrame() > 0 ? std::int64_t(samples.size()) / format.bytesPerFrame() : 0;
    }
    double seconds() const { return format.sampleRate > 0 ? double(frames()) / format.sampleRate : 0.0; }
};

// Why a cue file is refused; the built-in default cue plays in its place.
enum class Fault {
    None,
    NotRegular,  // a folder, a FIFO, a device: never opened
    TooBig,      // more bytes than a cue may have
    Unreadable,  // cannot be opened or read
    NotWav,      // not a RIFF/WAVE file, or its chunks are damaged
    Unsupported, // an encoding other than integer PCM or floating point, or an odd layout
    Truncated,   // the file ends inside its header or its sound
    NoSound,     // no sample at all
    TooLong,     // more seconds of sound than a cue may last
};

std::string describe(Fault fault);

} // namespace sound
