#include "app/qtsound.h"
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QString folder) : folder_(std::move(folder)) {}

QtSoundPlayer::~QtSoundPlayer() { qDeleteAll(effects_); }

QSoundEffect* QtSoundPlayer::effectFor(const QString& fileName) {
    if (QSoundEffect* known = effects_.value(fileName)) return known;
    const QFileInfo file(folder_ + QLatin1Char('/') + fileName);
    auto* effect = new QSoundEffect;
    effect->setSource(file.isFile() ? QUrl::fromLocalFile(file.absoluteFilePath())
                                    : QUrl(QStringLiteral("qrc:/sounds/default.wav")));
    effects_.insert(fileName, effect);
    return effect;
}

void QtSoundPlayer::play(const QString& fileName) {
    QSoundEffect* effect = effectFor(fileName);
    if (current_ && current_ != effect) current_->stop();
    current_ = effect;
    effect->play();
}
