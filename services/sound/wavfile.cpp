#include "services/sound/wavfile.h"
#include <QFile>
#include <QtEndian>

namespace {

bool playable(const WavFormat& f) {
    const bool knownTag = f.formatTag == 1 || f.formatTag == 3 || f.formatTag == 0xFFFE;
    const bool knownWidth =
        f.bitsPerSample == 8 || f.bitsPerSample == 16 || f.bitsPerSample == 24 || f.bitsPerSample == 32;
    return knownTag && knownWidth && f.channels >= 1 && f.channels <= 8 && f.sampleRate >= 1000 &&
           f.sampleRate <= 384000;
}

} // namespace

double WavFormat::seconds() const {
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? double(dataBytes) / double(bytesPerSecond) : 0.0;
}

std::optional<WavFormat> readWavFormat(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") return std::nullopt;
    std::optional<WavFormat> format;
    // Chunks follow one another, each an id, a little-endian size and its bytes padded to an even length.
    for (int chunk = 0; chunk < 64; ++chunk) {
        const QByteArray head = file.read(8);
        if (head.size() != 8) return std::nullopt;
        const QByteArray id = head.left(4);
        const qint64 size = qFromLittleEndian<quint32>(head.constData() + 4);
        const qint64 next = file.pos() + size + (size & 1);
        if (id == "fmt ") {
            const QByteArray body = file.read(16);
            if (size < 16 || body.size() != 16) return std::nullopt;
            const char* b = body.constData();
            WavFormat f;
            f.formatTag = qFromLittleEndian<quint16>(b);
            f.channels = qFromLittleEndian<quint16>(b + 2);
            f.sampleRate = static_cast<int>(qFromLittleEndian<quint32>(b + 4));
            f.bitsPerSample = qFromLittleEndian<quint16>(b + 14);
            if (!playable(f)) return std::nullopt;
            format = f;
        } else if (id == "data") {
            // The sound itself must be there: a file cut short is as good as no file.
            if (!format || size == 0 || file.size() - file.pos() < size) return std::nullopt;
            format->dataBytes = size;
            return format;
        }
        if (!file.seek(next)) return std::nullopt;
    }
    return std::nullopt;
}
