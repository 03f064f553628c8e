// SPDX-License-Identifier: MIT
#pragma once
// The opening's schedule as plain numbers: twelve hops of a ball along the footprints, each tick a little
// slower than the one before, the globe and the title at the last hop, and the end fourteen ticks later.
#include <cstdint>

namespace opening {

// Balls and footprint covers, one of each a hop; the last ball is the globe.
inline constexpr int hopCount = 12;
inline constexpr std::int16_t lastHop = hopCount - 1;
// The first tick comes this long after the opening starts.
inline constexpr int firstIntervalMs = 50;
// The tick count at which the opening closes and the game comes up: the last hop counts twice, then
// fourteen quiet ticks follow.
inline constexpr std::int16_t closingCount = 27;

// The interval set after hop n (0 to 11): n * n / 3 + 50 ms, to the nearest millisecond.
int intervalAfterHop(int n);

} // namespace opening
