// SPDX-License-Identifier: MIT
#include "services/romaji/romaji.h"
#include "services/romaji/reading.h"

namespace romaji {
namespace {

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

char withCaseOf(char letter, bool upper) {
    return upper && letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

// A changed syllable's letters: the first takes the case of the first letter written, the rest the case of
// the last (Si → Shi, SI → SHI).
std::string recased(std::string_view letters, std::string_view written) {
    std::string out(letters);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = withCaseOf(out[i], isUpper(i == 0 ? written.front() : written.back()));
    return out;
}

std::string lowered(std::string_view letters) {
    std::string out(letters);
    for (char& c : out)
        if (isUpper(c)) c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace

std::optional<std::string> hepburn(std::string_view answer, std::string_view kana, LongVowels longVowels) {
    const std::optional<std::vector<WrittenSyllable>> syllables = readAnswer(answer, kana);
    if (!syllables) return std::nullopt;
    std::string out;
    for (const WrittenSyllable& s : *syllables) {
        const std::string_view written = answer.substr(s.begin, s.length);
        // A long vowel Hepburn writes out (えい ei) takes the case of the vowel before it, as a doubled one.
        if (s.longVowel != 0 && (longVowels == LongVowels::doubled || s.hepburn != "^"))
            out += withCaseOf(s.longVowel, !out.empty() && isUpper(out.back()));
        else if (lowered(written) == s.hepburn)
            out += written;
        else
            out += recased(s.hepburn, written);
    }
    return out;
}

std::string spell(std::string_view answer, std::string_view kana, Spelling spelling) {
    if (spelling == Spelling::kunrei) return std::string(answer);
    const LongVowels longVowels =
        spelling == Spelling::hepburnDoubled ? LongVowels::doubled : LongVowels::marked;
    return hepburn(answer, kana, longVowels).value_or(std::string(answer));
}

const char* nameOf(Spelling spelling) {
    switch (spelling) {
    case Spelling::hepburnMacron:
        return "hepburn-macron";
    case Spelling::hepburnDoubled:
        return "hepburn-doubled";
    case Spelling::kunrei:
        break;
    }
    return "kunrei";
}

Spelling spellingNamed(std::string_view name) {
    for (Spelling spelling : {Spelling::hepburnMacron, Spelling::hepburnDoubled})
        if (name == nameOf(spelling)) return spelling;
    return Spelling::kunrei;
}

std::string withMacrons(std::string_view text) {
    static constexpr std::string_view plain = "aiueoAIUEO";
    static constexpr const char* macron[] = {"ā", "ī", "ū", "ē", "ō", "Ā", "Ī", "Ū", "Ē", "Ō"};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t vowel = plain.find(text[i]);
        if (vowel != std::string_view::npos && i + 1 < text.size() && text[i + 1] == '^') {
            out += macron[vowel];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

Remarks remarksOn(std::string_view answer, std::string_view kana) {
    Remarks remarks;
    if (const auto syllables = readAnswer(answer, kana))
        for (const WrittenSyllable& s : *syllables) {
            remarks.olderTch = remarks.olderTch || s.note == Note::olderTch;
            // ん before を written wo reads right: only a vowel or y written next joins the n.
            const std::size_t next = s.begin + s.length;
            const char after = next < answer.size() ? lowered(answer.substr(next, 1)).front() : 0;
            remarks.nReadsOn =
                remarks.nReadsOn || (s.note == Note::nReadsOn &&
                                     std::string_view("aiueoy").find(after) != std::string_view::npos);
        }
    return remarks;
}

System systemOf(std::string_view answer, std::string_view kana) {
    const std::optional<std::vector<WrittenSyllable>> syllables = readAnswer(answer, kana);
    if (!syllables) return System::neither;
    bool kunrei = false;
    bool hepburn = false;
    for (const WrittenSyllable& s : *syllables) {
        kunrei = kunrei || s.mark == Mark::kunrei;
        hepburn = hepburn || s.mark == Mark::hepburn;
    }
    if (kunrei && hepburn) return System::mixed;
    if (kunrei) return System::kunrei;
    return hepburn ? System::hepburn : System::both;
}

} // namespace romaji
