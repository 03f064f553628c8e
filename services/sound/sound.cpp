// SPDX-License-Identifier: MIT
#include "services/sound/sound.h"

namespace sound {

const char* name(Cue cue) {
    switch (cue) {
    case Cue::Correct:
        return "Correct";
    case Cue::Correct100:
        return "Correct100";
    case Cue::Wrong:
        return "Wrong";
    case Cue::Hint:
        return "Hint";
    case Cue::Click:
        return "Click";
    case Cue::Eaten:
        return "Eaten";
    case Cue::GameOver:
        return "GameOver";
    case Cue::Default:
        return "Default";
    }
    return "?";
}

std::string fileName(Cue cue) {
    switch (cue) {
    case Cue::Correct:
        return "seikai2.wav";
    case Cue::Correct100:
        return "seikai100.wav";
    case Cue::Wrong:
        return "matigai.wav";
    case Cue::Hint:
        return "hinto.wav";
    case Cue::Click:
        return "a.wav";
    case Cue::Eaten:
        return "taberareru.wav";
    case Cue::GameOver:
        return "tukamaeru.wav";
    case Cue::Default:
        break;
    }
    return {};
}

} // namespace sound
