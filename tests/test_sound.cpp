// The sound cues: the player plays the newest request and stops the cue still sounding, plays the built-in
// default cue for a missing, damaged or foreign file, falls back to it when a sound cannot be decoded, and
// plays nothing without an audio device. The seven shipped cues are short 16-bit PCM files, all different.
#include "app/qtsound.h"
#include "app/wavfile.h"
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
    for (const QString& name : {cue::correct, cue::eaten, cue::gameOver})
        QVERIFY(QFile::copy(shipped + name, dir.filePath(name)));
    auto* output = new FakeOutput;
    QtSoundPlayer player(dir.path(), std::unique_ptr<SoundOutput>(output));
    const QUrl eaten = QUrl::fromLocalFile(dir.filePath(cue::eaten));
    const QUrl over = QUrl::fromLocalFile(dir.filePath(cue::gameOver));
    player.play(cue::eaten);
    QCOMPARE(output->sounding(), QList<QUrl>{eaten});
    player.play(cue::eaten); // two creatures lost in one tick: the cue starts again
    QCOMPARE(output->voice(eaten)->plays, 2);
    QCOMPARE(output->sounding(), QList<QUrl>{eaten});
    player.play(cue::gameOver); // the fifth: game over cuts the eaten cue off
    QCOMPARE(output->sounding(), QList<QUrl>{over});
    player.play(cue::correct);
    player.play(cue::eaten);
    QCOMPARE(output->sounding(), QList<QUrl>{eaten});
    QCOMPARE(output->voices.size(), 3); // each sound is loaded once
}

void SoundTest::defaultCueForMissingOrUnplayableFiles() {
    QTemporaryDir dir;
    QFile::copy(shipped + cue::hint, dir.filePath(cue::hint));
    QFile garbage(dir.filePath(cue::wrong));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(400, 'x'));
    garbage.close();
    QFile truncated(dir.filePath(cue::click)); // a real cue cut off inside its sound
    QVERIFY(truncated.open(QIODevice::WriteOnly));
    QFile whole(shipped + cue::click);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    truncated.write(whole.readAll().left(200));
    truncated.close();
    QFile header(dir.filePath(cue::correct100)); // cut off inside its header
    QVERIFY(header.open(QIODevice::WriteOnly));
    header.write(QByteArray("RIFF\x20\0\0\0WAVEfmt ", 16));
    header.close();
    QFile(dir.filePath(cue::eaten)).open(QIODevice::WriteOnly); // empty
    QVERIFY(QDir(dir.path()).mkdir(cue::correct));              // a folder, not a file

    auto* output = new FakeOutput;
    QtSoundPlayer player(dir.path(), std::unique_ptr<SoundOutput>(output));
    for (const QString& name :
         {cue::gameOver, cue::wrong, cue::click, cue::correct100, cue::eaten, cue::correct}) {
        player.play(name);
        QVERIFY2(output->sounding() == QList<QUrl>{QtSoundPlayer::defaultCue()}, qPrintable(name));
    }
    player.play(cue::hint);
    QCOMPARE(output->sounding(), QList<QUrl>{QUrl::fromLocalFile(dir.filePath(cue::hint))});
    // A cue file that turns up while the game runs is heard from then on.
    QFile::copy(shipped + cue::gameOver, dir.filePath(cue::gameOver));
    player.play(cue::gameOver);
    QCOMPARE(output->sounding(), QList<QUrl>{QUrl::fromLocalFile(dir.filePath(cue::gameOver))});
    QCOMPARE(output->voice(QtSoundPlayer::defaultCue())->plays, 6);
    // The default cue itself is built into the program and can be played.
    QVERIFY(readWavFormat(QStringLiteral(":/sounds/default.wav")).has_value());
}

void SoundTest::undecodableSoundFallsBackToTheDefault() {
    QTemporaryDir dir;
    for (const QString& name : {cue::correct, cue::hint})
        QFile::copy(shipped + name, dir.filePath(name));
    auto* output = new FakeOutput;
    QtSoundPlayer player(dir.path(), std::unique_ptr<SoundOutput>(output));
    const QUrl correct = QUrl::fromLocalFile(dir.filePath(cue::correct));
    const QUrl hint = QUrl::fromLocalFile(dir.filePath(cue::hint));
    player.play(cue::correct);
    output->voice(correct)->fail(); // the output finds out later that it cannot decode it
    QCOMPARE(output->sounding(), QList<QUrl>{QtSoundPlayer::defaultCue()});
    player.play(cue::correct); // known to fail: the default at once
    QCOMPARE(output->sounding(), QList<QUrl>{QtSoundPlayer::defaultCue()});
    QCOMPARE(output->voice(correct)->plays, 1);

    // A failure that comes in after a newer request does not interrupt the newer cue.
    output->voice(correct)->broken = false;
    player.play(cue::correct);
    player.play(cue::hint);
    output->voice(correct)->fail();
    QCOMPARE(output->sounding(), QList<QUrl>{hint});

    // When even the default cannot be decoded, the cue is silent.
    player.play(cue::wrong);
    output->voice(QtSoundPlayer::defaultCue())->fail();
    QVERIFY(output->sounding().isEmpty());
    player.play(cue::wrong);
    QVERIFY(output->sounding().isEmpty());
}

void SoundTest::noDeviceNoSound() {
    auto* output = new FakeOutput;
    output->device = false;
    QtSoundPlayer player(shipped, std::unique_ptr<SoundOutput>(output));
    for (int k = 0; k < 3; ++k)
        player.play(cue::correct);
    player.play(QStringLiteral("nothing.wav"));
    QVERIFY(output->voices.isEmpty());
    output->device = true; // plugged in later
    player.play(cue::correct);
    QCOMPARE(output->sounding(), QList<QUrl>{QUrl::fromLocalFile(shipped + cue::correct)});
}

void SoundTest::qtOutputReportsUndecodableSounds() {
    // The Qt output decodes in the background and tells the player when a sound cannot be used. (A file cut
    // off inside its header would keep Qt loading for ever; the player never hands such a file over.)
    QtSoundOutput output;
    QTemporaryDir dir;
    QFile garbage(dir.filePath(cue::wrong));
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
         {cue::correct, cue::correct100, cue::wrong, cue::hint, cue::click, cue::eaten, cue::gameOver}) {
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
