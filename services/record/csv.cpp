// SPDX-License-Identifier: MIT
#include "services/record/csv.h"
#include <ctime>
#include <map>

namespace record {

namespace {

constexpr char bom[] = "\xEF\xBB\xBF";

std::string localTime(Time time) {
    if (time == 0) return {};
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? " " : "") + items[i];
    return out;
}

void addLine(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += (i ? "," : "") + csvField(fields[i]);
    out += "\r\n";
}

// The spelling as a teacher knows it; one the game does not know is written as it was kept.
std::string spellingCaption(const std::string& name) {
    static const std::map<std::string, std::string> captions{
        {"kunrei", "訓令式"}, {"hepburn-macron", "ヘボン式（ō）"}, {"hepburn-doubled", "ヘボン式（oo）"}};
    const auto found = captions.find(name);
    return found == captions.end() ? name : found->second;
}

// Words, answers and names are free text: one that a spreadsheet would take for a formula gets a leading
// apostrophe, so it is shown as written. Numbers are left as numbers.
std::string asText(const std::string& cell) {
    if (!cell.empty() && std::string("=+-@\t\r").find(cell[0]) != std::string::npos) return "'" + cell;
    return cell;
}

} // namespace

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char ch : text)
        out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return out + "\"";
}

std::string toCsv(const Record& record) {
    std::string out = bom;
    addLine(out, {"しゅるい", "プレイヤー", "はじめ", "おわり", "ことば", "こたえ", "書き方", "1回目で正解",
                  "まちがい", "ヒント", "秒", "まちがえた音", "とくてん", "たすけた", "おちた"});
    std::map<PlayerId, std::string> names;
    for (const Player& p : record.players())
        names[p.id] = p.name;
    // A game is written again after each word; its last row is how it ended.
    std::map<std::pair<PlayerId, Time>, GamePlayed> games;
    for (const Entry& entry : record.entries()) {
        if (const auto* w = std::get_if<WordPlayed>(&entry))
            addLine(out, {"ことば", asText(names[w->player]), localTime(w->time - w->seconds),
                          localTime(w->time), asText(w->word), asText(w->answer),
                          asText(spellingCaption(w->spelling)), w->firstOkRight ? "はい" : "いいえ",
                          std::to_string(w->wrongOks), std::to_string(w->hints), std::to_string(w->seconds),
                          asText(joined(w->missed)), "", "", ""});
        if (const auto* g = std::get_if<GamePlayed>(&entry)) games[{g->player, g->start}] = *g;
    }
    for (const auto& [key, g] : games)
        addLine(out,
                {"ゲーム", asText(names[g.player]), localTime(g.start), localTime(g.end), "", "", "", "", "",
                 "", "", "", std::to_string(g.score), std::to_string(g.saved), std::to_string(g.lost)});
    return out;
}

} // namespace record
