// SPDX-License-Identifier: MIT
#pragma once
// The learning record on the desktop: the record's SQLite file (recordfile.h), opened, read and written on a
// thread of its own, so the game never waits on the disk. Rows to keep queue up for that thread, which
// commits what has come in at once; what is read comes back to the Qt UI thread by a queued call. Made on
// the UI thread; when it goes (the program's normal end), every row still queued is written first.
#include "services/record/store.h"
#include <QObject>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace frontend {

class SqliteRecordStore : public record::Store {
public:
    explicit SqliteRecordStore(std::string path);
    ~SqliteRecordStore() override;
    void load(std::function<void(record::Loaded)> done) override;
    void append(const record::Row& row) override;
    void replaceAll(const std::vector<record::Row>& rows) override;

private:
    struct Job {
        enum class Kind { load, append, replace } kind;
        std::vector<record::Row> rows;
        std::function<void(record::Loaded)> done;
    };
    void queue(Job job);
    void run(const std::string& path);
    QObject uiThread_; // the queued calls back to the UI thread go through it
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace frontend
