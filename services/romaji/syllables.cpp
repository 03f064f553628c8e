// SPDX-License-Identifier: MIT
#include "services/romaji/syllables.h"
#include "toolkit/text.h"
#include <optional>
#include <string>

namespace romaji {
namespace {

// Every syllable the game reads: kana, Hepburn, Kunrei, older Kunrei, one more spelling kept as written.
// clang-format off
constexpr Syllable syllables[] = {
    {"あ", "a", "a"}, {"い", "i", "i"}, {"う", "u", "u"}, {"え", "e", "e"}, {"お", "o", "o"},
    {"か", "ka", "ka"}, {"き", "ki", "ki"}, {"く", "ku", "ku"}, {"け", "ke", "ke"}, {"こ", "ko", "ko"},
    {"が", "ga", "ga"}, {"ぎ", "gi", "gi"}, {"ぐ", "gu", "gu"}, {"げ", "ge", "ge"}, {"ご", "go", "go"},
    {"さ", "sa", "sa"}, {"し", "shi", "si"}, {"す", "su", "su"}, {"せ", "se", "se"}, {"そ", "so", "so"},
    {"ざ", "za", "za"}, {"じ", "ji", "zi"}, {"ず", "zu", "zu"}, {"ぜ", "ze", "ze"}, {"ぞ", "zo", "zo"},
    {"た", "ta", "ta"}, {"ち", "chi", "ti"}, {"つ", "tsu", "tu"}, {"て", "te", "te"}, {"と", "to", "to"},
    {"だ", "da", "da"}, {"ぢ", "ji", "zi", "di"}, {"づ", "zu", "zu", "du"}, {"で", "de", "de"}, {"ど", "do", "do"},
    {"な", "na", "na"}, {"に", "ni", "ni"}, {"ぬ", "nu", "nu"}, {"ね", "ne", "ne"}, {"の", "no", "no"},
    {"は", "ha", "ha"}, {"ひ", "hi", "hi"}, {"ふ", "fu", "hu"}, {"へ", "he", "he"}, {"ほ", "ho", "ho"},
    {"ば", "ba", "ba"}, {"び", "bi", "bi"}, {"ぶ", "bu", "bu"}, {"べ", "be", "be"}, {"ぼ", "bo", "bo"},
    {"ぱ", "pa", "pa"}, {"ぴ", "pi", "pi"}, {"ぷ", "pu", "pu"}, {"ぺ", "pe", "pe"}, {"ぽ", "po", "po"},
    {"ま", "ma", "ma"}, {"み", "mi", "mi"}, {"む", "mu", "mu"}, {"め", "me", "me"}, {"も", "mo", "mo"},
    {"や", "ya", "ya"}, {"ゆ", "yu", "yu"}, {"よ", "yo", "yo"},
    {"ら", "ra", "ra"}, {"り", "ri", "ri"}, {"る", "ru", "ru"}, {"れ", "re", "re"}, {"ろ", "ro", "ro"},
    {"わ", "wa", "wa"}, {"を", "o", "o", "", "wo"}, {"ゐ", "i", "i", "", "wi"}, {"ゑ", "e", "e", "", "we"}, {"ゔ", "vu", "vu"},
    {"きゃ", "kya", "kya"}, {"きゅ", "kyu", "kyu"}, {"きょ", "kyo", "kyo"},
    {"ぎゃ", "gya", "gya"}, {"ぎゅ", "gyu", "gyu"}, {"ぎょ", "gyo", "gyo"},
    {"しゃ", "sha", "sya"}, {"しゅ", "shu", "syu"}, {"しょ", "sho", "syo"},
    {"じゃ", "ja", "zya"}, {"じゅ", "ju", "zyu"}, {"じょ", "jo", "zyo"},
    {"ちゃ", "cha", "tya"}, {"ちゅ", "chu", "tyu"}, {"ちょ", "cho", "tyo"},
    {"ぢゃ", "ja", "zya", "dya"}, {"ぢゅ", "ju", "zyu", "dyu"}, {"ぢょ", "jo", "zyo", "dyo"},
    {"にゃ", "nya", "nya"}, {"にゅ", "nyu", "nyu"}, {"にょ", "nyo", "nyo"},
    {"ひゃ", "hya", "hya"}, {"ひゅ", "hyu", "hyu"}, {"ひょ", "hyo", "hyo"},
    {"びゃ", "bya", "bya"}, {"びゅ", "byu", "byu"}, {"びょ", "byo", "byo"},
    {"ぴゃ", "pya", "pya"}, {"ぴゅ", "pyu", "pyu"}, {"ぴょ", "pyo", "pyo"},
    {"みゃ", "mya", "mya"}, {"みゅ", "myu", "myu"}, {"みょ", "myo", "myo"},
    {"りゃ", "rya", "rya"}, {"りゅ", "ryu", "ryu"}, {"りょ", "ryo", "ryo"},
    // Sounds of loanwords, written in katakana.
    {"しぇ", "she", "sye"}, {"じぇ", "je", "zye"}, {"ちぇ", "che", "tye"},
    {"てぃ", "ti", "ti"}, {"でぃ", "di", "di"}, {"とぅ", "tu", "tu"}, {"どぅ", "du", "du"},
    {"てゅ", "tyu", "tyu"}, {"でゅ", "dyu", "dyu"}, {"ふゅ", "fyu", "fyu"},
    {"ふぁ", "fa", "fa"}, {"ふぃ", "fi", "fi"}, {"ふぇ", "fe", "fe"}, {"ふぉ", "fo", "fo"},
    {"うぃ", "wi", "wi"}, {"うぇ", "we", "we"}, {"うぉ", "wo", "wo"}, {"いぇ", "ye", "ye"},
    {"ゔぁ", "va", "va"}, {"ゔぃ", "vi", "vi"}, {"ゔぇ", "ve", "ve"}, {"ゔぉ", "vo", "vo"},
    {"つぁ", "tsa", "tsa"}, {"つぃ", "tsi", "tsi"}, {"つぇ", "tse", "tse"}, {"つぉ", "tso", "tso"},
};
// clang-format on

// Every kana is three bytes of UTF-8.
constexpr std::size_t kanaBytes = 3;

// The word in hiragana (katakana moved onto it, ー kept); empty when a character is not kana.
std::string hiraganaOf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::optional<char32_t> c = toolkit::readCharacter(text, i);
        if (!c) return {};
        if (*c >= U'ァ' && *c <= U'ヶ') *c -= U'ァ' - U'ぁ';
        if ((*c < U'ぁ' || *c > U'ゖ') && *c != U'ー') return {};
        out += toolkit::utf8Of(*c);
    }
    return out;
}

const Syllable* syllableAt(std::string_view text) {
    for (const std::size_t length : {2 * kanaBytes, kanaBytes}) {
        if (text.size() < length) continue;
        for (const Syllable& s : syllables)
            if (s.kana == text.substr(0, length)) return &s;
    }
    return nullptr;
}

} // namespace

std::optional<std::vector<KanaPiece>> kanaPieces(std::string_view kana) {
    const std::string text = hiraganaOf(kana);
    if (text.empty()) return std::nullopt;
    std::vector<KanaPiece> pieces;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = std::string_view(text).substr(i);
        using Kind = KanaPiece::Kind;
        if (rest.starts_with("っ") || rest.starts_with("ー") || rest.starts_with("ん")) {
            pieces.push_back({rest.starts_with("っ")   ? Kind::smallTsu
                              : rest.starts_with("ー") ? Kind::longMark
                                                       : Kind::n});
            i += kanaBytes;
            continue;
        }
        const Syllable* syllable = syllableAt(rest);
        if (syllable == nullptr) return std::nullopt;
        pieces.push_back({Kind::syllable, syllable});
        i += syllable->kana.size();
    }
    return pieces;
}

} // namespace romaji
