#pragma once
// Plays the cues through Qt Multimedia.
#include "app/sound.h"
#include <QHash>
#include <QString>
#include <memory>

class QSoundEffect;

class QtSoundPlayer : public SoundPlayer {
public:
    explicit QtSoundPlayer(QString folder);
    ~QtSoundPlayer() override;
    void play(const QString& fileName) override;

private:
    QSoundEffect* effectFor(const QString& fileName);
    QString folder_;
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};
