// SPDX-License-Identifier: MIT
// The sound cues, with a recording audio back-end in place of the device. play() only hands the request
// to the sound thread: it returns while the audio system hangs, and the newest request wins (requests
// made meanwhile are skipped, a new cue takes the place of the one sounding on the open output, a request
// the audio system took too long to take up is dropped). The output is let go after a cue, at once when
// it stalls or goes away, and opened afresh by the next cue; without a device nothing plays and the next
// cue tries again. The program's end does not wait for a hung audio system. Cue files: the first folder
// holding a regular file of the cue's name wins; a folder, FIFO, over-sized, over-long, cut-off or foreign
// file sounds the built-in default cue and never holds the thread up; each file is decoded once while it
// stays the same. The seven shipped cues are short 16-bit mono files, all different.
#include "frontends/qt/sdlaudio.h"
#include "services/sound/defaultcue.h"
#include "services/sound/player.h"
#include "services/sound/warning.h"
#include "services/sound/wavfile.h"
#include "support/wav.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <condition_variable>
#include <mutex>
#include <sys/stat.h>

using namespace std::chrono_literals;
using sound::Fault;

namespace {

// Samples and built WAV files as Qt's bytes.
QByteArray qtBytes(std::span<const unsigned char> bytes) {
    return QByteArray::fromStdString(wav::toBytes(bytes));
}
QByteArray qtBytes(const std::string& bytes) {
    return QByteArray::fromStdString(bytes);
}

// What the back-end was asked to do, shared between the test and the sound thread.
struct Record {
    std::mutex mutex;
    std::condition_variable changed;
    QStringList calls;         // "open 22050/1", "start", "close"
    QList<QByteArray> started; // the samples of each sound started
    bool device = true;        // open() finds a device
    bool blockOpen = false;    // open() waits until this is false again
    int opening = 0;           // calls of open() under way
    bool lost = false, holds = false;

    // Waits, with a deadline, until the condition holds; true if it does.
    template <class Condition> bool waitFor(Condition condition) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, condition);
    }
    void release() {
        const std::lock_guard lock(mutex);
        blockOpen = false;
        changed.notify_all();
    }
    QStringList callsNow() {
        const std::lock_guard lock(mutex);
        return calls;
    }
};

struct RecordingBackend : sound::AudioBackend {
    std::shared_ptr<Record> r;
    explicit RecordingBackend(std::shared_ptr<Record> record) : r(std::move(record)) {}
    bool open(const sound::PcmFormat& f) override {
        std::unique_lock lock(r->mutex);
        r->calls << QStringLiteral("open %1/%2").arg(f.sampleRate).arg(f.channels);
        ++r->opening;
        r->changed.notify_all();
        r->changed.wait(lock, [this] { return !r->blockOpen; });
        --r->opening;
        r->changed.notify_all();
        return r->device;
    }
    void start(const sound::Pcm& pcm) override {
        const std::lock_guard lock(r->mutex);
        r->calls << QStringLiteral("start");
        r->started << qtBytes(pcm.samples);
        r->changed.notify_all();
    }
    bool holdsSound() const override {
        const std::lock_guard lock(r->mutex);
        return r->holds;
    }
    bool lost() const override {
        const std::lock_guard lock(r->mutex);
        return r->lost;
    }
    void close() override {
        const std::lock_guard lock(r->mutex);
        r->calls << QStringLiteral("close");
        r->changed.notify_all();
    }
};

const QString shipped = QStringLiteral(POKURAKU_SOURCE_DIR "/data/");

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
QString cueFileName(Cue cue) {
    return QString::fromStdString(sound::fileName(cue));
}
QByteArray samplesOf(const QString& path) {
    return qtBytes(sound::decodeWav(wav::view(readFile(path)), 60.0).pcm.samples);
}
QByteArray cueSamples(Cue cue) {
    return samplesOf(shipped + cueFileName(cue));
}
QByteArray defaultSamples() {
    return qtBytes(sound::decodeWav(sound::defaultCueFile(), 60.0).pcm.samples);
}

// The folders as the sound service takes them.
std::vector<std::filesystem::path> paths(const QStringList& folders) {
    std::vector<std::filesystem::path> result;
    for (const QString& folder : folders)
        result.emplace_back(QFile::encodeName(folder).toStdString());
    return result;
}

