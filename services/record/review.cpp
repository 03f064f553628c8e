// SPDX-License-Identifier: MIT
#include "services/record/review.h"
#include <numeric>

namespace record {

namespace {

void answered(std::map<std::string, int>& boxes, const std::string& key, bool right) {
    if (!right) {
        boxes[key] = rightsToLeave;
        return;
    }
    const auto found = boxes.find(key);
    if (found != boxes.end() && --found->second <= 0) boxes.erase(found);
}

} // namespace

Boxes reviewBoxes(const std::vector<Entry>& entries, PlayerId player) {
    Boxes b;
    for (const Entry& entry : entries) {
        if (const auto* w = std::get_if<WordPlayed>(&entry); w && w->player == player) {
            answered(b.words, w->word, w->firstOkRight);
            for (const std::string& kana : w->missed)
                answered(b.kana, kana, false);
        }
        if (const auto* p = std::get_if<PracticeAnswer>(&entry); p && p->player == player)
            answered(b.kana, p->kana, p->right);
    }
    return b;
}

int dealWeight(int box) {
    return box <= 0 ? 1 : 2 + box;
}

std::size_t weightedChoice(const std::vector<int>& weights, double r) {
    const long total = std::accumulate(weights.begin(), weights.end(), 0L);
    long point = static_cast<long>(r * static_cast<double>(total));
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (point < weights[i]) return i;
        point -= weights[i];
    }
    return weights.empty() ? 0 : weights.size() - 1;
}

} // namespace record
