// SPDX-License-Identifier: MIT
#include "services/data/kanachart.h"

namespace {

// Captions by label number. The numbers do not follow the chart's order: きゅ, きょ (36, 38) and
// しゃ to にゃ (46 to 54) sit among the plain kana's numbers, and the contracted kana start at 80.
// clang-format off
constexpr std::string_view captions[kanaChartSize] = {
    "あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ",                     // 0
    "さ", "し", "す", "せ", "そ", "た", "ち", "つ", "て", "と",                     // 10
    "な", "に", "ぬ", "ね", "の", "は", "ひ", "ふ", "へ", "ほ",                     // 20
    "ま", "み", "む", "め", "も", "や", "きゅ", "ゆ", "きょ", "よ",                 // 30
    "ら", "り", "る", "れ", "ろ", "わ", "しゃ", "しゅ", "しょ", "を",               // 40
    "ん", "ちゃ", "ちゅ", "ちょ", "にゃ", "が", "ぎ", "ぐ", "げ", "ご",             // 50
    "ざ", "じ", "ず", "ぜ", "ぞ", "だ", "ぢ", "づ", "で", "ど",                     // 60
    "ば", "び", "ぶ", "べ", "ぼ", "ぱ", "ぴ", "ぷ", "ぺ", "ぽ",                     // 70
    "きゃ", "にゅ", "にょ", "ひゃ", "ひゅ", "ひょ", "みゃ", "みゅ", "みょ", "りゃ", // 80
    "りゅ", "りょ", "ぎゃ", "ぎゅ", "ぎょ", "じゃ(ぢゃ)", "じゅ(ぢゅ)", "じょ(ぢょ)", "びゃ", "びゅ", // 90
    "びょ", "ぴゃ", "ぴゅ", "ぴょ",                                                 // 100
};
// clang-format on

} // namespace

std::string_view kanaChartCaption(int index) {
    if (index < 0 || index >= kanaChartSize) return {};
    return captions[index];
}
