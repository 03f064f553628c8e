// SPDX-License-Identifier: MIT
#pragma once
// The soft default cue's WAV file (assets/sounds/default.wav), compiled into the program so that it
// sounds even where no cue file can be read. The build writes defaultcue.cpp from the file.
#include <span>

namespace sound {

std::span<const unsigned char> defaultCueFile();

} // namespace sound
