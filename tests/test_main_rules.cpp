// SPDX-License-Identifier: MIT
// The main screen's rules on their own, with no window: the score's 16-bit bounds, the points of a right
// answer, the charges and their floor, the cliff's penalty, the bigger fanfare, the creatures' thresholds,
// the first hint's length, the grades at the end of a game, the track's four edges and its corners, the eat
// zone's strict bounds and the glide into a slot.
#include "screens/main/rules.h"
#include "screens/main/track.h"
#include <gtest/gtest.h>
#include <ostream>

using namespace mainscreen;

namespace mainscreen {
void PrintTo(const TwipPoint& p, std::ostream* out) {
    *out << "(" << p.left << ", " << p.top << ")";
}
} // namespace mainscreen

// From a score `before`: a right answer of `letters` letters, a charge (wrong answer or hint), a lost
// creature.
TEST(MainRules, score) {
    const struct {
        const char* name;
        int before, letters, charge, afterRight, afterCharge, afterEaten;
        bool hintTaken, bigFanfare;
    } rows[] = {
        {"no hint: 2 a letter; wrong at 12", 12, 5, wrongAnswerCharge, 22, 7, -18, false, true},
        {"a hint: 1 a letter; wrong at 5", 5, 5, wrongAnswerCharge, 10, 0, -25, true, false},
        {"wrong at 3 gives 0, not -2", 3, 7, wrongAnswerCharge, 17, 0, -27, false, true},
        {"the cliff's minus raised to 0", -20, 1, wrongAnswerCharge, -18, 0, -50, false, false},
        {"a negative multiple of 3", -3, 2, firstHintCharge, -1, 0, -33, true, true},
        {"first hint at 50", 50, 24, firstHintCharge, 74, 48, 20, true, false},
        {"first hint at 1", 1, 24, firstHintCharge, 49, 0, -29, false, false},
        {"last hint at 48", 48, 0, lastHintCharge, 48, 38, 18, true, true},
        {"last hint at 7", 7, 1, lastHintCharge, 8, 0, -23, true, false},
        {"stops at 32767", 32760, 24, lastHintCharge, 32767, 32750, 32730, false, true},
        {"one short of the top", 32766, 1, firstHintCharge, 32767, 32764, 32736, false, true},
        {"stops at -32768", -32768, 0, wrongAnswerCharge, -32768, 0, -32768, false, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_EQ(boundedScore(r.before + pointsForRightAnswer(r.letters, r.hintTaken)), r.afterRight);
        ASSERT_EQ(boundedScore(scoreAfterCharge(r.before, r.charge)), r.afterCharge);
        ASSERT_EQ(boundedScore(r.before - eatPenalty), r.afterEaten);
        ASSERT_EQ(earnsBigFanfare(r.before), r.bigFanfare);
    }
}

TEST(MainRules, creatureThresholds) {
    const struct {
        int score, threshold;
        bool comesOut, goesBack;
    } rows[] = {
        // One below each threshold, at it (kept as it is), one above.
        {19, 20, false, true},    {20, 20, false, false},  {21, 20, true, false}, {759, 760, false, true},
        {760, 760, false, false}, {761, 760, true, false}, {-8, 20, false, true}, // a negative score
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "score " << r.score << ", threshold " << r.threshold);
        ASSERT_EQ(creatureComesOut(r.score, r.threshold), r.comesOut);
        ASSERT_EQ(creatureGoesBack(r.score, r.threshold), r.goesBack);
    }
}

// The draw r in [0, 1) gives floor(r * n) letters, at least one.
TEST(MainRules, firstHintLength) {
    const struct {
        int letters;
        double r;
        int length;
    } rows[] = {{1, 0.0, 1},  {1, 0.999, 1}, {2, 0.0, 1},  {2, 0.5, 1},  {2, 0.999, 1},
                {5, 0.0, 1},  {5, 0.19, 1},  {5, 0.21, 1}, {5, 0.45, 2}, {5, 0.65, 3},
                {5, 0.85, 4}, {5, 0.999, 4}, {0, 0.5, 1}};
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "n = " << r.letters << ", r = " << r.r);
        ASSERT_EQ(mainscreen::firstHintLength(r.r, r.letters), r.length);
    }
}

TEST(MainRules, resultGrades) {
    const std::string top = "さすがじゃ！", good = "そこそこだなぁ！", fair = "まだまだ！",
                      poor = "特訓がいるぞ！";
    const std::pair<int, std::string> rows[] = {{32767, top}, {601, top},  {600, good},
                                                {451, good},  {450, fair}, {200, fair},
                                                {199, poor},  {0, poor},   {-150, poor}};
    for (const auto& [score, result] : rows) {
        SCOPED_TRACE(score);
        ASSERT_EQ(resultForScore(score), result);
    }
}