// A folder with the shipped cue files.
struct CueFolder {
    QTemporaryDir dir;
    CueFolder() {
        for (Cue cue :
             {Cue::Correct, Cue::Correct100, Cue::Wrong, Cue::Hint, Cue::Click, Cue::Eaten, Cue::GameOver})
            QFile::copy(shipped + cueFileName(cue), path(cue));
    }
    QString path(Cue cue) const { return dir.filePath(cueFileName(cue)); }
    void write(Cue cue, const QByteArray& bytes) const {
        QFile::remove(path(cue));
        QFile file(path(cue));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
};

// Timing for tests: a cue counts as heard 10 ms after it started, the output stays open for 10 s.
sound::PlayerTiming quick() {
    sound::PlayerTiming t;
    t.tail = 10ms;
    t.linger = 10s;
    t.staleAfter = 10s;
    return t;
}

struct Rig {
    std::shared_ptr<Record> record = std::make_shared<Record>();
    std::unique_ptr<sound::Player> player;
    explicit Rig(QStringList folders, sound::PlayerTiming timing = quick(), sound::CueLimits limits = {}) {
        player = std::make_unique<sound::Player>(paths(folders), std::make_unique<RecordingBackend>(record),
                                                 timing, limits);
    }
    bool started(int n) {
        return record->waitFor([&] { return record->started.size() >= n; });
    }
    QByteArray last() {
        const std::lock_guard lock(record->mutex);
        return record->started.isEmpty() ? QByteArray() : record->started.last();
    }
};

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void playReturnsWhileTheAudioSystemHangs();
    void newCueTakesThePlaceOfTheOneSounding();
    void outputIsLetGoAndOpenedAfresh_data();
    void outputIsLetGoAndOpenedAfresh();
    void anotherFormatOpensTheOutputAfresh();
    void lateRequestIsDropped();
    void noDeviceNoSound();
    void quitDoesNotWaitForAHungAudioSystem();
    void defaultCueForFilesThatCannotBePlayed_data();
    void defaultCueForFilesThatCannotBePlayed();
    void firstRegularFileWins();
    void eachFileIsDecodedOnce();
    void shippedCues();
    void sdlWithoutAnAudioServer();
    void audioSystemsInTurn();
};

void SoundTest::initTestCase() {
    // The sound service's warnings reach the test's message checks as they reach the game's log.
    sound::setWarningSink([](const std::string& line) { qWarning("%s", line.c_str()); });
}

void SoundTest::playReturnsWhileTheAudioSystemHangs() {
    CueFolder folder;
    Rig rig({folder.dir.path()});
    rig.record->blockOpen = true;
    rig.player->play(Cue::Hint);
    QVERIFY(rig.record->waitFor([&] { return rig.record->opening == 1; }));
    // The sound thread hangs in the audio system; the game's calls still return at once.
    rig.player->play(Cue::Correct);
    rig.player->play(Cue::Wrong);
    rig.player->play(Cue::Eaten);
    rig.record->release();
    QVERIFY(rig.started(1));
    // The hint gave way to the newest request before it started; those in between were skipped.
    QCOMPARE(rig.last(), cueSamples(Cue::Eaten));
    QCOMPARE(rig.record->callsNow(), QStringList({"open 22050/1", "start"}));
}

void SoundTest::newCueTakesThePlaceOfTheOneSounding() {
    CueFolder folder;
    Rig rig({folder.dir.path()});
    rig.player->play(Cue::Eaten);
    QVERIFY(rig.started(1));
    rig.player->play(Cue::Eaten); // two creatures eaten in one tick: the cue starts again
    QVERIFY(rig.started(2));
    rig.player->play(Cue::GameOver); // the fifth: game over cuts the eaten cue off
    QVERIFY(rig.started(3));
    // Each starts whole from its first sample on the output that is open, without closing it between.
    QCOMPARE(rig.record->callsNow(), QStringList({"open 22050/1", "start", "start", "start"}));
    const std::lock_guard lock(rig.record->mutex);
    QCOMPARE(rig.record->started,
             QList<QByteArray>({cueSamples(Cue::Eaten), cueSamples(Cue::Eaten), cueSamples(Cue::GameOver)}));
}

void SoundTest::outputIsLetGoAndOpenedAfresh_data() {
    QTest::addColumn<QString>("why");
    QTest::newRow("the cue was heard and the output lay idle") << "idle";
    QTest::newRow("the device never took the cue: the server stalled") << "stalled";
    QTest::newRow("the output went away: the server quit") << "lost";
}

