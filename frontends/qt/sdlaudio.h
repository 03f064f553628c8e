// SPDX-License-Identifier: MIT
#pragma once
// The desktop's audio device through SDL 2's audio API, driven from the sound service's thread (see the
// README's section on sound for why SDL).
#include "services/sound/audiobackend.h"
#include <memory>

namespace frontend {

std::unique_ptr<sound::AudioBackend> makeSdlAudio();

} // namespace frontend
