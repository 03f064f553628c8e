// SPDX-License-Identifier: MIT
#include "services/record/record.h"
#include "services/record/rowcodec.h"
#include <algorithm>
#include <set>

namespace record {

namespace {

PlayerId playerOf(const Entry& entry) {
    return std::visit(
        [](const auto& e) -> PlayerId {
            if constexpr (requires { e.player; })
                return e.player;
            else
                return e.id;
        },
        entry);
}

bool isAnswer(const Entry& entry) {
    return std::holds_alternative<WordPlayed>(entry) || std::holds_alternative<PracticeAnswer>(entry);
}

Time timeOf(const Entry& entry) {
    if (const auto* w = std::get_if<WordPlayed>(&entry)) return w->time;
    if (const auto* p = std::get_if<PracticeAnswer>(&entry)) return p->time;
    return 0;
}

// A game is written again after each word, catch and loss; only its last row tells how it stands. Keeps
// that one of each game and says how many it left out.
std::size_t dropSupersededGames(std::vector<Entry>& entries) {
    std::set<std::pair<PlayerId, Time>> seen;
    std::vector<Entry> kept;
    for (auto e = entries.rbegin(); e != entries.rend(); ++e) {
        const auto* game = std::get_if<GamePlayed>(&*e);
        if (!game || seen.insert({game->player, game->start}).second) kept.push_back(std::move(*e));
    }
    const std::size_t dropped = entries.size() - kept.size();
    entries.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
    return dropped;
}

void fold(DayTotals& totals, const Entry& entry) {
    if (const auto* w = std::get_if<WordPlayed>(&entry)) {
        ++totals.words;
        totals.firstOkRight += w->firstOkRight;
        totals.seconds += w->seconds;
        for (const std::string& kana : w->missed)
            ++totals.missedKana[kana];
        if (!w->firstOkRight) ++totals.missedWords[w->word + '\t' + w->answer];
    } else if (const auto* p = std::get_if<PracticeAnswer>(&entry)) {
        ++totals.practiceAnswers;
        totals.practiceRight += p->right;
        totals.seconds += p->seconds;
        if (!p->right) ++totals.missedKana[p->kana];
    }
}

} // namespace

void Record::load(std::function<void(const Loaded&)> done) {
    if (loading_) return;
    loading_ = true;
    auto finish = [this, done](const Loaded& loaded) {
        std::vector<Entry> kept;
        for (const Row& row : loaded.rows) {
            if (std::optional<Entry> entry = decode(row))
                kept.push_back(std::move(*entry));
            else
                ++skipped_;
        }
        kept.insert(kept.end(), entries_.begin(), entries_.end());
        entries_ = std::move(kept);
        loaded_ = true;
        if (store_)
            for (const Row& row : pending_)
                store_->append(row);
        pending_.clear();
        compact();
        if (done) done(loaded);
    };
    if (store_)
        store_->load(finish);
    else
        finish(Loaded{});
}

void Record::add(const Entry& entry) {
    entries_.push_back(entry);
    if (!store_) return;
    if (loaded_)
        store_->append(encode(entry));
    else
        pending_.push_back(encode(entry));
}

std::size_t Record::answerCount() const {
    return static_cast<std::size_t>(std::count_if(entries_.begin(), entries_.end(), isAnswer));
}

std::vector<Player> Record::players() const {
    std::vector<Player> out{{firstPlayer, firstPlayerName}};
    for (const Entry& entry : entries_) {
        if (const auto* a = std::get_if<PlayerAdded>(&entry)) out.push_back({a->id, a->name});
        if (const auto* n = std::get_if<PlayerRenamed>(&entry))
            for (Player& p : out)
                if (p.id == n->id) p.name = n->name;
        if (const auto* x = std::get_if<PlayerRemoved>(&entry))
            out.erase(std::remove_if(out.begin(), out.end(), [x](const Player& p) { return p.id == x->id; }),
                      out.end());
    }
    return out;
}

std::string Record::nameOf(PlayerId id) const {
    for (const Player& p : players())
        if (p.id == id) return p.name;
    return {};
}

PlayerId Record::addPlayer(const std::string& name) {
    PlayerId top = firstPlayer;
    for (const Entry& entry : entries_)
        top = std::max(top, playerOf(entry));
    add(PlayerAdded{top + 1, name});
    return top + 1;
}

void Record::renamePlayer(PlayerId id, const std::string& name) {
    add(PlayerRenamed{id, name});
}

void Record::removePlayer(PlayerId id) {
    std::erase_if(entries_, [id](const Entry& e) { return playerOf(e) == id; });
    // The first player needs no row to exist, so it needs one to be gone.
    if (id == firstPlayer) entries_.push_back(PlayerRemoved{id});
    replaceAll();
}

void Record::clearPlayer(PlayerId id) {
    std::erase_if(entries_, [id](const Entry& e) {
        return playerOf(e) == id && !std::holds_alternative<PlayerAdded>(e) &&
               !std::holds_alternative<PlayerRenamed>(e);
    });
    replaceAll();
}

void Record::compact() {
    std::size_t answers = answerCount();
    if (answers <= limit_) {
        // The rows of games played over and over outgrow the answers themselves long before the limit.
        if (std::count_if(entries_.begin(), entries_.end(),
                          [](const Entry& e) { return std::holds_alternative<GamePlayed>(e); }) >
                static_cast<std::ptrdiff_t>(limit_ / 10) &&
            dropSupersededGames(entries_) > 0)
            replaceAll();
        return;
    }
    dropSupersededGames(entries_);
    // Fold whole days, oldest first, until a tenth of the room is free again.
    const std::size_t target = limit_ - limit_ / 10;
    std::set<std::int64_t> days;
    for (const Entry& e : entries_)
        if (isAnswer(e)) days.insert(dayOf(timeOf(e)));
    std::set<std::int64_t> folded;
    for (std::int64_t day : days) {
        if (answers <= target) break;
        folded.insert(day);
        for (const Entry& e : entries_)
            if (isAnswer(e) && dayOf(timeOf(e)) == day) --answers;
    }
    std::map<std::pair<PlayerId, std::int64_t>, DayTotals> totals;
    std::vector<Entry> kept;
    for (const Entry& e : entries_) {
        const std::int64_t day = isAnswer(e) ? dayOf(timeOf(e)) : 0;
        if (!isAnswer(e) || !folded.count(day)) {
            kept.push_back(e);
            continue;
        }
        DayTotals& t = totals[{playerOf(e), day}];
        t.player = playerOf(e);
        t.day = day;
        fold(t, e);
    }
    for (auto& [key, t] : totals)
        kept.push_back(std::move(t));
    entries_ = std::move(kept);
    replaceAll();
}

void Record::replaceAll() {
    if (!store_ || !loaded_) return;
    std::vector<Row> rows;
    rows.reserve(entries_.size());
    for (const Entry& e : entries_)
        rows.push_back(encode(e));
    store_->replaceAll(rows);
}

} // namespace record
