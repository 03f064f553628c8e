#include "services/sound/soundoutput.h"
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

namespace {

class QtVoice : public Voice {
public:
    QtVoice(const QUrl& source, std::function<void()> onFailed) {
        effect_.setSource(source);
        QObject::connect(&effect_, &QSoundEffect::statusChanged, &effect_,
                         [this, onFailed = std::move(onFailed)] {
                             if (effect_.status() == QSoundEffect::Error && onFailed) onFailed();
                         });
    }
    void play() override { effect_.play(); }
    void stop() override { effect_.stop(); }
    bool failed() const override { return effect_.status() == QSoundEffect::Error; }

private:
    QSoundEffect effect_;
};

} // namespace

bool QtSoundOutput::hasDevice() const {
    return !QMediaDevices::audioOutputs().isEmpty();
}

std::unique_ptr<Voice> QtSoundOutput::voiceFor(const QUrl& source, std::function<void()> onFailed) {
    return std::make_unique<QtVoice>(source, std::move(onFailed));
}
