#pragma once
// Finds, reads and decodes the cue files on the sound thread. For each cue the folders are searched in
// order, and the first one holding a regular file of the cue's name wins; a folder, FIFO or device of that
// name is passed over and never opened. A file is read whole only when it is no bigger than a cue may be,
// and decoded once: later requests reuse the samples for as long as the file stays the same (a file that is
// replaced or turns up while the game runs is read anew). A cue without a playable file sounds the
// built-in default cue. The decoded samples kept for reuse are bounded in size.
#include "services/sound/pcm.h"
#include "services/sound/sound.h"
#include <QSet>
#include <QStringList>
#include <list>
#include <memory>

struct stat;

namespace sound {

struct CueLimits {
    qint64 maxFileBytes = 10 * 1024 * 1024;
    double maxSeconds = 60.0;
    qint64 keptBytes = 32 * 1024 * 1024; // decoded samples kept for reuse, the default cue not counted
};

class CueLibrary {
public:
    explicit CueLibrary(QStringList folders, CueLimits limits = {});

    // The samples to play for a cue; null only when even the built-in default cue cannot be played.
    std::shared_ptr<const Pcm> sound(Cue cue);
    std::shared_ptr<const Pcm> defaultSound();

    // How many files have been read and decoded so far (each decodes once while unchanged).
    int decodes() const { return decodes_; }

private:
    struct Identity {
        quint64 device = 0, inode = 0;
        qint64 size = 0, modifiedNs = 0;
        bool operator==(const Identity&) const = default;
    };
    struct Entry {
        QString path;
        Identity identity;
        std::shared_ptr<const Pcm> pcm; // null: the file was refused (fault says why)
        Fault fault = Fault::None;
    };

    static Identity identityOf(const struct stat& st);
    std::shared_ptr<const Pcm> load(const QString& path, const Identity& identity);
    Entry read(const QString& path) const;
    void keepWithinBounds();

    QStringList folders_;
    CueLimits limits_;
    std::list<Entry> entries_; // most recently used first
    std::shared_ptr<const Pcm> default_;
    bool defaultTried_ = false;
    QSet<QString> warnedNotRegular_;
    int decodes_ = 0;
};

} // namespace sound
