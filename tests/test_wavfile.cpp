// SPDX-License-Identifier: MIT
// Reading cue files: every integer and floating-point WAV encoding a cue may come in turns into the
// samples the device is given (16-bit stays 16-bit, the rest becomes float, more than two channels become
// the front pair), and every damaged or foreign file is refused with its reason, never read past its end.
#include "services/sound/wavfile.h"
#include "support/wav.h"
#include <gtest/gtest.h>
#include <limits>

using sound::Fault;
using sound::SampleType;

namespace {

template <class Value> std::string bytesOf(std::initializer_list<Value> values) {
    std::string b;
    for (Value v : values)
        b.append(reinterpret_cast<const char*>(&v), sizeof v);
    return b;
}
std::string floats(std::initializer_list<float> values) {
    return bytesOf(values);
}
std::string shorts(std::initializer_list<std::int16_t> values) {
    return bytesOf(values);
}
std::string bytes(std::initializer_list<int> values) {
    std::string b;
    for (int v : values)
        b += char(v);
    return b;
}

} // namespace

TEST(WavFile, decodesEncodings) {
    using namespace wav;
    const double d[2] = {0.75, -0.125};
    const struct {
        const char* name;
        std::string file;
        int channels;
        SampleType type;
        std::string samples; // in the machine's byte order
    } rows[] = {
        {"8-bit, unsigned", file(1, 1, 8000, 8, bytes({0x80, 0xFF, 0x00, 0x81})), 1, SampleType::Int16,
         shorts({0, 127 * 256, -32768, 256})},
        {"16-bit stereo", file(1, 2, 44100, 16, samples16({1, -1, 32767, -32768})), 2, SampleType::Int16,
         shorts({1, -1, 32767, -32768})},
        {"24-bit", file(1, 1, 48000, 24, bytes({0, 0, 0x40, 0, 0, 0xC0, 0xFF, 0xFF, 0x7F})), 1,
         SampleType::Float32, floats({0.5f, -0.5f, 8388607.0f / 8388608.0f})},
        {"32-bit integer", file(1, 1, 48000, 32, le32(0x40000000) + le32(-0x40000000)), 1,
         SampleType::Float32, floats({0.5f, -0.5f})},
        {"32-bit float", file(3, 1, 22050, 32, floats({0.25f, -1.0f})), 1, SampleType::Float32,
         floats({0.25f, -1.0f})},
        {"64-bit float", file(3, 1, 22050, 64, std::string(reinterpret_cast<const char*>(d), 16)), 1,
         SampleType::Float32, floats({0.75f, -0.125f})},
        // Damaged float files must not blare: values are held to the range, and not-a-number is silence.
        {"float out of range",
         file(3, 1, 22050, 32, floats({5.0f, -7.0f, std::numeric_limits<float>::quiet_NaN()})), 1,
         SampleType::Float32, floats({1.0f, -1.0f, 0.0f})},
        {"extensible 16-bit",
         riff(chunk("fmt ", extensible(1, 1, 22050, 16)) + chunk("data", samples16({7, -7}))), 1,
         SampleType::Int16, shorts({7, -7})},
        {"extensible float",
         riff(chunk("fmt ", extensible(3, 2, 48000, 32)) + chunk("data", floats({0.5f, -0.5f}))), 2,
         SampleType::Float32, floats({0.5f, -0.5f})},
        // Front left and right of a 3-channel frame; the centre is left out.
        {"three channels", file(1, 3, 44100, 16, samples16({1, 2, 3, 4, 5, 6})), 2, SampleType::Int16,
         shorts({1, 2, 4, 5})},
        // A last frame cut in half is left out.
        {"part of a frame", file(1, 2, 44100, 16, samples16({1, 2, 3})), 2, SampleType::Int16,
         shorts({1, 2})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const sound::WavDecoding d = sound::decodeWav(wav::view(row.file), 60.0);
        ASSERT_EQ(d.fault, Fault::None);
        ASSERT_EQ(d.pcm.format.channels, row.channels);
        ASSERT_EQ(d.pcm.format.type, row.type);
        ASSERT_EQ(d.pcm.format.sampleRate, d.source.sampleRate);
        ASSERT_EQ(wav::toBytes(d.pcm.samples), row.samples);
    }
}

TEST(WavFile, refusesDamagedAndForeignFiles) {
    using namespace wav;
    const std::string sound = samples16({100, -100, 200, -200});
    const std::string good = file(1, 1, 22050, 16, sound);
    std::string nineTimes, unknownGuid = extensible(1, 1, 22050, 16);
    for (int k = 0; k < 9; ++k)
        nineTimes += sound;
    unknownGuid[30] = 'z';
    const struct {
        const char* name;
        std::string file;
        Fault fault;
    } rows[] = {
        {"empty", "", Fault::NoSound},
        {"text", std::string(400, 'x'), Fault::NotWav},
        {"cut inside RIFF", "RIF", Fault::Truncated},
        {"RIFF of another kind", std::string("RIFF\x04\0\0\0AVI ", 12), Fault::NotWav},
        {"no chunks", riff({}), Fault::NotWav},
        {"cut inside a chunk header", riff("fmt "), Fault::Truncated},
        {"cut inside fmt", good.substr(0, 30), Fault::Truncated},
        {"cut inside the sound", good.substr(0, good.size() - 1), Fault::Truncated},
        {"no data chunk", riff(chunk("fmt ", format(1, 1, 22050, 16))), Fault::Truncated},
        {"data before fmt", riff(chunk("data", sound) + chunk("fmt ", format(1, 1, 22050, 16))),
         Fault::NotWav},
        {"fmt too short", riff(chunk("fmt ", format(1, 1, 22050, 16).substr(0, 14)) + chunk("data", sound)),
         Fault::NotWav},
        {"ADPCM", file(2, 1, 22050, 4, sound), Fault::Unsupported},
        {"12-bit", file(1, 1, 22050, 12, sound), Fault::Unsupported},
        {"16-bit float", file(3, 1, 22050, 16, sound), Fault::Unsupported},
        {"no channels", file(1, 0, 22050, 16, sound), Fault::Unsupported},
        {"nine channels", file(1, 9, 22050, 16, nineTimes), Fault::Unsupported},
        {"500 Hz", file(1, 1, 500, 16, sound), Fault::Unsupported},
        {"block size wrong", riff(chunk("fmt ", format(1, 1, 22050, 16, 4)) + chunk("data", sound)),
         Fault::Unsupported},
        {"extensible, unknown encoding", riff(chunk("fmt ", unknownGuid) + chunk("data", sound)),
         Fault::Unsupported},
        {"no sound", file(1, 1, 22050, 16, {}), Fault::NoSound},
        {"less than a frame", file(1, 2, 22050, 16, samples16({1})), Fault::NoSound},
        // 61 s at 1000 Hz is small as a file but longer than a cue may last.
        {"61 s", file(1, 1, 1000, 8, std::string(61000, char(0x80))), Fault::TooLong},
        {"data size past the end",
         riff(chunk("fmt ", format(1, 1, 22050, 16)) + "data" + le32(0x7FFFFFF0) + sound), Fault::Truncated},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const sound::WavDecoding d = sound::decodeWav(wav::view(row.file), 60.0);
        ASSERT_EQ(d.fault, row.fault);
        ASSERT_TRUE(d.pcm.samples.empty());
        ASSERT_TRUE(!sound::describe(row.fault).empty());
    }
}

TEST(WavFile, skipsOtherChunks) {
    using namespace wav;
    // An odd-sized chunk is padded to an even length; a chunk of any other kind is stepped over.
    const std::string file =
        riff(chunk("LIST", "abc") + chunk("fmt ", format(1, 1, 22050, 16)) + chunk("fact", le32(2)) +
             chunk("data", samples16({5, 6})) + chunk("id3 ", "x"));
    const sound::WavDecoding d = sound::decodeWav(wav::view(file), 60.0);
    ASSERT_EQ(d.fault, Fault::None);
    ASSERT_EQ(wav::toBytes(d.pcm.samples), shorts({5, 6}));
    ASSERT_EQ(d.pcm.frames(), std::int64_t(2));
    ASSERT_DOUBLE_EQ(d.pcm.seconds(), 2.0 / 22050);
}
