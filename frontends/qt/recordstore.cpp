// SPDX-License-Identifier: MIT
#include "frontends/qt/recordstore.h"
#include "frontends/qt/recordfile.h"
#include <cstdio>

namespace frontend {

SqliteRecordStore::SqliteRecordStore(std::string path) : thread_([this, path] { run(path); }) {}

SqliteRecordStore::~SqliteRecordStore() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void SqliteRecordStore::queue(Job job) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void SqliteRecordStore::load(std::function<void(record::Loaded)> done) {
    queue({Job::Kind::load, {}, std::move(done)});
}

void SqliteRecordStore::append(const record::Row& row) {
    queue({Job::Kind::append, {row}, {}});
}

void SqliteRecordStore::replaceAll(const std::vector<record::Row>& rows) {
    queue({Job::Kind::replace, rows, {}});
}

void SqliteRecordStore::run(const std::string& path) {
    RecordFile file(path);
    std::string told; // each problem goes to the standard error once
    const auto tell = [&told, &file] {
        if (file.problem().empty() || file.problem() == told) return;
        told = file.problem();
        std::fprintf(stderr, "pokuraku: the learning record: %s\n", told.c_str());
    };
    tell();
    bool setAsideTold = false;
    for (;;) {
        std::deque<Job> jobs;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty()) return;
            jobs.swap(jobs_);
        }
        while (!jobs.empty()) {
            Job job = std::move(jobs.front());
            jobs.pop_front();
            if (job.kind == Job::Kind::append) {
                // Rows that came in together are committed together.
                while (!jobs.empty() && jobs.front().kind == Job::Kind::append) {
                    job.rows.push_back(std::move(jobs.front().rows.front()));
                    jobs.pop_front();
                }
                if (file.kept()) file.append(job.rows);
            } else if (job.kind == Job::Kind::replace) {
                if (file.kept()) file.replaceAll(job.rows);
            } else {
                record::Loaded loaded = file.readAll();
                // The damaged file is named once, to the first reader.
                if (setAsideTold) loaded.setAsideAs.clear();
                setAsideTold = true;
                QMetaObject::invokeMethod(
                    &uiThread_, [done = std::move(job.done), loaded]() mutable { done(std::move(loaded)); },
                    Qt::QueuedConnection);
            }
            tell();
        }
    }
}

} // namespace frontend
