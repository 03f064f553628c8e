// SPDX-License-Identifier: MIT
#include "services/record/summary.h"
#include <algorithm>

namespace record {

namespace {

struct Gathering {
    std::map<Time, GamePlayed> games; // by start: the last row written for a game is how it stands
    std::map<std::int64_t, DayPoint> days;
    std::map<std::pair<std::string, std::string>, int> missedWords;
    int seconds = 0;
};

void gather(Gathering& g, Summary& s, const WordPlayed& w) {
    ++s.words;
    DayPoint& day = g.days[dayOf(w.time)];
    ++day.words;
    day.firstOkRight += w.firstOkRight;
    g.seconds += w.seconds;
    for (const std::string& kana : w.missed)
        ++s.missedKana[kana];
    if (!w.firstOkRight) ++g.missedWords[{w.word, w.answer}];
}

void gather(Gathering& g, Summary& s, const DayTotals& t) {
    s.words += t.words;
    DayPoint& day = g.days[t.day];
    day.words += t.words;
    day.firstOkRight += t.firstOkRight;
    g.seconds += t.seconds;
    for (const auto& [kana, n] : t.missedKana)
        s.missedKana[kana] += n;
    for (const auto& [key, n] : t.missedWords) {
        const std::size_t tab = key.find('\t');
        g.missedWords[{key.substr(0, tab), tab == std::string::npos ? std::string() : key.substr(tab + 1)}] +=
            n;
    }
}

} // namespace

Summary summarise(const std::vector<Entry>& entries, PlayerId player) {
    Summary s;
    Gathering g;
    for (const Entry& entry : entries) {
        if (const auto* w = std::get_if<WordPlayed>(&entry); w && w->player == player) gather(g, s, *w);
        if (const auto* t = std::get_if<DayTotals>(&entry); t && t->player == player) gather(g, s, *t);
        if (const auto* p = std::get_if<PracticeAnswer>(&entry); p && p->player == player) {
            g.seconds += p->seconds;
            if (!p->right) ++s.missedKana[p->kana];
        }
        if (const auto* game = std::get_if<GamePlayed>(&entry); game && game->player == player)
            g.games[game->start] = *game;
    }
    for (const auto& [start, game] : g.games) {
        s.games.push_back({start, dayOf(start), game.score});
        s.bestScore = std::max(s.bestScore, game.score);
    }
    s.gameCount = static_cast<int>(s.games.size());
    for (const auto& [day, point] : g.days) {
        s.days.push_back(point);
        s.days.back().day = day;
    }
    s.minutes = g.seconds / 60;
    for (const auto& [key, n] : g.missedWords)
        s.mostMissed.push_back({key.first, key.second, n});
    // Most missed first; among as many misses, in the order of the words.
    std::stable_sort(s.mostMissed.begin(), s.mostMissed.end(),
                     [](const MissedWord& a, const MissedWord& b) { return a.misses > b.misses; });
    if (s.mostMissed.size() > mostMissedShown) s.mostMissed.resize(mostMissedShown);
    return s;
}

} // namespace record
