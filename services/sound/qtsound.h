#pragma once
// Plays the cues in the background: one cue at a time, the newest request stopping the cue still sounding.
// A cue whose file is missing or cannot be played sounds the soft default cue built into the program; a
// machine without an audio device plays nothing. The game never waits for a sound.
#include "services/sound/sound.h"
#include "services/sound/soundoutput.h"
#include <QString>
#include <map>
#include <memory>

class QtSoundPlayer : public SoundPlayer {
public:
    // folder: where the cue files are looked up (the working folder).
    explicit QtSoundPlayer(QString folder,
                           std::unique_ptr<SoundOutput> output = std::make_unique<QtSoundOutput>());
    ~QtSoundPlayer() override;
    void play(Cue cue) override;

    // The cue that sounds in place of a missing or unplayable file.
    static QUrl defaultCue();

private:
    QUrl sourceFor(const QString& fileName) const;
    Voice* voice(const QUrl& source);
    void start(Voice* voice);
    void failed(const Voice* voice);

    QString folder_;
    std::unique_ptr<SoundOutput> output_;
    std::map<QString, std::unique_ptr<Voice>> voices_; // by source URL
    Voice* current_ = nullptr;
};
