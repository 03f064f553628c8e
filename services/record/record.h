// SPDX-License-Identifier: MIT
#pragma once
// The learning record in memory: read once from the store as the game starts, added to as the game goes
// (each entry handed to the store at once, never waited for), kept bounded by folding the oldest answers
// into daily totals. Who plays is one of its players; a first player is there without being added.
#include "services/record/entries.h"
#include "services/record/store.h"
#include <functional>
#include <string>
#include <vector>

namespace record {

struct Player {
    PlayerId id = 0;
    std::string name;
};

// The player every record starts with.
inline constexpr PlayerId firstPlayer = 1;
inline constexpr char firstPlayerName[] = "プレイヤー";

// Past this many answers (words and practice prompts) the oldest days are folded into daily totals.
inline constexpr std::size_t answerLimit = 100000;

class Record {
public:
    // No store: the record lasts as long as the program.
    explicit Record(Store* store, std::size_t limit = answerLimit) : store_(store), limit_(limit) {}

    // Reads the store, the first time only (a new game keeps the record it has); done runs when it has
    // answered (at once without a store). Entries added meanwhile are kept and reach the store after what
    // it held.
    void load(std::function<void(const Loaded&)> done);
    bool isLoaded() const { return loaded_; }
    // Rows the store held that were not entries of this game (damaged), left out.
    int skippedRows() const { return skipped_; }

    void add(const Entry& entry);
    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t answerCount() const;

    std::vector<Player> players() const;
    std::string nameOf(PlayerId id) const;
    PlayerId addPlayer(const std::string& name);
    void renamePlayer(PlayerId id, const std::string& name);
    // Removes the player and everything recorded for them.
    void removePlayer(PlayerId id);
    // Forgets everything recorded for the player, who stays.
    void clearPlayer(PlayerId id);

    // Folds the oldest days into daily totals while there are more answers than the limit.
    void compact();

private:
    void replaceAll();
    Store* store_;
    std::size_t limit_;
    bool loaded_ = false;
    bool loading_ = false;
    int skipped_ = 0;
    std::vector<Entry> entries_;
    std::vector<Row> pending_; // added before the store answered
};

} // namespace record
