#include "services/sound/qtsound.h"
#include "services/sound/wavfile.h"
#include <QFileInfo>

QtSoundPlayer::QtSoundPlayer(QString folder, std::unique_ptr<SoundOutput> output)
    : folder_(std::move(folder)), output_(std::move(output)) {}

QtSoundPlayer::~QtSoundPlayer() {
    current_ = nullptr;
    voices_.clear(); // before the output that made them
}

QUrl QtSoundPlayer::defaultCue() {
    return QUrl(QStringLiteral("qrc:/sounds/default.wav"));
}

// The file is looked at on every request, so a cue file put into the folder while the game runs is heard.
QUrl QtSoundPlayer::sourceFor(const QString& fileName) const {
    const QFileInfo file(folder_ + QLatin1Char('/') + fileName);
    if (readWavFormat(file.filePath())) return QUrl::fromLocalFile(file.absoluteFilePath());
    return defaultCue();
}

Voice* QtSoundPlayer::voice(const QUrl& source) {
    const QString key = source.toString();
    std::unique_ptr<Voice>& slot = voices_[key];
    if (!slot) slot = output_->voiceFor(source, [this, key] { failed(voices_.at(key).get()); });
    return slot.get();
}

void QtSoundPlayer::play(Cue cue) {
    if (!output_->hasDevice()) return;
    start(voice(cue == Cue::Default ? defaultCue() : sourceFor(sound::fileName(cue))));
}

void QtSoundPlayer::start(Voice* next) {
    if (current_) current_->stop();
    current_ = next;
    if (next->failed()) {
        failed(next);
        return;
    }
    next->play();
}

// A sound that cannot be decoded is replaced by the default cue, but only while it is still the newest
// request: a later cue has already taken its place otherwise.
void QtSoundPlayer::failed(const Voice* voice) {
    if (!voice || voice != current_) return;
    Voice* fallback = this->voice(defaultCue());
    if (fallback == voice || fallback->failed()) return; // even the default cue cannot play: stay silent
    current_ = fallback;
    fallback->play();
}
