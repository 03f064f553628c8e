// SPDX-License-Identifier: MIT
#include "services/sound/cuelibrary.h"
#include "services/sound/defaultcue.h"
#include "services/sound/warning.h"
#include "services/sound/wavfile.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sound {

namespace {

void warnRefused(const std::string& path, Fault fault) {
    warn("pokuraku: the sound " + path + " is " + describe(fault) + "; the default cue plays in its place");
}

} // namespace

CueLibrary::Identity CueLibrary::identityOf(const struct stat& st) {
    return {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::int64_t(st.st_size),
            std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

CueLibrary::CueLibrary(std::vector<std::filesystem::path> folders, CueLimits limits)
    : folders_(std::move(folders)), limits_(limits) {}

std::shared_ptr<const Pcm> CueLibrary::defaultSound() {
    if (!defaultTried_) {
        defaultTried_ = true;
        WavDecoding decoded = decodeWav(defaultCueFile(), limits_.maxSeconds);
        if (decoded.fault == Fault::None)
            default_ = std::make_shared<const Pcm>(std::move(decoded.pcm));
        else
            warn("pokuraku: the built-in default sound cue cannot be played");
    }
    return default_;
}

std::shared_ptr<const Pcm> CueLibrary::sound(Cue cue) {
    const std::string name = fileName(cue);
    if (name.empty()) return defaultSound();
    std::string passedOver;
    for (const std::filesystem::path& folder : folders_) {
        const std::string path = folder.native() + '/' + name;
        struct stat st;
        if (::stat(path.c_str(), &st) != 0) continue;
        if (!S_ISREG(st.st_mode)) {
            if (passedOver.empty()) passedOver = path;
            continue;
        }
        if (auto pcm = load(path, identityOf(st))) return pcm;
        return defaultSound();
    }
    if (!passedOver.empty() && warnedNotRegular_.insert(passedOver).second)
        warnRefused(passedOver, Fault::NotRegular);
    return defaultSound();
}

std::shared_ptr<const Pcm> CueLibrary::load(const std::string& path, const Identity& identity) {
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
    if (entries_.front().fault != Fault::None) warnRefused(path, entries_.front().fault);
    keepWithinBounds();
    return entries_.front().pcm;
}

// Opening never waits: a FIFO put in place of the file since it was looked at opens at once without a
// writer, and is then refused like any other file that is not a regular one.
CueLibrary::Entry CueLibrary::read(const std::string& path) const {
    Entry entry{path, {}, nullptr, Fault::None};
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        entry.fault = Fault::Unreadable;
        return entry;
    }
    struct stat st;
    std::vector<unsigned char> bytes;
    if (::fstat(fd, &st) != 0) {
        entry.fault = Fault::Unreadable;
    } else if (!S_ISREG(st.st_mode)) {
        entry.fault = Fault::NotRegular;
    } else if (st.st_size > limits_.maxFileBytes) {
        entry.fault = Fault::TooBig;
    } else {
        entry.identity = identityOf(st);
        bytes.resize(std::size_t(st.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                entry.fault = Fault::Unreadable;
                break;
            }
            if (n == 0) break; // the file shrank while being read: what is there is judged as it is
            got += std::size_t(n);
        }
        bytes.resize(got);
    }
    ::close(fd);
    if (entry.fault != Fault::None) return entry;
    WavDecoding decoded = decodeWav(bytes, limits_.maxSeconds);
    entry.fault = decoded.fault;
    if (decoded.fault == Fault::None) entry.pcm = std::make_shared<const Pcm>(std::move(decoded.pcm));
    return entry;
}

void CueLibrary::keepWithinBounds() {
    std::int64_t kept = 0;
    for (const Entry& entry : entries_)
        if (entry.pcm) kept += std::int64_t(entry.pcm->samples.size());
    // The newest entry always stays: it is the one about to be played.
    while (kept > limits_.keptBytes && entries_.size() > 1) {
        if (entries_.back().pcm) kept -= std::int64_t(entries_.back().pcm->samples.size());
        entries_.pop_back();
    }
}

} // namespace sound