// Speed 5 throughout: a score of 30 makes a step of 20 twips.
TEST(MainRules, trackEdges) {
    const struct {
        const char* name;
        TwipPoint from;
        int score;
        TwipPoint to;
    } rows[] = {
        {"start: top edge, right", startPlace, 30, {120, 100}},
        {"odd score: half twips", startPlace, 31, {120.5, 100}},
        {"top edge just in sight", {3000, -999.5}, 30, {3020, -999.5}},
        {"top edge out of sight", {3000, -1000}, 30, {3000, -1000}},
        {"just below the top edge", {3000, 100.5}, 30, {3000, 100.5}},
        {"top right corner", {5530, 100}, 30, {5550, 120}},
        {"right edge exactly", {5540, 500}, 30, {5540, 520}},
        {"just left of the right edge", {5539.5, 500}, 30, {5539.5, 500}},
        {"bottom right corner", {5540, 1090}, 30, {5520, 1110}},
        {"bottom edge exactly", {3000, 1100}, 30, {2980, 1100}},
        {"just above the bottom edge", {3000, 1099.5}, 30, {3000, 1099.5}},
        {"bottom left corner", {110, 1100}, 30, {90, 1080}},
        {"left edge exactly", {100, 1050}, 30, {100, 1030}},
        {"left edge just in sight", {-999.5, 500}, 30, {-999.5, 480}},
        {"left edge out of sight", {-1000, 500}, 30, {-1000, 500}},
        {"top left corner", {60, 100}, 30, {80, 80}},
        {"overshoot past the left edge", {150, 1100}, 2380, {-1045, 1100}},
        {"off every edge", {3000, 500}, 30, {3000, 500}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_EQ(alongTrack(r.from, trackStep(r.score, 5)), r.to);
    }
}

TEST(MainRules, eatZone) {
    const struct {
        const char* name;
        TwipPoint place;
        bool eaten;
    } rows[] = {
        {"top bound", {400, 600}, false},
        {"just below the top bound", {400, 600.5}, true},
        {"bottom bound", {400, 1000}, false},
        {"just above the bottom bound", {400, 999.5}, true},
        {"left bound", {-300, 800}, false},
        {"just right of the left bound", {-299.5, 800}, true},
        {"right bound", {800, 800}, false},
        {"just left of the right bound", {799.5, 800}, true},
        {"inside the top left corner", {-299.5, 600.5}, true},
        {"the start", startPlace, false},
        {"parked", parkedPlace, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_EQ(inEatZone(r.place), r.eaten);
    }
}

// Step k takes k tenths of the way still left to the slot (slot 3 stands at 1560, 4200).
TEST(MainRules, glide) {
    const struct {
        const char* name;
        TwipPoint from;
        std::int16_t slot, step;
        TwipPoint to;
    } rows[] = {
        {"step 1: a tenth", {1000, 100}, 3, 1, {1056, 510}},
        {"step 5: half", {2000, 3000}, 3, 5, {1780, 3600}},
        {"step 9: nine tenths", {1500, 4100}, 3, 9, {1554, 4190}},
        {"slot 0, from the start", startPlace, 0, 5, {110, 2150}},
        {"slot 11, from above it", {5400, 200}, 11, 2, {5400, 1000}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_EQ(glideStep(r.from, slotPlace(r.slot), r.step), r.to);
    }
}

// The Down arrow's choice: the creature furthest along the track, over every edge and corner (a big step
// past the bottom left corner included); only those that can be saved count, the first of two equally far.
TEST(MainRules, nearestToTheCliff) {
    const TwipPoint inTrackOrder[] = {startPlace,  {5530, 100},  {5540, 120}, {5540, 1090}, {5520, 1100},
                                      {150, 1100}, {-200, 1100}, {100, 1080}, {100, 990}};
    std::array<TwipPoint, creatureCount> places{};
    std::array<bool, creatureCount> saveable{};
    ASSERT_EQ(nearestToCliff(places, saveable), std::nullopt);
    for (std::int16_t k = 0; k < 9; ++k) {
        places[8 - k] = inTrackOrder[k];
        saveable[8 - k] = true;
        ASSERT_EQ(nearestToCliff(places, saveable), std::optional<std::int16_t>(8 - k)) << k;
    }
    saveable[0] = false;
    places[4] = places[1];
    ASSERT_EQ(nearestToCliff(places, saveable), std::optional<std::int16_t>(1));
    ASSERT_TRUE(inField({-539, 4904}, 6135, 4905) && inField({6134, -539}, 6135, 4905));
    ASSERT_TRUE(!inField({-540, 500}, 6135, 4905) && !inField({6135, 500}, 6135, 4905));
}
