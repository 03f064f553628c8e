// The sound cues: the player plays the newest request and stops the cue still sounding, plays the built-in
// default cue for a missing, damaged or foreign file, falls back to it when a sound cannot be decoded, and
// plays nothing without an audio device. The seven shipped cues are short 16-bit PCM files, all different.
#include "services/sound/qtsound.h"
#include "services/sound/wavfile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct FakeVoice : Voice {
    QUrl source;
    std::function<void()> onFailed;
    int plays = 0;
    bool sounding = false;
    bool broken = false;
    void play() override {
        ++plays;
        sounding = true;
    }
    void stop() override { sounding = false; }
    bool failed() const override { return broken; }
    void fail() {
        broken = true;
        sounding = false;
        onFailed();
    }
};

// Records every sound it is asked to hold; the voices stay owned by the player.
struct FakeOutput : SoundOutput {
    bool device = true;
    QList<FakeVoice*> voices;
    bool hasDevice() const override { return device; }
    std::unique_ptr<Voice> voiceFor(const QUrl& source, std::function<void()> onFailed) override {
        auto voice = std::make_unique<FakeVoice>();
        voice->source = source;
        voice->onFailed = std::move(onFailed);
        voices << voice.get();
        return voice;
    }
    FakeVoice* voice(const QUrl& source) const {
        for (FakeVoice* v : voices)
            if (v->source == source) return v;
        return nullptr;
    }
    QList<QUrl> sounding() const {
        QList<QUrl> urls;
        for (FakeVoice* v : voices)
            if (v->sounding) urls << v->source;
        return urls;
    }
};

const QString shipped = QStringLiteral(POKURAKU_SOURCE_DIR "/data/");

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void lastRequestWins();
    void defaultCueForMissingOrUnplayableFiles();
    void undecodableSoundFallsBackToTheDefault();
    void noDeviceNoSound();
    void qtOutputReportsUndecodableSounds();
    void shippedCues();
};

void SoundTest::lastRequestWins() {
    QTemporaryDir dir;
    for (const QString& name :
         {sound::fileName(Cue::Correct), sound::fileName(Cue::Eaten), sound::fileName(Cue::GameOver)})
        QVERIFY(QFile::copy(shipped + name, dir.filePath(name)));
    auto* output = new FakeOutput;
    QtSoundPlayer player(dir.path(), std::unique_ptr<SoundOutput>(output));
    const QUrl eaten = QUrl::fromLocalFile(dir.filePath(sound::fileName(Cue::Eaten)));
    const QUrl over = QUrl::fromLocalFile(dir.filePath(sound::fileName(Cue::GameOver)));
    player.play(Cue::Eaten);
    QCOMPARE(output->sounding(), QList<QUrl>{eaten});
    player.play(Cue::Eaten); // two creatures lost in one tick: the cue starts again
    QCOMPARE(output->voice(eaten)->plays, 2);
    QCOMPARE(output->sounding(), QList<QUrl>{eaten});
    player.play(Cue::GameOver); // the fifth: game over cuts the eaten cue off
    QCOMPARE(output->sounding(), QList<QUrl>{over});
    player.play(Cue::Correct);
    player.play(Cue::Eaten);
    QCOMPARE(output->sounding(), QList<QUrl>{eaten});
    QCOMPARE(output->voices.size(), 3); // each sound is loaded once
}

void SoundTest::defaultCueForMissingOrUnplayableFiles() {
    QTemporaryDir dir;
    QFile::copy(shipped + sound::fileName(Cue::Hint), dir.filePath(sound::fileName(Cue::Hint)));
    QFile garbage(dir.filePath(sound::fileName(Cue::Wrong)));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(400, 'x'));
    garbage.close();
    QFile truncated(dir.filePath(sound::fileName(Cue::Click))); // a real cue cut off inside its sound
    QVERIFY(truncated.open(QIODevice::WriteOnly));
    QFile whole(shipped + sound::fileName(Cue::Click));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    truncated.write(whole.readAll().left(200));
    truncated.close();
    QFile header(dir.filePath(sound::fileName(Cue::Correct100))); // cut off inside its header
    QVERIFY(header.open(QIODevice::WriteOnly));
    header.write(QByteArray("RIFF\x20\0\0\0WAVEfmt ", 16));
    header.close();
    QFile(dir.filePath(sound::fileName(Cue::Eaten))).open(QIODevice::WriteOnly); // empty
    QVERIFY(QDir(dir.path()).mkdir(sound::fileName(Cue::Correct)));              // a folder, not a file

    auto* output = new FakeOutput;
    QtSoundPlayer player(dir.path(), std::unique_ptr<SoundOutput>(output));
    for (Cue cue : {Cue::GameOver, Cue::Wrong, Cue::Click, Cue::Correct100, Cue::Eaten, Cue::Correct}) {
        player.play(cue);
        QVERIFY2(output->sounding() == QList<QUrl>{QtSoundPlayer::defaultCue()},
                 qPrintable(sound::fileName(cue)));
    }
    player.play(Cue::Hint);
    QCOMPARE(output->sounding(), QList<QUrl>{QUrl::fromLocalFile(dir.filePath(sound::fileName(Cue::Hint)))});
    // A cue file that turns up while the game runs is heard from then on.
    QFile::copy(shipped + sound::fileName(Cue::GameOver), dir.filePath(sound::fileName(Cue::GameOver)));
    player.play(Cue::GameOver);
    QCOMPARE(output->sounding(),
             QList<QUrl>{QUrl::fromLocalFile(dir.filePath(sound::fileName(Cue::GameOver)))});
    QCOMPARE(output->voice(QtSoundPlayer::defaultCue())->plays, 6);
    // The default cue itself is built into the program and can be played.
    QVERIFY(readWavFormat(QStringLiteral(":/sounds/default.wav")).has_value());
}

