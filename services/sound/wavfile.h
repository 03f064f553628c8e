#pragma once
// What a sound cue's WAV file holds, read from its header: enough to tell a file that can be played from a
// missing, damaged or foreign one before it is handed to the sound output.
#include <QString>
#include <optional>

struct WavFormat {
    int formatTag = 0; // 1 = integer PCM, 3 = floating point, 0xFFFE = extensible
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0;

    double seconds() const;
};

// The format of a RIFF/WAVE file with a playable "fmt " chunk followed by a non-empty "data" chunk; nothing
// for any other file, a file that cannot be opened, or no file. Works on resource paths (":/…") too.
std::optional<WavFormat> readWavFormat(const QString& path);
