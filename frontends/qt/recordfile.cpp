// SPDX-License-Identifier: MIT
#include "frontends/qt/recordfile.h"
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

namespace fs = std::filesystem;

namespace frontend {

namespace {

// A damaged file's new name beside it, never one already taken.
fs::path asideName(const fs::path& file) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = std::string("record-damaged-") + stamp;
    fs::path aside = file.parent_path() / (base + ".sqlite");
    for (int n = 2; fs::exists(aside); ++n)
        aside = file.parent_path() / (base + "-" + std::to_string(n) + ".sqlite");
    return aside;
}

bool damagedBy(int code) {
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

} // namespace

std::string recordFilePath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path folder;
    if (data && fs::path(data).is_absolute()) {
        folder = data;
    } else {
        const char* home = std::getenv("HOME");
        folder = fs::path(home ? home : ".") / ".local" / "share";
    }
    return (folder / "pokuraku" / "record.sqlite").string();
}

RecordFile::RecordFile(std::string path) : path_(std::move(path)) {
    std::error_code error;
    fs::create_directories(fs::path(path_).parent_path(), error);
    Opened opened = open();
    if (opened == Opened::damaged) {
        close();
        const fs::path aside = asideName(path_);
        fs::rename(path_, aside, error);
        if (error) {
            problem_ = path_ + " is damaged and cannot be renamed: " + error.message();
            return;
        }
        // What SQLite kept beside the damaged file belongs to it, not to the new one.
        for (const char* side : {"-wal", "-shm", "-journal"})
            fs::remove(path_ + side, error);
        setAsideAs_ = aside.string();
        opened = open();
    }
    if (opened != Opened::fine) close();
}

RecordFile::~RecordFile() {
    close();
}

void RecordFile::close() {
    sqlite3_close(db_);
    db_ = nullptr;
}

bool RecordFile::fail(const char* what) {
    problem_ = path_ + ": " + what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
    return false;
}

bool RecordFile::exec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK || fail(sql);
}

RecordFile::Opened RecordFile::open() {
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        fail("cannot open");
        return Opened::unusable;
    }
    sqlite3_extended_result_codes(db_, 0);
    // Another copy of the game may be writing the same file for a moment.
    sqlite3_busy_timeout(db_, 5000);
    const auto verdict = [this](bool done) {
        if (done) return Opened::fine;
        return damagedBy(sqlite3_errcode(db_)) ? Opened::damaged : Opened::unusable;
    };
    // Each commit reaches the disk before the next row is taken: a kill, or the power going, loses at
    // most the rows of that moment.
    for (const char* setup : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"})
        if (!exec(setup)) return verdict(false);
    sqlite3_stmt* check = nullptr;
    if (sqlite3_prepare_v2(db_, "PRAGMA quick_check", -1, &check, nullptr) != SQLITE_OK)
        return verdict(fail("quick check"));
    const int stepped = sqlite3_step(check);
    const unsigned char* said = stepped == SQLITE_ROW ? sqlite3_column_text(check, 0) : nullptr;
    const bool healthy = said && std::string(reinterpret_cast<const char*>(said)) == "ok";
    if (!healthy)
        problem_ = path_ + ": quick check: " + (said ? reinterpret_cast<const char*>(said) : "failed");
    sqlite3_finalize(check);
    if (!healthy)
        return stepped == SQLITE_ROW || damagedBy(sqlite3_errcode(db_)) ? Opened::damaged : Opened::unusable;
    if (!exec("CREATE TABLE IF NOT EXISTS rows (id INTEGER PRIMARY KEY AUTOINCREMENT, row TEXT NOT NULL)"))
        return verdict(false);
    // A table of that name made by something else is not the record.
    if (sqlite3_prepare_v2(db_, "SELECT id, row FROM rows LIMIT 0", -1, &check, nullptr) != SQLITE_OK) {
        fail("the table of rows is not the record's");
        return Opened::damaged;
    }
    sqlite3_finalize(check);
    return Opened::fine;
}

record::Loaded RecordFile::readAll() {
    record::Loaded loaded;
    loaded.setAsideAs = setAsideAs_;
    loaded.notKept = !kept();
    if (!kept()) return loaded;
    sqlite3_stmt* select = nullptr;
    if (sqlite3_prepare_v2(db_, "SELECT row FROM rows ORDER BY id", -1, &select, nullptr) != SQLITE_OK) {
        fail("cannot read the rows");
        return loaded;
    }
    int stepped;
    while ((stepped = sqlite3_step(select)) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(select, 0));
        loaded.rows.emplace_back(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(select, 0)));
    }
    if (stepped != SQLITE_DONE) fail("cannot read every row");
    sqlite3_finalize(select);
    return loaded;
}

bool RecordFile::write(const std::vector<record::Row>& rows, bool replacing) {
    if (!kept()) return false;
    if (!exec("BEGIN IMMEDIATE")) return false;
    bool done = !replacing || exec("DELETE FROM rows");
    sqlite3_stmt* insert = nullptr;
    if (done &&
        sqlite3_prepare_v2(db_, "INSERT INTO rows (row) VALUES (?)", -1, &insert, nullptr) != SQLITE_OK)
        done = fail("cannot add a row");
    for (std::size_t i = 0; done && i < rows.size(); ++i) {
        sqlite3_bind_text(insert, 1, rows[i].data(), static_cast<int>(rows[i].size()), SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE) done = fail("cannot add a row");
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    if (done) return exec("COMMIT");
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

bool RecordFile::append(const std::vector<record::Row>& rows) {
    return write(rows, false);
}

bool RecordFile::replaceAll(const std::vector<record::Row>& rows) {
    return write(rows, true);
}

} // namespace frontend
