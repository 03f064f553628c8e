#pragma once
// The audio device through SDL 2's audio API, driven from the sound thread (see the README's section on
// sound for why SDL).
#include "services/sound/audiobackend.h"
#include <memory>

namespace sound {

std::unique_ptr<AudioBackend> makeSdlBackend();

} // namespace sound
