// SPDX-License-Identifier: MIT
#pragma once
// Reads a cue's WAV file, already loaded into memory, into samples the audio device takes: integer PCM of
// 8, 16, 24 or 32 bits and floating point of 32 or 64 bits, plain or in the extensible layout. 8- and
// 16-bit sound stays 16-bit; the rest becomes 32-bit float. Mono stays mono; two or more channels become
// stereo from the front left and right channels.
#include "services/sound/pcm.h"
#include <cstdint>
#include <span>

namespace sound {

// What the file's "fmt " chunk says.
struct WavFormat {
    int formatTag = 0; // 1 = integer PCM, 3 = floating point (also when given in the extensible layout)
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::int64_t dataBytes = 0;
};

struct WavDecoding {
    Fault fault = Fault::None;
    WavFormat source;
    Pcm pcm; // empty unless fault is None
};

// maxSeconds: longer sounds are refused (Fault::TooLong) before any sample is converted.
WavDecoding decodeWav(std::span<const unsigned char> file, double maxSeconds);

} // namespace sound
