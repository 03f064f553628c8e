// SPDX-License-Identifier: MIT
#pragma once
// The few calls to the system that reading a data file safely needs and the standard library does not
// offer: opening without waiting (a FIFO would otherwise hold up the start with no window shown), asking
// what the opened entry is and how large it is, and reading it piece by piece.
#include <cstddef>
#include <cstdint>
#include <string>

enum class EntryKind { RegularFile, Folder, Fifo, CharacterDevice, BlockDevice, Socket, Other };

class PosixFile {
public:
    // Opens path for reading without blocking.
    explicit PosixFile(const std::string& path);
    ~PosixFile();
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    // 0 when the file is open, otherwise the system's error number of the failed open.
    int openError() const { return openError_; }
    // What the open entry is and its size in bytes; the system's error number, or 0 when told.
    int status(EntryKind& kind, std::int64_t& size) const;
    // Reads up to count bytes: the number read, 0 at the end of the file, -1 with error set.
    std::int64_t read(char* buffer, std::size_t count, int& error);

private:
    int fd_ = -1;
    int openError_ = 0;
};

// What the entry at path is, following links; false when that cannot be told.
bool entryKindAt(const std::string& path, EntryKind& kind);
// The system's words for an error number.
std::string systemErrorText(int error);
