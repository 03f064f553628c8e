// SPDX-License-Identifier: MIT
#include "services/random/random.h"
#include <chrono>

namespace {

// splitmix64: a small generator whose every output passes through a full avalanche of its state.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

Random::Random(Clock clock) : clock_(std::move(clock)) {
    seedFromClock();
}

Random::Clock Random::systemClock() {
    return [] {
        return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    };
}

void Random::seedFromClock() {
    state_ = mix(state_ ^ mix(clock_() + 0x9e3779b97f4a7c15ULL));
}

double Random::next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    return static_cast<double>(mix(state_) >> 11) * 0x1.0p-53;
}
