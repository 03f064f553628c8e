// SPDX-License-Identifier: MIT
#pragma once
// The sound cues: each cue plays one WAV file in the background. A new cue stops the one still sounding.
// The game never waits for a sound and never learns whether one played.
#include <string>

namespace sound {

// The seven cues of the game, and the soft default cue built into the program that sounds in place of a
// cue whose file is missing or cannot be played.
enum class Cue { Correct, Correct100, Wrong, Hint, Click, Eaten, GameOver, Default };

// The cue's name as the code spells it ("Hint"), for messages and test output.
const char* name(Cue cue);

// The cue's bare file name ("seikai2.wav"); empty for the built-in default cue, which has no file.
std::string fileName(Cue cue);

} // namespace sound

using sound::Cue;

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(Cue cue) = 0;
};

// Plays nothing: for machines and runs without sound.
class SilentSoundPlayer : public SoundPlayer {
public:
    void play(Cue) override {}
};