void SoundTest::outputIsLetGoAndOpenedAfresh() {
    QFETCH(QString, why);
    CueFolder folder;
    sound::PlayerTiming timing = quick();
    if (why == "idle") timing.linger = 50ms; // otherwise the output would stay open for 10 s
    Rig rig({folder.dir.path()}, timing);
    rig.record->holds = why == "stalled";
    rig.player->play(Cue::Click);
    QVERIFY(rig.started(1));
    if (why == "lost") {
        const std::lock_guard lock(rig.record->mutex);
        rig.record->lost = true;
    } else {
        QVERIFY(rig.record->waitFor([&] { return rig.record->calls.contains("close"); }));
        const std::lock_guard lock(rig.record->mutex);
        rig.record->holds = false;
    }
    rig.player->play(Cue::Hint);
    QVERIFY(rig.started(2));
    QCOMPARE(rig.record->callsNow(),
             QStringList({"open 22050/1", "start", "close", "open 22050/1", "start"}));
    QCOMPARE(rig.last(), cueSamples(Cue::Hint));
}

void SoundTest::anotherFormatOpensTheOutputAfresh() {
    CueFolder folder;
    folder.write(Cue::Hint, qtBytes(wav::file(1, 2, 44100, 16, wav::samples16({1, 2, 3, 4}))));
    Rig rig({folder.dir.path()});
    rig.player->play(Cue::Correct);
    QVERIFY(rig.started(1));
    rig.player->play(Cue::Hint);
    QVERIFY(rig.started(2));
    QCOMPARE(rig.record->callsNow(),
             QStringList({"open 22050/1", "start", "close", "open 44100/2", "start"}));
}

void SoundTest::lateRequestIsDropped() {
    CueFolder folder;
    sound::PlayerTiming timing = quick();
    timing.staleAfter = 50ms;
    Rig rig({folder.dir.path()}, timing);
    rig.record->blockOpen = true;
    rig.player->play(Cue::Hint);
    QVERIFY(rig.record->waitFor([&] { return rig.record->opening == 1; }));
    QThread::msleep(200); // the audio system takes longer than a cue may wait
    rig.record->release();
    rig.player->play(Cue::Correct);
    QVERIFY(rig.started(1));
    // The hint was never heard late; the output it opened serves the next cue.
    QCOMPARE(rig.last(), cueSamples(Cue::Correct));
    QCOMPARE(rig.record->callsNow(), QStringList({"open 22050/1", "start"}));
}

void SoundTest::noDeviceNoSound() {
    CueFolder folder;
    Rig rig({folder.dir.path()});
    rig.record->device = false;
    rig.player->play(Cue::Correct);
    QVERIFY(rig.record->waitFor([&] { return rig.record->calls.size() == 1 && rig.record->opening == 0; }));
    rig.player->play(Cue::Default);
    QVERIFY(rig.record->waitFor([&] { return rig.record->calls.size() == 2 && rig.record->opening == 0; }));
    {
        const std::lock_guard lock(rig.record->mutex);
        rig.record->device = true; // plugged in, or the server is back
    }
    rig.player->play(Cue::Correct);
    QVERIFY(rig.started(1));
    QCOMPARE(rig.record->callsNow(), QStringList({"open 22050/1", "open 22050/1", "open 22050/1", "start"}));
    QCOMPARE(rig.last(), cueSamples(Cue::Correct));
}

void SoundTest::quitDoesNotWaitForAHungAudioSystem() {
    CueFolder folder;
    sound::PlayerTiming timing = quick();
    timing.quitWait = 50ms;
    Rig rig({folder.dir.path()}, timing);
    rig.record->blockOpen = true;
    rig.player->play(Cue::GameOver);
    QVERIFY(rig.record->waitFor([&] { return rig.record->opening == 1; }));
    rig.player.reset(); // returns although the sound thread is still stuck
    QCOMPARE(rig.record->callsNow(), QStringList({"open 22050/1"}));
    // Once the audio system answers, the thread left behind lets go of the output and ends; the game
    // had quit by then and its cue is not played.
    rig.record->release();
    QVERIFY(rig.record->waitFor([&] { return rig.record->calls.contains("close"); }));
    QCOMPARE(rig.record->callsNow(), QStringList({"open 22050/1", "close"}));
}

