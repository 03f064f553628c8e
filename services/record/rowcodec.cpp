// SPDX-License-Identifier: MIT
#include "services/record/rowcodec.h"
#include <charconv>
#include <ctime>

namespace record {

std::int64_t dayOf(Time time) {
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&t, &local);
    // The local date read back as if it were UTC gives the day's number.
    local.tm_isdst = 0;
    const std::int64_t asUtc = static_cast<std::int64_t>(timegm(&local));
    return (asUtc >= 0 ? asUtc : asUtc - 86399) / 86400;
}

namespace {

constexpr char version[] = "r1";

// A separator of its own (tab between fields, comma between list items) never stands in a value.
std::string escaped(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case ',':
            out += "\\c";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 'c':
            out += ',';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos) return parts;
        from = at + 1;
    }
}

std::string list(const std::vector<std::string>& items) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + escaped(items[i]);
    return out;
}

std::string counts(const std::map<std::string, int>& map) {
    std::vector<std::string> items;
    for (const auto& [key, count] : map) {
        items.push_back(key);
        items.push_back(std::to_string(count));
    }
    return list(items);
}

// Writes fields one after another; every value is escaped.
struct Writer {
    std::string row = version;
    Writer& operator<<(const std::string& text) {
        row += '\t' + escaped(text);
        return *this;
    }
    Writer& operator<<(const char* text) { return *this << std::string(text); }
    Writer& operator<<(std::int64_t n) { return *this << std::to_string(n); }
    Writer& operator<<(int n) { return *this << std::to_string(n); }
    Writer& operator<<(bool b) { return *this << std::string(b ? "1" : "0"); }
};

Row encodeOne(const WordPlayed& e) {
    Writer w;
    w << "W" << e.player << e.time << e.gameStart << e.word << e.answer << e.spelling << e.firstOkRight
      << e.wrongOks << e.hints << e.seconds << list(e.missed);
    return w.row;
}
Row encodeOne(const PracticeAnswer& e) {
    Writer w;
    w << "P" << e.player << e.time << e.kana << e.right << e.seconds;
    return w.row;
}
Row encodeOne(const GamePlayed& e) {
    Writer w;
    w << "G" << e.player << e.start << e.end << e.score << e.saved << e.lost;
    return w.row;
}
Row encodeOne(const PlayerAdded& e) {
    Writer w;
    w << "A" << e.id << e.name;
    return w.row;
}
Row encodeOne(const PlayerRenamed& e) {
    Writer w;
    w << "N" << e.id << e.name;
    return w.row;
}
Row encodeOne(const PlayerRemoved& e) {
    Writer w;
    w << "X" << e.id;
    return w.row;
}
Row encodeOne(const DayTotals& e) {
    Writer w;
    w << "D" << e.player << e.day << e.words << e.firstOkRight << e.seconds << e.practiceAnswers
      << e.practiceRight << counts(e.missedKana) << counts(e.missedWords);
    return w.row;
}

// Reads the fields of a row in order; any field that is missing or not what it should be fails the row.
class Reader {
public:
    explicit Reader(std::vector<std::string> fields) : fields_(std::move(fields)) {}
    bool ok() const { return ok_ && next_ == fields_.size(); }
    std::string text() {
        if (next_ >= fields_.size()) ok_ = false;
        return ok_ ? fields_[next_++] : std::string();
    }
    template <class Int> Int number() {
        const std::string t = text();
        Int value{};
        const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
        if (t.empty() || error != std::errc() || end != t.data() + t.size()) ok_ = false;
        return value;
    }
    int count() {
        const int n = number<int>();
        if (n < 0) ok_ = false;
        return n;
    }
    bool flag() {
        const std::string t = text();
        if (t != "0" && t != "1") ok_ = false;
        return t == "1";
    }
    std::vector<std::string> items() {
        const std::string t = text();
        std::vector<std::string> out;
        if (t.empty()) return out;
        for (std::string_view part : split(t, ',')) {
            const std::optional<std::string> item = unescaped(part);
            if (!item) ok_ = false;
            out.push_back(item.value_or(std::string()));
        }
        return out;
    }
    std::map<std::string, int> countMap() {
        const std::vector<std::string> flat = items();
        std::map<std::string, int> out;
        if (flat.size() % 2) ok_ = false;
        for (std::size_t i = 0; i + 1 < flat.size(); i += 2) {
            int n = 0;
            const auto [end, error] =
                std::from_chars(flat[i + 1].data(), flat[i + 1].data() + flat[i + 1].size(), n);
            if (error != std::errc() || end != flat[i + 1].data() + flat[i + 1].size() || n < 0) ok_ = false;
            out[flat[i]] += n;
        }
        return out;
    }

private:
    std::vector<std::string> fields_;
    std::size_t next_ = 0;
    bool ok_ = true;
};

std::optional<Entry> decodeFields(const std::string& kind, Reader& r) {
    if (kind == "W") {
        WordPlayed e;
        e.player = r.number<PlayerId>();
        e.time = r.number<Time>();
        e.gameStart = r.number<Time>();
        e.word = r.text();
        e.answer = r.text();
        e.spelling = r.text();
        e.firstOkRight = r.flag();
        e.wrongOks = r.count();
        e.hints = r.count();
        e.seconds = r.count();
        e.missed = r.items();
        return e;
    }
    if (kind == "P") {
        PracticeAnswer e;
        e.player = r.number<PlayerId>();
        e.time = r.number<Time>();
        e.kana = r.text();
        e.right = r.flag();
        e.seconds = r.count();
        return e;
    }
    if (kind == "G") {
        GamePlayed e;
        e.player = r.number<PlayerId>();
        e.start = r.number<Time>();
        e.end = r.number<Time>();
        e.score = r.number<int>();
        e.saved = r.count();
        e.lost = r.count();
        return e;
    }
    if (kind == "A" || kind == "N") {
        const PlayerId id = r.number<PlayerId>();
        const std::string name = r.text();
        if (kind == "A") return PlayerAdded{id, name};
        return PlayerRenamed{id, name};
    }
    if (kind == "X") return PlayerRemoved{r.number<PlayerId>()};
    if (kind == "D") {
        DayTotals e;
        e.player = r.number<PlayerId>();
        e.day = r.number<std::int64_t>();
        e.words = r.count();
        e.firstOkRight = r.count();
        e.seconds = r.count();
        e.practiceAnswers = r.count();
        e.practiceRight = r.count();
        e.missedKana = r.countMap();
        e.missedWords = r.countMap();
        return e;
    }
    return std::nullopt;
}

} // namespace

Row encode(const Entry& entry) {
    return std::visit([](const auto& e) { return encodeOne(e); }, entry);
}

std::optional<Entry> decode(const Row& row) {
    const std::vector<std::string_view> parts = split(row, '\t');
    if (parts.size() < 2 || parts[0] != version) return std::nullopt;
    std::vector<std::string> fields;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        const std::optional<std::string> field = unescaped(parts[i]);
        if (!field) return std::nullopt;
        fields.push_back(*field);
    }
    Reader reader(std::move(fields));
    std::optional<Entry> entry = decodeFields(std::string(parts[1]), reader);
    if (!reader.ok()) return std::nullopt;
    return entry;
}

} // namespace record
