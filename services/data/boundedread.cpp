// SPDX-License-Identifier: MIT
#include "services/data/boundedread.h"
#include "services/data/datafileerror.h"
#include "services/data/pathtext.h"
#include "services/data/posixfile.h"
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// What a file system entry is, in the words of the message; empty for a regular file.
std::string kindOf(EntryKind kind) {
    switch (kind) {
    case EntryKind::RegularFile:
        return {};
    case EntryKind::Folder:
        return "a folder";
    case EntryKind::Fifo:
        return "a named pipe (FIFO)";
    case EntryKind::CharacterDevice:
        return "a character device";
    case EntryKind::BlockDevice:
        return "a block device";
    case EntryKind::Socket:
        return "a socket";
    case EntryKind::Other:
        break;
    }
    return "not a regular file";
}

// Where the link at path leads, as an absolute path: a relative target is read from the link's folder.
std::string linkTarget(const std::string& path, const std::string& full) {
    std::error_code error;
    const std::string target = fs::read_symlink(path, error).string();
    if (error || target.empty()) return {};
    return target.front() == '/' ? cleanPath(target) : cleanPath(folderOf(full) + '/' + target);
}

} // namespace

std::string readDataFile(const std::string& path, std::int64_t maxBytes) {
    const std::string name = fileNameOf(path);
    const std::string full = absolutePath(path);
    std::error_code error;
    const bool isLink = fs::is_symlink(fs::symlink_status(path, error));
    // A link is named with what it leads to: "romaji.txt → /dev/zero is a character device".
    const std::string linked = isLink ? " (a link to " + linkTarget(path, full) + ")" : std::string();
    const auto notAFile = [&](EntryKind kind) {
        return DataFileError(name, 0, "it is " + kindOf(kind) + linked + ", not a file", full);
    };

    // Opened without blocking: opening a FIFO would otherwise wait for a writer, with no window shown.
    PosixFile file(path);
    if (const int openError = file.openError()) {
        if (openError == static_cast<int>(std::errc::no_such_file_or_directory) && !isLink)
            throw DataFileError::missing(name, {folderOf(full)});
        // A socket cannot be opened at all; name it for what it is.
        EntryKind kind{};
        if (entryKindAt(path, kind) && kind != EntryKind::RegularFile) throw notAFile(kind);
        throw DataFileError(name, 0, "cannot open the file" + linked + ": " + systemErrorText(openError),
                            full);
    }
    EntryKind kind{};
    std::int64_t size = 0;
    if (const int statusError = file.status(kind, size))
        throw DataFileError(name, 0, "cannot read the file: " + systemErrorText(statusError), full);
    if (kind != EntryKind::RegularFile) throw notAFile(kind);
    const auto tooLarge = [&](std::int64_t bytes) {
        return DataFileError(name, 0,
                             "the file is too large (" + std::to_string(bytes) +
                                 " bytes; the game reads at most " + std::to_string(maxBytes) + ")",
                             full);
    };
    if (size > maxBytes) throw tooLarge(size);

    // Read to the end, but never past the limit: a file that grows while it is read (or a file of the
    // kernel's, whose size says 0) is refused as soon as it passes the limit.
    constexpr std::int64_t chunk = 64 * 1024;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::min(size, maxBytes) + 1));
    for (;;) {
        const std::int64_t want =
            std::min<std::int64_t>(chunk, maxBytes + 1 - static_cast<std::int64_t>(bytes.size()));
        const std::size_t before = bytes.size();
        bytes.resize(before + static_cast<std::size_t>(want));
        int readError = 0;
        const std::int64_t got = file.read(bytes.data() + before, static_cast<std::size_t>(want), readError);
        if (got < 0)
            throw DataFileError(name, 0, "cannot read the file: " + systemErrorText(readError), full);
        bytes.resize(before + static_cast<std::size_t>(got));
        if (got == 0) break;
        if (static_cast<std::int64_t>(bytes.size()) > maxBytes)
            throw tooLarge(static_cast<std::int64_t>(bytes.size()));
    }
    return bytes;
}
