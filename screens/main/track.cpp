// SPDX-License-Identifier: MIT
#include "screens/main/track.h"

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
