// SPDX-License-Identifier: MIT
#pragma once
// The learning record's file on the desktop: an SQLite database of one table of rows, each with a number
// that only grows, so the rows come back in the order they were kept. Plain C++ over SQLite's C interface
// and used from one thread at a time (the store's own, recordstore.h).
//
// The file is opened as the object is made. One that is not a database, or whose pages fail SQLite's quick
// check, is renamed aside (record-damaged-<date and time>.sqlite, in the same folder) and a new one made;
// a folder that cannot be written leaves the record unkept, and every write is then skipped.
#include "services/record/store.h"
#include <string>
#include <vector>

struct sqlite3;

namespace frontend {

class RecordFile {
public:
    explicit RecordFile(std::string path);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Every row kept, with what happened as the file was opened.
    record::Loaded readAll();
    // Each true when the rows are in the file (one transaction); false with the reason in problem().
    bool append(const std::vector<record::Row>& rows);
    bool replaceAll(const std::vector<record::Row>& rows);

    bool kept() const { return db_ != nullptr; }
    const std::string& setAsideAs() const { return setAsideAs_; }
    // What last went wrong, in English, naming the file: for the standard error.
    const std::string& problem() const { return problem_; }

private:
    enum class Opened { fine, damaged, unusable };
    Opened open();
    void close();
    bool exec(const char* sql);
    // The rows in one transaction, after every row before them is gone when replacing.
    bool write(const std::vector<record::Row>& rows, bool replacing);
    bool fail(const char* what);
    std::string path_;
    sqlite3* db_ = nullptr;
    std::string setAsideAs_;
    std::string problem_;
};

// Where the desktop keeps the record: $XDG_DATA_HOME/pokuraku/record.sqlite, or
// ~/.local/share/pokuraku/record.sqlite when XDG_DATA_HOME is unset or not an absolute path.
std::string recordFilePath();

} // namespace frontend
