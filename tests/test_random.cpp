// SPDX-License-Identifier: MIT
// The one random generator: values in [0, 1), and re-seeding from a clock that has not moved still gives
// fresh draws, so the letters of one deal are drawn independently.
#include "services/random/random.h"
#include <gtest/gtest.h>
#include <set>

TEST(Random, reseedingWithAFrozenClock) {
    std::uint64_t clock = 42;
    Random random([&] { return clock; });
    std::set<double> draws;
    for (int i = 0; i < 1000; ++i) {
        random.seedFromClock();
        const double r = random.next();
        ASSERT_TRUE(r >= 0.0 && r < 1.0);
        draws.insert(r);
    }
    ASSERT_EQ(draws.size(), std::size_t(1000));
    // Two generators that saw the same clock agree: the clock really seeds them.
    Random a([] { return std::uint64_t(7); }), b([] { return std::uint64_t(7); });
    ASSERT_EQ(a.next(), b.next());
    Random c([] { return std::uint64_t(8); });
    ASSERT_TRUE(c.next() != b.next());
}

TEST(Random, drawsCoverTheirRange) {
    Random random([] { return std::uint64_t(1); });
    int counts[50] = {};
    for (int i = 0; i < 50000; ++i) {
        const int k = random.below(50);
        ASSERT_TRUE(k >= 0 && k < 50);
        ++counts[k];
    }
    for (int k = 0; k < 50; ++k)
        ASSERT_TRUE(counts[k] > 800 && counts[k] < 1200) << "draws should be roughly uniform";
    ASSERT_EQ(random.below(0), 0);
}
