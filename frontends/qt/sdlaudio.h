// SPDX-License-Identifier: MIT
#pragma once
// The desktop's audio device through SDL 2's audio API, driven from the sound service's thread (see the
// README's section on sound for why SDL).
#include "services/sound/audiobackend.h"
#include <memory>
#include <string>
#include <vector>

namespace frontend {

std::unique_ptr<sound::AudioBackend> makeSdlAudio();

// The audio systems tried for each cue, in order, the first that opens a device winning: the one the player
// named (SDL_AUDIODRIVER) alone, else the PulseAudio API (PulseAudio, or PipeWire's PulseAudio server),
// then PipeWire itself (when its PulseAudio server is down), then ALSA.
std::vector<std::string> audioDrivers(const char* playerChoice);

} // namespace frontend
