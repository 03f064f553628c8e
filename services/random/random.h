// SPDX-License-Identifier: MIT
#pragma once
// The program's one random generator: r in [0, 1), seeded from the clock at start-up. Re-seeding from the
// clock mixes the clock into the generator's state, so draws made while the clock has not moved still
// differ from one another.
#include <cstdint>
#include <functional>

class Random {
public:
    using Clock = std::function<std::uint64_t()>;
    // The default clock is the time of day in nanoseconds.
    explicit Random(Clock clock = systemClock());

    void seedFromClock();
    double next();
    // floor(r * n): 0 to n - 1, or 0 when n is 0.
    int below(int n) { return static_cast<int>(next() * n); }

    static Clock systemClock();
    // The clock's reading: nanoseconds since 1970 for the system clock.
    std::uint64_t now() const { return clock_(); }

private:
    Clock clock_;
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};
