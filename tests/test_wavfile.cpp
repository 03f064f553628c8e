// SPDX-License-Identifier: MIT
// Reading cue files: every integer and floating-point WAV encoding a cue may come in turns into the
// samples the device is given (16-bit stays 16-bit, the rest becomes float, more than two channels become
// the front pair), and every damaged or foreign file is refused with its reason, never read past its end.
#include "services/sound/wavfile.h"
#include "support/wav.h"
#include <QtTest>
#include <limits>

using sound::Fault;
using sound::SampleType;

Q_DECLARE_METATYPE(sound::Fault)
Q_DECLARE_METATYPE(sound::SampleType)

namespace {

QByteArray floats(std::initializer_list<float> values) {
    QByteArray b;
    for (float v : values)
        b.append(reinterpret_cast<const char*>(&v), sizeof v);
    return b;
}

QByteArray shorts(std::initializer_list<qint16> values) {
    QByteArray b;
    for (qint16 v : values)
        b.append(reinterpret_cast<const char*>(&v), sizeof v);
    return b;
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values)
        b += char(v);
    return b;
}

} // namespace

class WavFileTest : public QObject {
    Q_OBJECT
private slots:
    void decodesEncodings_data();
    void decodesEncodings();
    void refusesDamagedAndForeignFiles_data();
    void refusesDamagedAndForeignFiles();
    void skipsOtherChunks();
};

void WavFileTest::decodesEncodings_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("channels");
    QTest::addColumn<SampleType>("type");
    QTest::addColumn<QByteArray>("samples"); // in the machine's byte order

    using namespace wav;
    QTest::newRow("8-bit, unsigned") << file(1, 1, 8000, 8, bytes({0x80, 0xFF, 0x00, 0x81})) << 1
                                     << SampleType::Int16 << shorts({0, 127 * 256, -32768, 256});
    QTest::newRow("16-bit stereo") << file(1, 2, 44100, 16, samples16({1, -1, 32767, -32768})) << 2
                                   << SampleType::Int16 << shorts({1, -1, 32767, -32768});
    QTest::newRow("24-bit") << file(1, 1, 48000, 24, bytes({0, 0, 0x40, 0, 0, 0xC0, 0xFF, 0xFF, 0x7F})) << 1
                            << SampleType::Float32 << floats({0.5f, -0.5f, 8388607.0f / 8388608.0f});
    QTest::newRow("32-bit integer") << file(1, 1, 48000, 32, le32(0x40000000) + le32(-0x40000000)) << 1
                                    << SampleType::Float32 << floats({0.5f, -0.5f});
    QTest::newRow("32-bit float") << file(3, 1, 22050, 32, floats({0.25f, -1.0f})) << 1 << SampleType::Float32
                                  << floats({0.25f, -1.0f});
    double d[2] = {0.75, -0.125};
    QTest::newRow("64-bit float") << file(3, 1, 22050, 64, QByteArray(reinterpret_cast<const char*>(d), 16))
                                  << 1 << SampleType::Float32 << floats({0.75f, -0.125f});
    // Damaged float files must not blare: values are held to the range, and not-a-number is silence.
    QTest::newRow("float out of range")
        << file(3, 1, 22050, 32, floats({5.0f, -7.0f, std::numeric_limits<float>::quiet_NaN()})) << 1
        << SampleType::Float32 << floats({1.0f, -1.0f, 0.0f});
    QTest::newRow("extensible 16-bit")
        << riff(chunk("fmt ", extensible(1, 1, 22050, 16)) + chunk("data", samples16({7, -7}))) << 1
        << SampleType::Int16 << shorts({7, -7});
    QTest::newRow("extensible float")
        << riff(chunk("fmt ", extensible(3, 2, 48000, 32)) + chunk("data", floats({0.5f, -0.5f}))) << 2
        << SampleType::Float32 << floats({0.5f, -0.5f});
    // Front left and right of a 3-channel frame; the centre is left out.
    QTest::newRow("three channels") << file(1, 3, 44100, 16, samples16({1, 2, 3, 4, 5, 6})) << 2
                                    << SampleType::Int16 << shorts({1, 2, 4, 5});
    // A last frame cut in half is left out.
    QTest::newRow("part of a frame") << file(1, 2, 44100, 16, samples16({1, 2, 3})) << 2 << SampleType::Int16
                                     << shorts({1, 2});
}

void WavFileTest::decodesEncodings() {
    QFETCH(QByteArray, file);
    QFETCH(int, channels);
    QFETCH(SampleType, type);
    QFETCH(QByteArray, samples);
    const sound::WavDecoding d = sound::decodeWav(wav::view(file), 60.0);
    QCOMPARE(d.fault, Fault::None);
    QCOMPARE(d.pcm.format.channels, channels);
    QCOMPARE(d.pcm.format.type, type);
    QCOMPARE(d.pcm.format.sampleRate, d.source.sampleRate);
    QCOMPARE(wav::toBytes(d.pcm.samples), samples);
}

void WavFileTest::refusesDamagedAndForeignFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Fault>("fault");

    using namespace wav;
    const QByteArray sound = samples16({100, -100, 200, -200});
    const QByteArray good = file(1, 1, 22050, 16, sound);
    QTest::newRow("empty") << QByteArray() << Fault::NoSound;
    QTest::newRow("text") << QByteArray(400, 'x') << Fault::NotWav;
    QTest::newRow("cut inside RIFF") << QByteArray("RIF") << Fault::Truncated;
    QTest::newRow("RIFF of another kind") << QByteArray("RIFF\x04\0\0\0AVI ", 12) << Fault::NotWav;
    QTest::newRow("no chunks") << riff({}) << Fault::NotWav;
    QTest::newRow("cut inside a chunk header") << riff("fmt ") << Fault::Truncated;
    QTest::newRow("cut inside fmt") << good.left(30) << Fault::Truncated;
    QTest::newRow("cut inside the sound") << good.left(good.size() - 1) << Fault::Truncated;
    QTest::newRow("no data chunk") << riff(chunk("fmt ", format(1, 1, 22050, 16))) << Fault::Truncated;
    QTest::newRow("data before fmt") << riff(chunk("data", sound) + chunk("fmt ", format(1, 1, 22050, 16)))
                                     << Fault::NotWav;
    QTest::newRow("fmt too short") << riff(chunk("fmt ", format(1, 1, 22050, 16).left(14)) +
                                           chunk("data", sound))
                                   << Fault::NotWav;
    QTest::newRow("ADPCM") << file(2, 1, 22050, 4, sound) << Fault::Unsupported;
    QTest::newRow("12-bit") << file(1, 1, 22050, 12, sound) << Fault::Unsupported;
    QTest::newRow("16-bit float") << file(3, 1, 22050, 16, sound) << Fault::Unsupported;
    QTest::newRow("no channels") << file(1, 0, 22050, 16, sound) << Fault::Unsupported;
    QTest::newRow("nine channels") << file(1, 9, 22050, 16, sound.repeated(9)) << Fault::Unsupported;
    QTest::newRow("500 Hz") << file(1, 1, 500, 16, sound) << Fault::Unsupported;
    QTest::newRow("block size wrong")
        << riff(chunk("fmt ", format(1, 1, 22050, 16, 4)) + chunk("data", sound)) << Fault::Unsupported;
    QByteArray unknownGuid = extensible(1, 1, 22050, 16);
    unknownGuid[30] = 'z';
    QTest::newRow("extensible, unknown encoding")
        << riff(chunk("fmt ", unknownGuid) + chunk("data", sound)) << Fault::Unsupported;
    QTest::newRow("no sound") << file(1, 1, 22050, 16, {}) << Fault::NoSound;
    QTest::newRow("less than a frame") << file(1, 2, 22050, 16, samples16({1})) << Fault::NoSound;
    // 61 s at 1000 Hz is small as a file but longer than a cue may last.
    QTest::newRow("61 s") << file(1, 1, 1000, 8, QByteArray(61000, char(0x80))) << Fault::TooLong;
    QTest::newRow("data size past the end")
        << riff(chunk("fmt ", format(1, 1, 22050, 16)) + "data" + le32(0x7FFFFFF0) + sound)
        << Fault::Truncated;
}

void WavFileTest::refusesDamagedAndForeignFiles() {
    QFETCH(QByteArray, file);
    QFETCH(Fault, fault);
    const sound::WavDecoding d = sound::decodeWav(wav::view(file), 60.0);
    QCOMPARE(d.fault, fault);
    QVERIFY(d.pcm.samples.empty());
    QVERIFY(!sound::describe(fault).empty());
}

void WavFileTest::skipsOtherChunks() {
    using namespace wav;
    // An odd-sized chunk is padded to an even length; a chunk of any other kind is stepped over.
    const QByteArray file =
        riff(chunk("LIST", "abc") + chunk("fmt ", format(1, 1, 22050, 16)) + chunk("fact", le32(2)) +
             chunk("data", samples16({5, 6})) + chunk("id3 ", "x"));
    const sound::WavDecoding d = sound::decodeWav(wav::view(file), 60.0);
    QCOMPARE(d.fault, Fault::None);
    QCOMPARE(wav::toBytes(d.pcm.samples), shorts({5, 6}));
    QCOMPARE(d.pcm.frames(), std::int64_t(2));
    QCOMPARE(d.pcm.seconds(), 2.0 / 22050);
}

QTEST_GUILESS_MAIN(WavFileTest)
#include "test_wavfile.moc"
