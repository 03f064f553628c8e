// SPDX-License-Identifier: MIT
#include "frontends/qt/platform.h"

namespace frontend {

namespace {
bool isSet(const char* value) {
    return value && *value;
}
} // namespace

std::optional<std::string> platformFor(const char* playerChoice, const char* waylandDisplay,
                                       const char* display) {
    if (isSet(playerChoice) || !isSet(waylandDisplay) || !isSet(display)) return std::nullopt;
    return "xcb";
}

} // namespace frontend
