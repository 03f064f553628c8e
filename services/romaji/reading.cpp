// SPDX-License-Identifier: MIT
#include "services/romaji/reading.h"
#include "services/romaji/syllables.h"

namespace romaji {
namespace {

// One way to write a piece of the word: the letters, their Hepburn spelling, the vowel a ^ stands for.
struct Way {
    std::string written;
    std::string hepburn;
    char longVowel = 0;
    Mark mark = Mark::either;
    Note note = Note::none;
};
using Ways = std::vector<Way>;

// The tiles hold 24 letters; a longer answer is not read, which keeps the reading's table small.
constexpr std::size_t longestAnswer = 256;

bool isVowel(char c) {
    return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o';
}

char finalVowel(std::string_view letters) {
    return !letters.empty() && isVowel(letters.back()) ? letters.back() : 0;
}

// A vowel kana right after a syllable lengthens its vowel when it is the same vowel, or い after e, or う
// after o: ああ, いい, うう, ええ, えい, おお, おう.
bool lengthens(char before, char vowel) {
    return before == vowel || (before == 'e' && vowel == 'i') || (before == 'o' && vowel == 'u');
}

Ways syllableWays(const Syllable& s) {
    const bool differ = s.hepburn != s.kunrei;
    Ways ways{{std::string(s.hepburn), std::string(s.hepburn), 0, differ ? Mark::hepburn : Mark::either}};
    if (differ) ways.push_back({std::string(s.kunrei), std::string(s.hepburn), 0, Mark::kunrei});
    if (!s.olderKunrei.empty())
        ways.push_back({std::string(s.olderKunrei), std::string(s.hepburn), 0, Mark::kunrei});
    if (!s.other.empty()) ways.push_back({std::string(s.other), std::string(s.other)});
    return ways;
}

// Letters after a small っ: the first consonant written twice (kk, ss, cch).
std::string doubled(const std::string& letters) {
    return letters.front() + letters;
}

// The ways after a small っ; none for a syllable that starts with a vowel. tch, the older Hepburn for っち,
// is read too and becomes cch.
Ways afterSmallTsu(const Ways& ways) {
    Ways out;
    for (const Way& way : ways) {
        if (isVowel(way.written.front())) continue;
        out.push_back({doubled(way.written), doubled(way.hepburn), 0, way.mark});
        if (way.written.starts_with("ch"))
            out.push_back({'t' + way.written, doubled(way.hepburn), 0, Mark::hepburn, Note::olderTch});
    }
    return out;
}

// ん is n; before a vowel or y also n' or nn, both n' in Hepburn; before b, m or p also m (older Hepburn,
// kept as written).
Ways nWays(const KanaPiece* next) {
    const char after = next != nullptr && next->syllable != nullptr ? next->syllable->hepburn.front() : 0;
    const bool apart = isVowel(after) || after == 'y';
    Ways ways{{"n", "n", 0, Mark::either, apart ? Note::nReadsOn : Note::none}};
    if (apart) {
        ways.push_back({"n'", "n'"});
        ways.push_back({"nn", "n'"});
    }
    if (after == 'b' || after == 'm' || after == 'p') ways.push_back({"m", "m", 0, Mark::hepburn});
    return ways;
}

// The ways to write each piece of the word in turn, a small っ joined to the syllable after it; none when the
// word cannot be spelt (っ before a vowel, ー after ん).
std::optional<std::vector<Ways>> waysOf(const std::vector<KanaPiece>& pieces) {
    std::vector<Ways> steps;
    char vowel = 0; // the vowel the word has reached
    bool afterTsu = false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const KanaPiece& piece = pieces[i];
        using Kind = KanaPiece::Kind;
        if (piece.kind != Kind::syllable && afterTsu) return std::nullopt;
        if (piece.kind == Kind::smallTsu) {
            afterTsu = true;
        } else if (piece.kind == Kind::longMark) {
            if (vowel == 0) return std::nullopt;
            steps.push_back({{"^", "^", vowel}, {std::string(1, vowel), std::string(1, vowel)}});
        } else if (piece.kind == Kind::n) {
            steps.push_back(nWays(i + 1 < pieces.size() ? &pieces[i + 1] : nullptr));
            vowel = 0;
        } else {
            Ways ways = syllableWays(*piece.syllable);
            const std::string_view letters = piece.syllable->hepburn;
            if (afterTsu) {
                ways = afterSmallTsu(ways);
                if (ways.empty()) return std::nullopt;
            } else if (letters.size() == 1 && vowel != 0 && lengthens(vowel, letters.front())) {
                // えい is ei in Hepburn however it is written; the other long vowels stay marked.
                const bool ei = vowel == 'e' && letters == "i";
                ways.push_back({"^", ei ? "i" : "^", letters.front()});
            }
            afterTsu = false;
            vowel = finalVowel(letters);
            steps.push_back(std::move(ways));
        }
    }
    if (afterTsu) return std::nullopt;
    return steps;
}

// Finds one way through the steps that spells the answer exactly, keeping the syllables on its way.
class Reader {
public:
    Reader(std::string answer, const std::vector<Ways>& steps)
        : answer_(std::move(answer)), steps_(steps), dead_((steps.size() + 1) * (answer_.size() + 1)) {}

    bool read(std::size_t step, std::size_t at) {
        if (step == steps_.size()) return at == answer_.size();
        const std::size_t here = step * (answer_.size() + 1) + at;
        if (dead_[here]) return false;
        for (const Way& way : steps_[step]) {
            if (!std::string_view(answer_).substr(at).starts_with(way.written)) continue;
            syllables.push_back({at, way.written.size(), way.hepburn, way.longVowel, way.mark, way.note});
            if (read(step + 1, at + way.written.size())) return true;
            syllables.pop_back();
        }
        dead_[here] = true;
        return false;
    }

    std::vector<WrittenSyllable> syllables;

private:
    std::string answer_;
    const std::vector<Ways>& steps_;
    std::vector<bool> dead_; // steps from which the rest of the answer cannot be read
};

std::optional<std::vector<WrittenSyllable>> readOneKana(std::string_view answer, std::string_view kana) {
    const std::optional<std::vector<KanaPiece>> pieces = kanaPieces(kana);
    if (!pieces) return std::nullopt;
    const std::optional<std::vector<Ways>> steps = waysOf(*pieces);
    // Every step takes at least one letter.
    if (!steps || steps->size() > answer.size()) return std::nullopt;
    std::string lower(answer);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    Reader reader(std::move(lower), *steps);
    if (!reader.read(0, 0)) return std::nullopt;
    return std::move(reader.syllables);
}

} // namespace

std::optional<std::vector<WrittenSyllable>> readAnswer(std::string_view answer, std::string_view kana) {
    if (answer.size() > longestAnswer) return std::nullopt;
    const std::size_t open = kana.find('(');
    if (open == std::string_view::npos || !kana.ends_with(')')) return readOneKana(answer, kana);
    if (auto first = readOneKana(answer, kana.substr(0, open))) return first;
    return readOneKana(answer, kana.substr(open + 1, kana.size() - open - 2));
}

} // namespace romaji
