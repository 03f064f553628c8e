// SPDX-License-Identifier: MIT
#include "screens/record/record_rules.h"
#include <algorithm>
#include <string_view>

namespace recordscreen {

std::array<int, kanaChartSize> kanaHeat(const std::map<std::string, int>& missedKana) {
    std::array<int, kanaChartSize> heat{};
    for (int label = 0; label < kanaChartSize; ++label) {
        const std::string_view caption = kanaChartCaption(label);
        const std::size_t open = caption.find('(');
        auto count = [&missedKana](std::string_view kana) {
            const auto found = missedKana.find(std::string(kana));
            return found == missedKana.end() ? 0 : found->second;
        };
        if (open == std::string_view::npos) {
            heat[label] = count(caption);
        } else {
            const std::string_view other = caption.substr(open + 1, caption.size() - open - 2);
            heat[label] = count(caption.substr(0, open)) + count(other);
        }
    }
    return heat;
}

namespace {

// The plain kana row by row (an empty place stays blank), then the contracted ones.
constexpr std::string_view plainRows[heatRows][5] = {
    {"あ", "い", "う", "え", "お"}, {"か", "き", "く", "け", "こ"}, {"さ", "し", "す", "せ", "そ"},
    {"た", "ち", "つ", "て", "と"}, {"な", "に", "ぬ", "ね", "の"}, {"は", "ひ", "ふ", "へ", "ほ"},
    {"ま", "み", "む", "め", "も"}, {"や", "", "ゆ", "", "よ"},     {"ら", "り", "る", "れ", "ろ"},
    {"わ", "", "を", "", "ん"},     {"が", "ぎ", "ぐ", "げ", "ご"}, {"ざ", "じ", "ず", "ぜ", "ぞ"},
    {"だ", "ぢ", "づ", "で", "ど"}, {"ば", "び", "ぶ", "べ", "ぼ"}, {"ぱ", "ぴ", "ぷ", "ぺ", "ぽ"},
};
constexpr std::string_view contractedRows[11] = {"き", "し", "ち", "に", "ひ", "み",
                                                 "り", "ぎ", "じ", "び", "ぴ"};
constexpr std::string_view smallKana[3] = {"ゃ", "ゅ", "ょ"};

} // namespace

Cell heatCell(int label) {
    const std::string_view caption = kanaChartCaption(label);
    for (int row = 0; row < heatRows; ++row)
        for (int column = 0; column < 5; ++column)
            if (plainRows[row][column] == caption) return {column, row};
    for (int row = 0; row < 11; ++row)
        for (int column = 0; column < 3; ++column) {
            const std::string kana = std::string(contractedRows[row]) + std::string(smallKana[column]);
            if (caption.substr(0, kana.size()) == kana) return {6 + column, row};
        }
    return {};
}

toolkit::Colour heatColour(int misses, int most) {
    if (misses <= 0 || most <= 0) return {255, 255, 255};
    // From a pale rose for one miss to a deep red for the most, in even steps.
    const double share = 0.2 + 0.8 * std::min(1.0, double(misses) / most);
    auto mix = [share](int pale, int deep) {
        return static_cast<std::uint8_t>(pale + (deep - pale) * share + 0.5);
    };
    return {mix(255, 190), mix(235, 20), mix(235, 30)};
}

double dayPlace(std::int64_t day, std::int64_t first, std::int64_t last) {
    if (last <= first) return 0.5;
    return double(day - first) / double(last - first);
}

} // namespace recordscreen
