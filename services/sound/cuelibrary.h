// SPDX-License-Identifier: MIT
#pragma once
// Finds, reads and decodes the cue files on the sound thread. For each cue the folders are searched in
// order, and the first one holding a regular file of the cue's name wins; a folder, FIFO or device of that
// name is passed over and never opened. A file is read whole only when it is no bigger than a cue may be,
// and decoded once: later requests reuse the samples for as long as the file stays the same (a file that is
// replaced or turns up while the game runs is read anew). A cue without a playable file sounds the
// built-in default cue. The decoded samples kept for reuse are bounded in size.
#include "services/sound/pcm.h"
#include "services/sound/sound.h"
#include <cstdint>
#include <filesystem>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct stat;

namespace sound {

struct CueLimits {
    std::int64_t maxFileBytes = 10 * 1024 * 1024;
    double maxSeconds = 60.0;
    std::int64_t keptBytes = 32 * 1024 * 1024; // decoded samples kept for reuse, the default cue not counted
};

class CueLibrary {
public:
    explicit CueLibrary(std::vector<std::filesystem::path> folders, CueLimits limits = {});

    // The samples to play for a cue; null only when even the built-in default cue cannot be played.
    std::shared_ptr<const Pcm> sound(Cue cue);
    std::shared_ptr<const Pcm> defaultSound();

    // How many files have been read and decoded so far (each decodes once while unchanged).
    int decodes() const { return decodes_; }

private:
    struct Identity {
        std::uint64_t device = 0, inode = 0;
        std::int64_t size = 0, modifiedNs = 0;
        bool operator==(const Identity&) const = default;
    };
    struct Entry {
        std::string path;
        Identity identity;
        std::shared_ptr<const Pcm> pcm; // null: the file was refused (fault says why)
        Fault fault = Fault::None;
    };

    static Identity identityOf(const struct stat& st);
    std::shared_ptr<const Pcm> load(const std::string& path, const Identity& identity);
    Entry read(const std::string& path) const;
    void keepWithinBounds();

    std::vector<std::filesystem::path> folders_;
    CueLimits limits_;
    std::list<Entry> entries_; // most recently used first
    std::shared_ptr<const Pcm> default_;
    bool defaultTried_ = false;
    std::set<std::string> warnedNotRegular_;
    int decodes_ = 0;
};

} // namespace sound
