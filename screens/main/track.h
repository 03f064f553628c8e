// SPDX-License-Identifier: MIT
#pragma once
// The chase field as plain numbers: where the creatures stand, the track they run round clockwise, the cliff
// that eats them, and the glide that carries a caught creature into its slot. Positions are twips, kept as
// single-precision reals (a step can be half a twip); the picture boxes only show them.
#include <array>
#include <cstdint>
#include <optional>

namespace mainscreen {

struct TwipPoint {
    float left = 0;
    float top = 0;
    friend bool operator==(TwipPoint, TwipPoint) = default;
};

inline constexpr int creatureCount = 12;

// What a creature is doing; its picture box and its slot follow. Whether it is out on the field is apart:
// the score's thresholds show and hide a creature whatever it is doing, and only a shown one runs.
enum class CreatureState : std::uint8_t {
    running, // its own picture on its box, on the track or waiting for its threshold
    gliding, // clicked: gliding step by step into its slot
    parked,  // caught: its picture waits in its slot, and it comes back to the start after a while
    eaten,   // fallen off the cliff: its slot shows the eaten mark
};

// Where every creature starts and where a caught one comes back; far off the screen for the lost and caught.
inline constexpr TwipPoint startPlace{100, 100};
inline constexpr TwipPoint parkedPlace{-2000, -2000};

// The track's edges. A creature on the top edge (as far up as the start, but not out of sight) runs right;
// past the right edge it runs down; on the bottom edge it runs left; on the left edge it runs up.
inline constexpr double rightEdge = 5540;
inline constexpr double bottomEdge = 1100;
inline constexpr double outOfSight = -1000;

// The slots along the bottom of the screen, one a creature, where caught creatures wait.
inline constexpr int slotRowLeft = 120;
inline constexpr int slotPitch = 480;
inline constexpr int slotRowTop = 4200;
inline constexpr int slotSize = 495;

inline constexpr int eatPenalty = 30; // points a lost creature costs, with no floor
inline constexpr int gameLength = 5;  // lost creatures that end the game
inline constexpr int returnWait = 20; // a caught creature comes back when its count reaches this
inline constexpr int praiseTicks = 3; // the praise stamp goes once more chase ticks than this have passed
inline constexpr int catchSteps = 9;  // glide steps from a click to the slot

// How far every running creature moves in one chase tick: half the score plus its own speed.
double trackStep(int score, int speed);

// One chase tick's move along the track: the four edges in their order, each one seeing where the edges
// before it have put the creature, all with the same step. At a corner two edges apply in the same tick;
// off every edge the creature stands still.
TwipPoint alongTrack(TwipPoint from, double step);

// The cliff on the left of the track; all four bounds are strict.
bool inEatZone(TwipPoint place);

// How far along the track towards the cliff a creature stands: 0 at the start, growing along the top edge,
// down the right edge, back along the bottom edge and up the left edge into the cliff. A place off the
// track counts by its left, as on the top edge.
double trackProgress(TwipPoint place);

// Whether a creature standing here shows on a field of this size, at least in part: its picture reaches at
// most creatureReach twips right of and below its place.
inline constexpr int creatureReach = 540;
bool inField(TwipPoint place, int fieldWidth, int fieldHeight);

// Of the creatures that can be saved now (saveable), the one nearest the cliff: the furthest along the
// track, the lowest index of those equally far. None when no creature can be saved.
std::optional<std::int16_t> nearestToCliff(const std::array<TwipPoint, creatureCount>& places,
                                           const std::array<bool, creatureCount>& saveable);

// Where slot i stands (its upper-left corner).
TwipPoint slotPlace(std::int16_t i);

// Step `step` (1 to 9) of the glide: the creature covers step tenths of the way still left to the slot,
// first down or up, then sideways, from wherever it stands now.
TwipPoint glideStep(TwipPoint from, TwipPoint slot, std::int16_t step);

} // namespace mainscreen
