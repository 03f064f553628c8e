// SPDX-License-Identifier: MIT
#pragma once
// Where the learning record is kept on the device: an embedded database (SQLite on the desktop, IndexedDB in
// the page). The game decides what goes in and how it is read back; a store keeps rows of text in the order
// they came, hands them all back as the game starts, and swaps them all for others when the game folds old
// answers into daily totals, removes a player or clears the record.
//
// Every call returns at once: the store works off the UI thread (a thread of its own on the desktop, the
// browser's own asynchronous database in the page) and calls back on the UI thread.
#include <functional>
#include <string>
#include <vector>

namespace record {

// One entry of the record, as the game writes it (one line of text, no line breaks).
using Row = std::string;

// What a store found as the game started.
struct Loaded {
    std::vector<Row> rows; // in the order they were appended
    // Not empty when the store could not be read: it was set aside under this name (for the message) and a
    // new, empty one started in its place.
    std::string setAsideAs;
    // True when nothing can be kept on this device (no storage, blocked by a policy, a private window): the
    // record lasts as long as the program runs.
    bool notKept = false;
};

class Store {
public:
    virtual ~Store() = default;
    // Reads everything kept; done runs once, on the UI thread.
    virtual void load(std::function<void(Loaded)> done) = 0;
    // Keeps one row. It is on the device within a moment: killing the program loses at most what came in
    // that moment.
    virtual void append(const Row& row) = 0;
    // Replaces every row by these, all at once (a kill leaves either the old rows or the new ones).
    virtual void replaceAll(const std::vector<Row>& rows) = 0;
};

// A store that keeps nothing beyond the program's run: for tests, and for a front end with no storage.
class MemoryStore : public Store {
public:
    void load(std::function<void(Loaded)> done) override { done(Loaded{rows, {}, false}); }
    void append(const Row& row) override { rows.push_back(row); }
    void replaceAll(const std::vector<Row>& replacement) override { rows = replacement; }
    std::vector<Row> rows;
};

} // namespace record
