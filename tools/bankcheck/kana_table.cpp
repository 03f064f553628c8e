// SPDX-License-Identifier: MIT
#include "kana_table.h"

#include <QHash>
#include <QString>

namespace bankcheck {
namespace {

struct Entry {
    const char* kana;
    const char* romaji; // spellings separated by spaces, Hepburn first
};

// clang-format off
constexpr Entry kTable[] = {
    {"あ", "a"}, {"い", "i"}, {"う", "u"}, {"え", "e"}, {"お", "o"},
    {"か", "ka"}, {"き", "ki"}, {"く", "ku"}, {"け", "ke"}, {"こ", "ko"},
    {"が", "ga"}, {"ぎ", "gi"}, {"ぐ", "gu"}, {"げ", "ge"}, {"ご", "go"},
    {"さ", "sa"}, {"し", "shi si"}, {"す", "su"}, {"せ", "se"}, {"そ", "so"},
    {"ざ", "za"}, {"じ", "ji zi"}, {"ず", "zu"}, {"ぜ", "ze"}, {"ぞ", "zo"},
    {"た", "ta"}, {"ち", "chi ti"}, {"つ", "tsu tu"}, {"て", "te"}, {"と", "to"},
    {"だ", "da"}, {"ぢ", "ji zi di"}, {"づ", "zu du"}, {"で", "de"}, {"ど", "do"},
    {"な", "na"}, {"に", "ni"}, {"ぬ", "nu"}, {"ね", "ne"}, {"の", "no"},
    {"は", "ha"}, {"ひ", "hi"}, {"ふ", "fu hu"}, {"へ", "he"}, {"ほ", "ho"},
    {"ば", "ba"}, {"び", "bi"}, {"ぶ", "bu"}, {"べ", "be"}, {"ぼ", "bo"},
    {"ぱ", "pa"}, {"ぴ", "pi"}, {"ぷ", "pu"}, {"ぺ", "pe"}, {"ぽ", "po"},
    {"ま", "ma"}, {"み", "mi"}, {"む", "mu"}, {"め", "me"}, {"も", "mo"},
    {"や", "ya"}, {"ゆ", "yu"}, {"よ", "yo"},
    {"ら", "ra"}, {"り", "ri"}, {"る", "ru"}, {"れ", "re"}, {"ろ", "ro"},
    {"わ", "wa"}, {"ゐ", "i wi"}, {"ゑ", "e we"}, {"を", "wo o"}, {"ん", "n"}, {"ゔ", "vu"},
    {"きゃ", "kya"}, {"きゅ", "kyu"}, {"きょ", "kyo"},
    {"ぎゃ", "gya"}, {"ぎゅ", "gyu"}, {"ぎょ", "gyo"},
    {"しゃ", "sha sya"}, {"しゅ", "shu syu"}, {"しょ", "sho syo"},
    {"じゃ", "ja zya"}, {"じゅ", "ju zyu"}, {"じょ", "jo zyo"},
    {"ちゃ", "cha tya"}, {"ちゅ", "chu tyu"}, {"ちょ", "cho tyo"},
    {"ぢゃ", "ja zya dya"}, {"ぢゅ", "ju zyu dyu"}, {"ぢょ", "jo zyo dyo"},
    {"にゃ", "nya"}, {"にゅ", "nyu"}, {"にょ", "nyo"},
    {"ひゃ", "hya"}, {"ひゅ", "hyu"}, {"ひょ", "hyo"},
    {"びゃ", "bya"}, {"びゅ", "byu"}, {"びょ", "byo"},
    {"ぴゃ", "pya"}, {"ぴゅ", "pyu"}, {"ぴょ", "pyo"},
    {"みゃ", "mya"}, {"みゅ", "myu"}, {"みょ", "myo"},
    {"りゃ", "rya"}, {"りゅ", "ryu"}, {"りょ", "ryo"},
    // Sounds of loanwords written in katakana.
    {"しぇ", "she sye"}, {"じぇ", "je zye"}, {"ちぇ", "che tye"},
    {"てぃ", "ti"}, {"でぃ", "di"}, {"とぅ", "tu"}, {"どぅ", "du"}, {"でゅ", "dyu"},
    {"ふぁ", "fa"}, {"ふぃ", "fi"}, {"ふぇ", "fe"}, {"ふぉ", "fo"},
    {"うぃ", "wi"}, {"うぇ", "we"}, {"うぉ", "wo"}, {"いぇ", "ye"},
    {"ゔぁ", "va"}, {"ゔぃ", "vi"}, {"ゔぇ", "ve"}, {"ゔぉ", "vo"},
    {"つぁ", "tsa"}, {"つぃ", "tsi"}, {"つぇ", "tse"}, {"つぉ", "tso"},
};
// clang-format on

const QHash<QString, QStringList>& table() {
    static const QHash<QString, QStringList> hash = [] {
        QHash<QString, QStringList> h;
        for (const Entry& e : kTable)
            h.insert(QString::fromUtf8(e.kana), QString::fromUtf8(e.romaji).split(u' '));
        return h;
    }();
    return hash;
}

} // namespace

QStringList moraSpellings(QStringView text, int* length) {
    for (int n = 2; n >= 1; --n) {
        if (text.size() < n) continue;
        const auto it = table().constFind(text.first(n).toString());
        if (it != table().constEnd()) {
            *length = n;
            return *it;
        }
    }
    *length = 0;
    return {};
}

bool isJoiningSmallKana(QChar kana) {
    return QStringView(u"ぁぃぅぇぉゃゅょゎ").contains(kana);
}

} // namespace bankcheck
