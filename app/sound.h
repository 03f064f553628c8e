#pragma once
// The sound cues: each cue plays one WAV file from the working folder, in the background. A new cue stops
// the one still sounding. The game never waits for a sound and never learns whether one played.
#include <QString>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // fileName is the cue's bare file name ("seikai2.wav"), looked up in the working folder.
    virtual void play(const QString& fileName) = 0;
};

// Plays nothing: for machines and runs without sound.
class SilentSoundPlayer : public SoundPlayer {
public:
    void play(const QString&) override {}
};

namespace cue {
inline const QString correct = QStringLiteral("seikai2.wav");
inline const QString correct100 = QStringLiteral("seikai100.wav");
inline const QString wrong = QStringLiteral("matigai.wav");
inline const QString hint = QStringLiteral("hinto.wav");
inline const QString click = QStringLiteral("a.wav");
inline const QString eaten = QStringLiteral("taberareru.wav");
inline const QString gameOver = QStringLiteral("tukamaeru.wav");
} // namespace cue
