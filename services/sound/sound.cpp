#include "services/sound/sound.h"

namespace sound {

QString fileName(Cue cue) {
    switch (cue) {
    case Cue::Correct:
        return QStringLiteral("seikai2.wav");
    case Cue::Correct100:
        return QStringLiteral("seikai100.wav");
    case Cue::Wrong:
        return QStringLiteral("matigai.wav");
    case Cue::Hint:
        return QStringLiteral("hinto.wav");
    case Cue::Click:
        return QStringLiteral("a.wav");
    case Cue::Eaten:
        return QStringLiteral("taberareru.wav");
    case Cue::GameOver:
        return QStringLiteral("tukamaeru.wav");
    case Cue::Default:
        break;
    }
    return {};
}

} // namespace sound
