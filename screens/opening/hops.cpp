// SPDX-License-Identifier: MIT
#include "screens/opening/hops.h"
#include <cmath>

namespace opening {

int intervalAfterHop(int n) {
    return static_cast<int>(std::nearbyint(n * n / 3.0 + firstIntervalMs));
}

} // namespace opening
