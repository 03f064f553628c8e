// SPDX-License-Identifier: MIT
#include "screens/main/track.h"
#include <algorithm>

namespace mainscreen {

double trackStep(int score, int speed) {
    return score / 2.0 + speed;
}

TwipPoint alongTrack(TwipPoint from, double step) {
    TwipPoint p = from;
    if (p.top <= startPlace.top && p.top > outOfSight) p.left = static_cast<float>(p.left + step);
    if (p.left >= rightEdge) p.top = static_cast<float>(p.top + step);
    if (p.top >= bottomEdge) p.left = static_cast<float>(p.left - step);
    if (p.left <= startPlace.left && p.left > outOfSight) p.top = static_cast<float>(p.top - step);
    return p;
}

bool inEatZone(TwipPoint place) {
    return place.top > 600 && place.top < 1000 && place.left > -300 && place.left < 800;
}

double trackProgress(TwipPoint place) {
    const double across = rightEdge - startPlace.left, down = bottomEdge - startPlace.top;
    // Up the left edge, from the bottom left corner on (also when a big step carried it past the corner).
    if (place.left <= startPlace.left && place.top > startPlace.top)
        return 2 * across + down + std::max(0.0, bottomEdge - place.top);
    if (place.top >= bottomEdge) return across + down + std::max(0.0, rightEdge - place.left);
    if (place.left >= rightEdge) return across + std::max(0.0, place.top - double(startPlace.top));
    return place.left - startPlace.left;
}

bool inField(TwipPoint place, int fieldWidth, int fieldHeight) {
    return place.left > -creatureReach && place.left < fieldWidth && place.top > -creatureReach &&
           place.top < fieldHeight;
}

std::optional<std::int16_t> nearestToCliff(const std::array<TwipPoint, creatureCount>& places,
                                           const std::array<bool, creatureCount>& saveable) {
    std::optional<std::int16_t> nearest;
    for (std::int16_t i = 0; i < creatureCount; ++i)
        if (saveable[i] && (!nearest || trackProgress(places[i]) > trackProgress(places[*nearest])))
            nearest = i;
    return nearest;
}

TwipPoint slotPlace(std::int16_t i) {
    return {static_cast<float>(slotRowLeft + slotPitch * i), static_cast<float>(slotRowTop)};
}

namespace {
float glide(float from, float to, std::int16_t step) {
    return static_cast<float>(from + (double(to) - from) * (step / 10.0));
}
} // namespace

TwipPoint glideStep(TwipPoint from, TwipPoint slot, std::int16_t step) {
    TwipPoint p = from;
    p.top = glide(from.top, slot.top, step);
    p.left = glide(from.left, slot.left, step);
    return p;
}

} // namespace mainscreen
