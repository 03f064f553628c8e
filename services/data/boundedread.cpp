#include "services/data/boundedread.h"
#include "services/data/datafileerror.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// What a file system entry is, in the words of the message; empty for a regular file.
QString kindOf(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return QStringLiteral("a folder");
    if (S_ISFIFO(mode)) return QStringLiteral("a named pipe (FIFO)");
    if (S_ISCHR(mode)) return QStringLiteral("a character device");
    if (S_ISBLK(mode)) return QStringLiteral("a block device");
    if (S_ISSOCK(mode)) return QStringLiteral("a socket");
    return QStringLiteral("not a regular file");
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QByteArray readDataFile(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString full = info.absoluteFilePath();
    const QByteArray native = QFile::encodeName(path);
    // A link is named with what it leads to: "romaji.txt → /dev/zero is a character device".
    const QString linked =
        info.isSymLink()
            ? QStringLiteral(" (a link to %1)").arg(QDir::toNativeSeparators(info.symLinkTarget()))
            : QString();
    const auto notAFile = [&](mode_t mode) {
        return DataFileError(name, 0, QStringLiteral("it is %1%2, not a file").arg(kindOf(mode), linked),
                             full);
    };

    // Opened without blocking: opening a FIFO would otherwise wait for a writer, with no window shown.
    int fd = -1;
    do {
        fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        struct stat st {};
        if (error == ENOENT && !info.isSymLink()) throw DataFileError::missing(name, {info.absolutePath()});
        // A socket cannot be opened at all; name it for what it is.
        if (::stat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode)) throw notAFile(st.st_mode);
        throw DataFileError(
            name, 0, QStringLiteral("cannot open the file%1: %2").arg(linked, systemError(error)), full);
    }
    const Descriptor file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw DataFileError(name, 0, QStringLiteral("cannot read the file: %1").arg(systemError(errno)),
                            full);
    if (!S_ISREG(st.st_mode)) throw notAFile(st.st_mode);
    const auto tooLarge = [&](qint64 size) {
        return DataFileError(name, 0,
                             QStringLiteral("the file is too large (%1 bytes; the game reads at most %2)")
                                 .arg(size)
                                 .arg(maxBytes),
                             full);
    };
    if (st.st_size > maxBytes) throw tooLarge(st.st_size);

    // Read to the end, but never past the limit: a file that grows while it is read (or a file of the
    // kernel's, whose size says 0) is refused as soon as it passes the limit.
    constexpr qint64 chunk = 64 * 1024;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(std::min<qint64>(st.st_size, maxBytes) + 1));
    for (;;) {
        const qint64 want = std::min<qint64>(chunk, maxBytes + 1 - bytes.size());
        const qsizetype before = bytes.size();
        bytes.resize(before + static_cast<qsizetype>(want));
        const ssize_t got = ::read(fd, bytes.data() + before, static_cast<std::size_t>(want));
        if (got < 0) {
            const int error = errno;
            bytes.resize(before);
            if (error == EINTR) continue;
            throw DataFileError(name, 0, QStringLiteral("cannot read the file: %1").arg(systemError(error)),
                                full);
        }
        bytes.resize(before + static_cast<qsizetype>(got));
        if (got == 0) break;
        if (bytes.size() > maxBytes) throw tooLarge(bytes.size());
    }
    return bytes;
}
