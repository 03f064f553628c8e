// SPDX-License-Identifier: MIT
#include "services/data/posixfile.h"
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

EntryKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return EntryKind::RegularFile;
    if (S_ISDIR(mode)) return EntryKind::Folder;
    if (S_ISFIFO(mode)) return EntryKind::Fifo;
    if (S_ISCHR(mode)) return EntryKind::CharacterDevice;
    if (S_ISBLK(mode)) return EntryKind::BlockDevice;
    if (S_ISSOCK(mode)) return EntryKind::Socket;
    return EntryKind::Other;
}

} // namespace

PosixFile::PosixFile(const std::string& path) {
    do {
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0) openError_ = errno;
}

PosixFile::~PosixFile() {
    if (fd_ >= 0) ::close(fd_);
}

int PosixFile::status(EntryKind& kind, std::int64_t& size) const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) return errno;
    kind = kindOf(st.st_mode);
    size = static_cast<std::int64_t>(st.st_size);
    return 0;
}

std::int64_t PosixFile::read(char* buffer, std::size_t count, int& error) {
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, count);
        if (got >= 0) return static_cast<std::int64_t>(got);
        if (errno != EINTR) {
            error = errno;
            return -1;
        }
    }
}

bool entryKindAt(const std::string& path, EntryKind& kind) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    kind = kindOf(st.st_mode);
    return true;
}

std::string systemErrorText(int error) {
    return std::strerror(error);
}