void SoundTest::defaultCueForFilesThatCannotBePlayed_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("warning");
    QTest::newRow("missing") << "missing"
                             << "";
    QTest::newRow("empty") << "empty"
                           << "holds no sound";
    QTest::newRow("text") << "text"
                          << "not a WAV file";
    QTest::newRow("cut inside the header") << "header"
                                           << "cut short";
    QTest::newRow("cut inside the sound") << "sound"
                                          << "cut short";
    QTest::newRow("ADPCM") << "adpcm"
                           << "a sound encoding the game does not play";
    QTest::newRow("61 s") << "long"
                          << "too long for a sound cue";
    QTest::newRow("over 10 MiB") << "big"
                                 << "too big for a sound cue";
    QTest::newRow("folder") << "folder"
                            << "not a regular file";
    QTest::newRow("FIFO") << "fifo"
                          << "not a regular file";
    QTest::newRow("device") << "device"
                            << "not a regular file";
}

void SoundTest::defaultCueForFilesThatCannotBePlayed() {
    QFETCH(QString, kind);
    QFETCH(QString, warning);
    CueFolder folder;
    const QString path = folder.path(Cue::Hint);
    const QByteArray whole = readFile(path);
    QFile::remove(path);
    if (kind == "empty") folder.write(Cue::Hint, {});
    if (kind == "text") folder.write(Cue::Hint, QByteArray(400, 'x'));
    if (kind == "header") folder.write(Cue::Hint, whole.left(30));
    if (kind == "sound") folder.write(Cue::Hint, whole.left(whole.size() - 100));
    if (kind == "adpcm")
        folder.write(Cue::Hint, qtBytes(wav::file(2, 1, 22050, 4, std::string(1000, '\x11'))));
    if (kind == "long")
        folder.write(Cue::Hint, qtBytes(wav::file(1, 1, 1000, 8, std::string(61000, char(0x80)))));
    if (kind == "big") // a good header over 10 MiB of sound: refused by its size, before it is read
        folder.write(Cue::Hint, qtBytes(wav::file(1, 1, 44100, 16, std::string(10 * 1024 * 1024, '\0'))));
    if (kind == "folder") QVERIFY(QDir(folder.dir.path()).mkdir(cueFileName(Cue::Hint)));
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);          // would block for good
    if (kind == "device") QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path)); // endless
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("pokuraku: the sound %1 is %2; the default cue "
                                                       "plays in its place")
                                            .arg(path, warning)));

    Rig rig({folder.dir.path()});
    rig.player->play(Cue::Hint);
    QVERIFY(rig.started(1));
    QCOMPARE(rig.last(), defaultSamples());
    // The thread goes on: the next cue plays its own file.
    rig.player->play(Cue::Correct);
    QVERIFY(rig.started(2));
    QCOMPARE(rig.last(), cueSamples(Cue::Correct));
    // The default cue itself is built into the program.
    QVERIFY(!defaultSamples().isEmpty());
    rig.player->play(Cue::Default);
    QVERIFY(rig.started(3));
    QCOMPARE(rig.last(), defaultSamples());
}

void SoundTest::firstRegularFileWins() {
    CueFolder first, second;
    QFile::remove(first.path(Cue::Hint));
    QFile::remove(first.path(Cue::Correct));
    QCOMPARE(::mkfifo(QFile::encodeName(first.path(Cue::Correct)).constData(), 0600), 0);
    second.write(Cue::Hint, readFile(shipped + cueFileName(Cue::Eaten)));
    Rig rig({first.dir.path(), second.dir.path()});
    // Not in the first folder: the second's. A FIFO in the first is passed over.
    rig.player->play(Cue::Hint);
    QVERIFY(rig.started(1));
    QCOMPARE(rig.last(), cueSamples(Cue::Eaten));
    rig.player->play(Cue::Correct);
    QVERIFY(rig.started(2));
    QCOMPARE(rig.last(), cueSamples(Cue::Correct));
    // A cue file that turns up in the first folder while the game runs is heard from then on ...
    QVERIFY(QFile::copy(shipped + cueFileName(Cue::GameOver), first.path(Cue::Hint)));
    rig.player->play(Cue::Hint);
    QVERIFY(rig.started(3));
    QCOMPARE(rig.last(), cueSamples(Cue::GameOver));
    // ... and a damaged one there sounds the default cue: the first regular file is the cue's file.
    first.write(Cue::Hint, QByteArray(100, 'x'));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("hinto.wav is not a WAV file"));
    rig.player->play(Cue::Hint);
    QVERIFY(rig.started(4));
    QCOMPARE(rig.last(), defaultSamples());
}

