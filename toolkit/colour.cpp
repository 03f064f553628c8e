// SPDX-License-Identifier: MIT
#include "toolkit/colour.h"
#include <algorithm>
#include <cmath>
#include <optional>

namespace toolkit {

namespace {

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t mixChannel(std::uint8_t from, std::uint8_t to, int step) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * (step / 255.0)));
}

// Colour mixed with the target by step 255ths.
Colour mixed(Colour colour, Colour target, int step) {
    return {mixChannel(colour.r, target.r, step), mixChannel(colour.g, target.g, step),
            mixChannel(colour.b, target.b, step)};
}

// The least mix of colour towards target that stands out from back by the ratio, as its step; none when
// even the target itself does not.
std::optional<int> leastMix(Colour colour, Colour target, Colour back, double ratio) {
    for (int step = 1; step <= 255; ++step)
        if (contrastRatio(mixed(colour, target, step), back) >= ratio) return step;
    return std::nullopt;
}

} // namespace

double relativeLuminance(Colour colour) {
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

double contrastRatio(Colour a, Colour b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour readableOn(Colour fore, Colour back, double ratio) {
    if (contrastRatio(fore, back) >= ratio) return fore;
    constexpr Colour black{0, 0, 0}, white{255, 255, 255};
    const std::optional<int> darker = leastMix(fore, black, back, ratio);
    const std::optional<int> lighter = leastMix(fore, white, back, ratio);
    if (darker && (!lighter || *darker <= *lighter)) return mixed(fore, black, *darker);
    if (lighter) return mixed(fore, white, *lighter);
    // No colour of this hue gets there (a ratio above what black or white reach on this back): the one of
    // the two that comes nearest.
    return contrastRatio(black, back) >= contrastRatio(white, back) ? black : white;
}

} // namespace toolkit
