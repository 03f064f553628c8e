#pragma once
// Where the sound cues are heard. The player decides which sound plays and stops the one before; the output
// only holds the sounds and talks to the audio device. Tests put a recording output in its place.
#include <QUrl>
#include <functional>
#include <memory>

// One sound, loaded once and played as often as asked.
class Voice {
public:
    virtual ~Voice() = default;
    virtual void play() = 0; // starts from the beginning and returns at once
    virtual void stop() = 0;
    virtual bool failed() const = 0; // the sound could not be decoded
};

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // False on a machine without an audio device: nothing is loaded or played there.
    virtual bool hasDevice() const = 0;
    // onFailed is called, later, if the sound turns out to be undecodable.
    virtual std::unique_ptr<Voice> voiceFor(const QUrl& source, std::function<void()> onFailed) = 0;
};

// Plays through Qt Multimedia on the system's default audio device.
class QtSoundOutput : public SoundOutput {
public:
    bool hasDevice() const override;
    std::unique_ptr<Voice> voiceFor(const QUrl& source, std::function<void()> onFailed) override;
};
