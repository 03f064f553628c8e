#include "services/sound/cuelibrary.h"
#include "services/sound/wavfile.h"
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sound {

namespace {

void warn(const QString& path, Fault fault) {
    qWarning("pokuraku: the sound %s is %s; the default cue plays in its place", qPrintable(path),
             qPrintable(describe(fault)));
}

} // namespace

CueLibrary::Identity CueLibrary::identityOf(const struct stat& st) {
    return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

CueLibrary::CueLibrary(QStringList folders, CueLimits limits)
    : folders_(std::move(folders)), limits_(limits) {}

std::shared_ptr<const Pcm> CueLibrary::defaultSound() {
    if (!defaultTried_) {
        defaultTried_ = true;
        QFile file(QStringLiteral(":/sounds/default.wav"));
        if (file.open(QIODevice::ReadOnly)) {
            WavDecoding decoded = decodeWav(file.readAll(), limits_.maxSeconds);
            if (decoded.fault == Fault::None) default_ = std::make_shared<const Pcm>(std::move(decoded.pcm));
        }
        if (!default_) qWarning("pokuraku: the built-in default sound cue cannot be played");
    }
    return default_;
}

std::shared_ptr<const Pcm> CueLibrary::sound(Cue cue) {
    const QString name = fileName(cue);
    if (name.isEmpty()) return defaultSound();
    QString passedOver;
    for (const QString& folder : folders_) {
        const QString path = folder + QLatin1Char('/') + name;
        struct stat st;
        if (::stat(QFile::encodeName(path).constData(), &st) != 0) continue;
        if (!S_ISREG(st.st_mode)) {
            if (passedOver.isEmpty()) passedOver = path;
            continue;
        }
        if (auto pcm = load(path, identityOf(st))) return pcm;
        return defaultSound();
    }
    if (!passedOver.isEmpty() && !warnedNotRegular_.contains(passedOver)) {
        warnedNotRegular_.insert(passedOver);
        warn(passedOver, Fault::NotRegular);
    }
    return defaultSound();
}

std::shared_ptr<const Pcm> CueLibrary::load(const QString& path, const Identity& identity) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != path) continue;
        if (it->identity == identity) {
            entries_.splice(entries_.begin(), entries_, it);
            return entries_.front().pcm;
        }
        entries_.erase(it); // the file has changed since it was read
        break;
    }
    entries_.push_front(read(path));
    ++decodes_;
    if (entries_.front().fault != Fault::None) warn(path, entries_.front().fault);
    keepWithinBounds();
    return entries_.front().pcm;
}

// Opening never waits: a FIFO put in place of the file since it was looked at opens at once without a
// writer, and is then refused like any other file that is not a regular one.
CueLibrary::Entry CueLibrary::read(const QString& path) const {
    Entry entry{path, {}, nullptr, Fault::None};
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        entry.fault = Fault::Unreadable;
        return entry;
    }
    struct stat st;
    QByteArray bytes;
    if (::fstat(fd, &st) != 0) {
        entry.fault = Fault::Unreadable;
    } else if (!S_ISREG(st.st_mode)) {
        entry.fault = Fault::NotRegular;
    } else if (st.st_size > limits_.maxFileBytes) {
        entry.fault = Fault::TooBig;
    } else {
        entry.identity = identityOf(st);
        bytes.resize(st.st_size);
        qint64 got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                entry.fault = Fault::Unreadable;
                break;
            }
            if (n == 0) break; // the file shrank while being read: what is there is judged as it is
            got += n;
        }
        bytes.truncate(got);
    }
    ::close(fd);
    if (entry.fault != Fault::None) return entry;
    WavDecoding decoded = decodeWav(bytes, limits_.maxSeconds);
    entry.fault = decoded.fault;
    if (decoded.fault == Fault::None) entry.pcm = std::make_shared<const Pcm>(std::move(decoded.pcm));
    return entry;
}

void CueLibrary::keepWithinBounds() {
    qint64 kept = 0;
    for (const Entry& entry : entries_)
        if (entry.pcm) kept += entry.pcm->samples.size();
    // The newest entry always stays: it is the one about to be played.
    while (kept > limits_.keptBytes && entries_.size() > 1) {
        if (entries_.back().pcm) kept -= entries_.back().pcm->samples.size();
        entries_.pop_back();
    }
}

} // namespace sound
