// SPDX-License-Identifier: MIT
#include "services/sound/warning.h"
#include <atomic>
#include <cstdio>

namespace sound {

namespace {

std::atomic<WarningSink> sinkInUse{nullptr};

} // namespace

void setWarningSink(WarningSink sink) {
    sinkInUse.store(sink);
}

void warn(const std::string& line) {
    if (const WarningSink sink = sinkInUse.load())
        sink(line);
    else
        std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace sound
