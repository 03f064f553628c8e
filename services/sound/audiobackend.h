// SPDX-License-Identifier: MIT
#pragma once
// The audio device as the sound thread sees it. Only the sound thread calls it, one call at a time, and
// any call may take as long as the audio server takes to answer: the game's window never waits for it.
// Tests put a recording back-end in its place.
#include "services/sound/pcm.h"

namespace sound {

class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    // Connects to the audio system and opens its default output for sounds of this format; false when
    // there is no audio device or server to be had now (a later call tries again).
    virtual bool open(const PcmFormat& format) = 0;
    // Plays the sound on the open output from its first sample, in the format the output was opened for;
    // a sound still sounding gives way to it from the next buffer on, without a gap. Silence follows it.
    virtual void start(const Pcm& sound) = 0;
    // True while part of the started sound has not yet been taken by the device: the server has stalled.
    virtual bool holdsSound() const = 0;
    // True when the open output has gone away (the server quit, the device was unplugged).
    virtual bool lost() const = 0;
    // Stops at once, drops whatever has not been heard, and lets go of the output and the audio system.
    virtual void close() = 0;
};

} // namespace sound
