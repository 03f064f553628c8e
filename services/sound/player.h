// SPDX-License-Identifier: MIT
#pragma once
// Plays the cues on a sound thread of its own. play() only leaves the request for that thread and returns
// at once, whatever the audio server, the device or the files do; finding, reading and decoding the file,
// connecting to the audio system and playing all happen on the sound thread.
//
// One cue sounds at a time and the newest request wins: a new cue (the same one or another) takes the
// place of the cue still sounding from the device's next buffer on and starts from its first sample;
// requests that came in while the thread was busy are skipped for the newest one, and a request the audio
// system could not take up within a second is dropped rather than heard late. Every cue plays whole: the
// output stays open until the cue's last sample has been heard. A cue whose file is missing or cannot be
// played sounds the built-in default cue; a machine without an audio device plays nothing, and sound comes
// back with the next cue once a device or server is there again. While no cue sounds the output is closed and
// the thread sleeps.
#include "services/sound/audiobackend.h"
#include "services/sound/cuelibrary.h"
#include "services/sound/sound.h"
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

namespace sound {

struct PlayerTiming {
    using ms = std::chrono::milliseconds;
    ms tail{300};        // after a cue's last sample is handed over, until it has surely been heard
    ms linger{1500};     // the output stays open this long after a cue, ready for the next one
    ms staleAfter{1000}; // a request not started by then is dropped
    ms quitWait{1000};   // how long the program's end waits for a sound thread stuck in the audio system
};

class Player : public SoundPlayer {
public:
    // folders: where the cue files are looked up, in order. backend: the audio device the front end plays
    // through; the sound thread alone talks to it from here on.
    Player(std::vector<std::filesystem::path> folders, std::unique_ptr<AudioBackend> backend,
           PlayerTiming timing = {}, CueLimits limits = {});
    ~Player() override;
    void play(Cue cue) override;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace sound
