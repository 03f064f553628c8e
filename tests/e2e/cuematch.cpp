// SPDX-License-Identifier: MIT
// Reads a recording of the audio server's output (raw 16-bit mono samples) and tells which cue files it
// holds, where, and how much of each: the helper of the real-audio check (tests/e2e_audio.sh).
//
//   cuematch pieces RECORDING RATE WAV...   one line for each sound heard, in order:
//       <name> <start ms> <heard ms> <file ms> whole|cut <gap ms to the next sound, or -1> <breaks ms>
//       <skipped ms>
//     "start" is where the file's first sample lies in the recording; a sound that matches none of the
//     files is named "unknown". A cue played whole matches its file to its last sample ("heard" is how
//     far into the file the recording goes); a cue cut off by the next one matches a beginning of its
//     file. "breaks" is the silence inside a cue that broke off for a moment and went on (the server ran
//     dry), "skipped" what of the cue the server dropped there; both are 0 when it played without a break.
//
// The cue files and the recording have the same rate and are mono, and the audio server passes samples
// through unchanged at full volume, so a cue is found sample for sample; a small tolerance allows for
// rounding along the way.
#include "services/sound/wavfile.h"
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kSilence = 8; // samples this close to zero count as silence

struct Cue {
    QString name;
    std::vector<qint16> samples;
    qint64 firstSound = 0; // index of the first sample that is not silence
};

std::vector<qint16> readRaw(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cuematch: cannot read %s\n", path);
        std::exit(2);
    }
    const QByteArray bytes = file.readAll();
    std::vector<qint16> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

Cue readCue(const char* path, int rate) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cuematch: cannot read %s\n", path);
        std::exit(2);
    }
    const QByteArray bytes = file.readAll();
    const sound::WavDecoding wav = sound::decodeWav(
        {reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size())}, 60.0);
    if (wav.fault != sound::Fault::None || wav.pcm.format.type != sound::SampleType::Int16 ||
        wav.pcm.format.channels != 1 || wav.pcm.format.sampleRate != rate) {
        std::fprintf(stderr, "cuematch: %s is not 16-bit mono at %d Hz\n", path, rate);
        std::exit(2);
    }
    Cue cue;
    cue.name = QFileInfo(file.fileName()).completeBaseName();
    cue.samples.resize(wav.pcm.frames());
    std::memcpy(cue.samples.data(), wav.pcm.samples.data(), cue.samples.size() * 2);
    while (cue.firstSound < qint64(cue.samples.size()) && std::abs(cue.samples[cue.firstSound]) <= kSilence)
        ++cue.firstSound;
    return cue;
}

bool close(qint16 heard, qint16 expected) {
    return std::abs(int(heard) - int(expected)) <= 4 + std::abs(int(expected)) / 64;
}

// How many samples of the cue, from sample `from` on, the recording holds from position start on.
qint64 matched(const std::vector<qint16>& rec, qint64 start, const Cue& cue, qint64 from) {
    qint64 n = 0;
    while (from + n < qint64(cue.samples.size()) && start + n >= 0 && start + n < qint64(rec.size()) &&
           close(rec[start + n], cue.samples[from + n]))
        ++n;
    return n;
}

qint64 onset(const std::vector<qint16>& rec, qint64 from) {
    for (qint64 i = qMax<qint64>(from, 0); i < qint64(rec.size()); ++i)
        if (std::abs(rec[i]) > kSilence) return i;
    return -1;
}

struct Piece {
    const Cue* cue = nullptr; // null: a sound that is no cue
    qint64 start = 0;         // where the cue's first sample lies in the recording
    qint64 heard = 0;         // how far into the cue the recording goes, in samples
    qint64 end = 0;           // the recording position after the last sample heard
    qint64 breaks = 0;        // samples of silence inside the cue, where the server ran dry
    qint64 skipped = 0;       // samples of the cue dropped there
};

int pieces(const std::vector<qint16>& rec, int rate, const std::vector<Cue>& cues) {
    const auto ms = [rate](qint64 samples) { return double(samples) * 1000.0 / rate; };
    const qint64 tenMs = rate / 100;
    std::vector<Piece> found;
    for (qint64 at = onset(rec, 0); at >= 0; at = onset(rec, found.back().end)) {
        // A cue from its beginning: its first sound lies at the onset, give or take a sample or two. A
        // match must reach 2 ms past the onset (a hundred or so samples of sound no other cue shares),
        // or to the cue's end.
        Piece best;
        for (const Cue& cue : cues) {
            for (qint64 shift = -3; shift <= 3; ++shift) {
                const qint64 start = at - cue.firstSound + shift;
                const qint64 n = matched(rec, start, cue, 0);
                if (n >= qMin<qint64>(at - start + rate / 500, qint64(cue.samples.size())) && n > best.heard)
                    best = {&cue, start, n, start + n, 0, 0};
            }
        }
        // The cue before broke off for a moment and goes on: the server ran dry. It goes on where it
        // stopped or a little further on (the server keeps time and drops what came late), within 100 ms
        // of the cue more than the silence lasted.
        if (!found.empty() && found.back().cue &&
            found.back().heard < qint64(found.back().cue->samples.size())) {
            Piece& last = found.back();
            const Cue& cue = *last.cue;
            const qint64 size = cue.samples.size();
            qint64 resumed = 0, resumedAt = 0, resumedFrom = 0;
            for (qint64 from = last.heard; from < qMin(size, last.heard + (at - last.end) + rate / 10);
                 ++from)
                for (qint64 shift = -3; shift <= 3; ++shift) {
                    // The recording's onset lies at the cue's first sound from there on.
                    qint64 sound = from;
                    while (sound < size && std::abs(cue.samples[sound]) <= kSilence)
                        ++sound;
                    const qint64 position = at - (sound - from) + shift;
                    const qint64 n = matched(rec, position, cue, from);
                    if (n > resumed) resumed = n, resumedAt = position, resumedFrom = from;
                }
            if (resumed >= qMin<qint64>(tenMs, size - resumedFrom) && resumed > best.heard) {
                last.breaks += resumedAt - last.end;
                last.skipped += resumedFrom - last.heard;
                last.heard = resumedFrom + resumed;
                last.end = resumedAt + resumed;
                continue;
            }
        }
        if (best.cue) {
            found.push_back(best);
        } else if (!found.empty() && !found.back().cue && at <= found.back().end + tenMs) {
            found.back().end = at + tenMs; // a sound that is no cue: one piece for a stretch of it
        } else {
            found.push_back({nullptr, at, 0, at + tenMs, 0, 0});
        }
    }
    for (size_t k = 0; k < found.size(); ++k) {
        const Piece& p = found[k];
        const qint64 length = p.cue ? qint64(p.cue->samples.size()) : 0;
        const double gap = k + 1 < found.size() ? ms(found[k + 1].start - p.end) : -1.0;
        std::printf("%s %.1f %.1f %.1f %s %.1f %.1f %.1f\n", p.cue ? qPrintable(p.cue->name) : "unknown",
                    ms(p.start), ms(p.cue ? p.heard : p.end - p.start), ms(length),
                    p.cue && p.heard == length ? "whole" : "cut", gap, ms(p.breaks), ms(p.skipped));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::strcmp(argv[1], "pieces") == 0) {
        const int rate = std::atoi(argv[3]);
        std::vector<Cue> cues;
        for (int i = 4; i < argc; ++i)
            cues.push_back(readCue(argv[i], rate));
        return pieces(readRaw(argv[2]), rate, cues);
    }
    std::fprintf(stderr, "usage: cuematch pieces RECORDING RATE WAV...\n");
    return 2;
}