void SoundTest::undecodableSoundFallsBackToTheDefault() {
    QTemporaryDir dir;
    for (const QString& name : {sound::fileName(Cue::Correct), sound::fileName(Cue::Hint)})
        QFile::copy(shipped + name, dir.filePath(name));
    auto* output = new FakeOutput;
    QtSoundPlayer player(dir.path(), std::unique_ptr<SoundOutput>(output));
    const QUrl correct = QUrl::fromLocalFile(dir.filePath(sound::fileName(Cue::Correct)));
    const QUrl hint = QUrl::fromLocalFile(dir.filePath(sound::fileName(Cue::Hint)));
    player.play(Cue::Correct);
    output->voice(correct)->fail(); // the output finds out later that it cannot decode it
    QCOMPARE(output->sounding(), QList<QUrl>{QtSoundPlayer::defaultCue()});
    player.play(Cue::Correct); // known to fail: the default at once
    QCOMPARE(output->sounding(), QList<QUrl>{QtSoundPlayer::defaultCue()});
    QCOMPARE(output->voice(correct)->plays, 1);

    // A failure that comes in after a newer request does not interrupt the newer cue.
    output->voice(correct)->broken = false;
    player.play(Cue::Correct);
    player.play(Cue::Hint);
    output->voice(correct)->fail();
    QCOMPARE(output->sounding(), QList<QUrl>{hint});

    // When even the default cannot be decoded, the cue is silent.
    player.play(Cue::Wrong);
    output->voice(QtSoundPlayer::defaultCue())->fail();
    QVERIFY(output->sounding().isEmpty());
    player.play(Cue::Wrong);
    QVERIFY(output->sounding().isEmpty());
}

void SoundTest::noDeviceNoSound() {
    auto* output = new FakeOutput;
    output->device = false;
    QtSoundPlayer player(shipped, std::unique_ptr<SoundOutput>(output));
    for (int k = 0; k < 3; ++k)
        player.play(Cue::Correct);
    player.play(Cue::Default);
    QVERIFY(output->voices.isEmpty());
    output->device = true; // plugged in later
    player.play(Cue::Correct);
    QCOMPARE(output->sounding(), QList<QUrl>{QUrl::fromLocalFile(shipped + sound::fileName(Cue::Correct))});
}

void SoundTest::qtOutputReportsUndecodableSounds() {
    // The Qt output decodes in the background and tells the player when a sound cannot be used. (A file cut
    // off inside its header would keep Qt loading for ever; the player never hands such a file over.)
    QtSoundOutput output;
    QTemporaryDir dir;
    QFile garbage(dir.filePath(sound::fileName(Cue::Wrong)));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(400, 'x'));
    garbage.close();
    int failures = 0;
    auto broken = output.voiceFor(QUrl::fromLocalFile(garbage.fileName()), [&] { ++failures; });
    auto fine = output.voiceFor(QtSoundPlayer::defaultCue(), [&] { failures += 100; });
    fine->play(); // returns at once, with or without an audio device
    QTRY_COMPARE(failures, 1);
    QVERIFY(broken->failed());
    QTest::qWait(100);
    QCOMPARE(failures, 1);
    QVERIFY(!fine->failed());
    fine->stop();
}

void SoundTest::shippedCues() {
    QSet<QByteArray> contents;
    for (const QString& name :
         {sound::fileName(Cue::Correct), sound::fileName(Cue::Correct100), sound::fileName(Cue::Wrong),
          sound::fileName(Cue::Hint), sound::fileName(Cue::Click), sound::fileName(Cue::Eaten),
          sound::fileName(Cue::GameOver)}) {
        const auto format = readWavFormat(shipped + name);
        QVERIFY2(format.has_value(), qPrintable(name));
        QCOMPARE(format->formatTag, 1);
        QCOMPARE(format->bitsPerSample, 16);
        QVERIFY2(format->seconds() > 0.03 && format->seconds() < 1.5, qPrintable(name));
        QFile file(shipped + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        contents.insert(file.readAll());
    }
    QCOMPARE(contents.size(), 7);
}

QTEST_MAIN(SoundTest)
#include "test_sound.moc"