void SoundTest::eachFileIsDecodedOnce() {
    CueFolder folder;
    sound::CueLibrary library(paths({folder.dir.path()}));
    const auto hint = library.sound(Cue::Hint);
    QCOMPARE(library.sound(Cue::Hint), hint); // the same samples, not read again
    QCOMPARE(library.decodes(), 1);
    QCOMPARE(qtBytes(hint->samples), cueSamples(Cue::Hint));
    // Replaced by another file: read anew.
    QFile::remove(folder.path(Cue::Hint));
    QVERIFY(QFile::copy(shipped + cueFileName(Cue::Click), folder.path(Cue::Hint)));
    QCOMPARE(qtBytes(library.sound(Cue::Hint)->samples), cueSamples(Cue::Click));
    QCOMPARE(library.decodes(), 2);
    // A refused file is not read again either while it stays the same.
    folder.write(Cue::Wrong, QByteArray(100, 'x'));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("matigai.wav is not a WAV file"));
    QCOMPARE(qtBytes(library.sound(Cue::Wrong)->samples), defaultSamples());
    QCOMPARE(qtBytes(library.sound(Cue::Wrong)->samples), defaultSamples());
    QCOMPARE(library.decodes(), 3);

    // The samples kept for reuse are bounded: with room for one cue only, the others are read again.
    sound::CueLimits tight;
    tight.keptBytes = 1;
    sound::CueLibrary small(paths({folder.dir.path()}), tight);
    small.sound(Cue::Correct);
    small.sound(Cue::Eaten);
    small.sound(Cue::Eaten);
    QCOMPARE(small.decodes(), 2);
    small.sound(Cue::Correct);
    QCOMPARE(small.decodes(), 3);
}

void SoundTest::shippedCues() {
    QSet<QByteArray> contents;
    for (Cue cue :
         {Cue::Correct, Cue::Correct100, Cue::Wrong, Cue::Hint, Cue::Click, Cue::Eaten, Cue::GameOver}) {
        const QString name = cueFileName(cue);
        QFile file(shipped + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const sound::WavDecoding d = sound::decodeWav(wav::view(file.readAll()), 60.0);
        QVERIFY2(d.fault == Fault::None, qPrintable(name));
        QCOMPARE(d.source.formatTag, 1);
        QCOMPARE(d.source.bitsPerSample, 16);
        QCOMPARE(d.pcm.format, (sound::PcmFormat{22050, 1, sound::SampleType::Int16}));
        QVERIFY2(d.pcm.seconds() > 0.03 && d.pcm.seconds() < 1.5, qPrintable(name));
        contents.insert(qtBytes(d.pcm.samples));
    }
    QCOMPARE(contents.size(), 7);
    QVERIFY(sound::fileName(Cue::Default).empty());
    QCOMPARE(sound::name(Cue::GameOver), "GameOver");
    // The default cue built into the program is assets/sounds/default.wav as it is.
    QCOMPARE(qtBytes(sound::defaultCueFile()),
             readFile(QStringLiteral(POKURAKU_SOURCE_DIR "/assets/sounds/default.wav")));
}

void SoundTest::sdlWithoutAnAudioServer() {
    // The real back-end on a machine whose audio server is gone: it says why once and opens nothing.
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    qputenv("PULSE_SERVER", "unix:/nonexistent/pokuraku-test");
    qputenv("PULSE_CLIENTCONFIG", "/dev/null");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^pokuraku: no audio (system|device): .*; the game "
                                                          "goes on without sound$"));
    const auto backend = frontend::makeSdlAudio();
    QVERIFY(!backend->open({22050, 1, sound::SampleType::Int16}));
    QVERIFY(!backend->open({22050, 1, sound::SampleType::Int16})); // said once only
    QVERIFY(!backend->holdsSound());
    QVERIFY(!backend->lost());
    backend->close();
}

// PipeWire answers when its PulseAudio server is down; ALSA comes last. The player's own choice is the only
// one.
void SoundTest::audioSystemsInTurn() {
    const std::vector<std::string> inTurn{"pulseaudio", "pipewire", "alsa"};
    QCOMPARE(frontend::audioDrivers(nullptr), inTurn);
    QCOMPARE(frontend::audioDrivers(""), inTurn);
    QCOMPARE(frontend::audioDrivers("alsa"), std::vector<std::string>{"alsa"});
}

QTEST_GUILESS_MAIN(SoundTest)
#include "test_sound.moc"
