// SPDX-License-Identifier: MIT
// Long play: 100 000 chase ticks with random right and wrong answers, retries, hints, clicks on creatures
// and slots, catch animations and practice visits, driven through the handlers; games that end are
// started again. After every step the main screen's invariants are checked: the score and its label, each
// creature in one of its five states with the properties of that state, the slots, and the timers.
#include "screens/chart/chart_window.h"
#include "screens/main/main_screen.h"
#include "screens/opening/opening_screen.h"
#include "screens/practice/practice_screen.h"
#include "support/gamefixture.h"
#include "support/play.h"
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace std::string_literals;
using mainscreen::CreatureState;

namespace {

constexpr float parked = -2000;

struct Pictures {
    std::array<std::string, 12> creature{}; // each creature's own picture
    std::string eatenMark;
};

Pictures picturesOf(const MainScreen& f) {
    Pictures p;
    for (std::int16_t i = 0; i < 12; ++i)
        p.creature[i] = f.controls().creatures(i)->picture();
    p.eatenMark = f.controls().eatenMark->picture();
    return p;
}

bool isParked(const toolkit::PictureBox* box) {
    return box->left() == parked && box->top() == parked;
}

// Why the main screen breaks an invariant, or an empty text when it keeps them all.
std::string brokenInvariant(const MainScreen& f, const Pictures& pictures) {
    const MainScreenControls& c = f.controls();
    if (f.state().eatenCount < 0 || f.state().eatenCount > 4)
        return "eatenCount " + std::to_string(f.state().eatenCount) + " in a running game";
    // Only the cliff takes the score below zero, 30 points a creature.
    if (f.state().score < -30 * f.state().eatenCount)
        return "score " + std::to_string(f.state().score) + " after " + std::to_string(f.state().eatenCount) +
               " eaten";
    const std::string shown = c.scoreLabel->text();
    const std::string expected = (f.state().score >= 0 ? " " : "") + std::to_string(f.state().score);
    if (shown != expected && !(shown == "0"s && f.state().score == 0))
        return "score " + std::to_string(f.state().score) + " shown as '" + shown + "'";
    if (!c.chaseTimer->isEnabled()) return "the chase timer stopped"s;
    const bool catching = c.catchTimer->isEnabled();
    if (!catching && f.state().catchStep != 0)
        return "catchStep " + std::to_string(f.state().catchStep) + " with no catch";
    if (catching && (f.state().catchStep < 0 || f.state().catchStep > 8))
        return "catchStep " + std::to_string(f.state().catchStep);
    if (!c.praiseStamp->isHidden() && f.state().praiseStampTicks > 3)
        return "the praise stamp outstays its ticks"s;
    int disabledSlots = 0;
    for (std::int16_t i = 0; i < 12; ++i) {
        const toolkit::PictureBox* p = c.creatures(i);
        const toolkit::PictureBox* slot = c.parkingSlots(i);
        const std::string& own = p->picture();
        const std::string& inSlot = slot->picture();
        const bool slotEmpty = slot->picture().empty();
        const bool slotEaten = inSlot == pictures.eatenMark;
        const std::string who = "creature " + std::to_string(i) + ": ";
        if (!slot->isEnabled()) ++disabledSlots;
        if (slotEaten && slot->isEnabled()) return who + "an enabled slot shows the eaten mark";
        if (catching && i != f.state().catchIndex && p->isEnabled()) return who + "clickable during a catch";
        if (f.state().returnTicks[i] < 0 || f.state().returnTicks[i] > 19)
            return who + "returnTicks out of range";
        const CreatureState state = f.state().creatureState[i];
        const bool target = catching && i == f.state().catchIndex;
        if ((state == CreatureState::parked) != (f.state().returnTicks[i] >= 1))
            return who + "waits to come back without being parked, or the other way round";
        if (state == CreatureState::gliding && !target) return who + "glides with no catch under way";
        switch (state) {
        case CreatureState::gliding:
            // Still its own picture, on its way to an empty slot (or one showing the mark).
            if (own != pictures.creature[i]) return who + "lost its picture while being caught";
            if (!slotEmpty && !slotEaten) return who + "caught into a full slot";
            break;
        case CreatureState::parked:
            // Its picture waiting in its slot.
            if (!isParked(p)) return who + "caught but not parked";
            if (!p->picture().empty()) return who + "caught but still showing its picture";
            if (inSlot != pictures.creature[i]) return who + "caught but its slot lacks its picture";
            break;
        case CreatureState::running:
            if (own != pictures.creature[i]) return who + "shows another picture";
            if (!slotEmpty) return who + "free while its slot holds a picture";
            break;
        case CreatureState::eaten:
            // Hidden at the parking place (until a threshold shows it there again), unless the catch that
            // the cliff interrupted still carries it to its slot.
            if (own != pictures.creature[i]) return who + "eaten, showing another picture";
            if (!slotEaten) return who + "eaten but its slot lacks the mark";
            if (!target && p->isHidden() && !isParked(p)) return who + "eaten but not parked";
            break;
        }
    }
    // A slot is disabled only by the cliff; a creature caught while falling may be eaten twice.
    if (disabledSlots > f.state().eatenCount)
        return std::to_string(disabledSlots) + " disabled slots, " + std::to_string(f.state().eatenCount) +
               " eaten";
    return {};
}

struct Size {
    int width = 0, height = 0;
};

// The size in pixels of the picture a creature's box shows, and so of the box: a GIF's header holds it.
Size pictureSize(const std::string& name) {
    static std::map<std::string, Size> known;
    if (const auto found = known.find(name); found != known.end()) return found->second;
    std::ifstream file(std::string(POKURAKU_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
    if (!name.empty() && !file) ADD_FAILURE() << "no picture " << name;
    unsigned char header[10] = {};
    file.read(reinterpret_cast<char*>(header), sizeof header);
    return known[name] = {header[6] | header[7] << 8, header[8] | header[9] << 8};
}

// A creature the player can click: shown, enabled and at least partly inside the window.
bool clickable(const toolkit::PictureBox* p) {
    const Size size = pictureSize(p->picture());
    return !p->isHidden() && p->isEnabled() && p->left() > -size.width * 15 && p->left() < 6135 &&
           p->top() > -size.height * 15 && p->top() < 4905;
}

// A roll of the player's die: 0 to n - 1.
int bounded(std::mt19937& rng, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

void finishOpening(Program& program) {
    for (int tick = 0; program.openingScreen().isLoaded() && tick < 100; ++tick)
        program.openingScreen().onAnimationTick();
}

struct Tally {
    int ticks = 0, games = 0, clicks = 0, right = 0, wrong = 0, practiceVisits = 0, ticksInBox = 0;
};

// One step of the player between two chase ticks, chosen by the roll of a die.
void playerStep(std::mt19937& rng, Program& program, Tally& tally) {
    MainScreen& f = program.mainScreen();
    const MainScreenControls& c = f.controls();
    const int roll = bounded(rng, 100);
    if (program.practiceScreen().isLoaded()) {
        if (roll < 20) program.practiceScreen().onQuitPracticeMenu();
    } else if (roll < 20) {
        answerRight(f);
        ++tally.right;
    } else if (roll < 28 && f.state().answerLength > 1) {
        // The letters reversed: wrong unless the word reads the same both ways.
        std::string reversed = f.state().answer;
        std::reverse(reversed.begin(), reversed.end());
        pressLetters(f, reversed);
        if (c.answerLabel->text() != f.state().answer) ++tally.wrong;
        f.onOkClicked();
    } else if (roll < 34) {
        pressLetters(f, f.state().answer.substr(
                            0, static_cast<std::size_t>(bounded(rng, f.state().answerLength + 1))));
        f.onRetryClicked();
    } else if (roll < 38 && !c.hintButton->isHidden()) {
        f.onHintClicked();
    } else if (roll < 70) {
        const auto i = static_cast<std::int16_t>(bounded(rng, 12));
        if (clickable(c.creatures(i))) {
            f.onCreatureClicked(i);
            ++tally.clicks;
        }
    } else if (roll < 75) {
        const auto i = static_cast<std::int16_t>(bounded(rng, 12));
        if (c.parkingSlots(i)->isEnabled()) f.onSlotClicked(i);
    } else if (roll == 75) {
        f.onPracticeMenu();
        ++tally.practiceVisits;
    }
}

// Plays one game from start-up until its fifth creature falls or the ticks run out. A new game is a new
// start of the program, as for the player: nothing of the game before carries over.
void playOneGame(std::mt19937& rng, Tally& tally, int tickLimit) {
    GameFixture game("inu,いぬ\r\nro^maji,ローマじ\r\ngakko^,がっこう\r\ni,い\r\n"
                     "hiko^ki,ひこうき\r\nkyu^kyu^sha,きゅうきゅうしゃ\r\n"s);
    game.writeText("romajimojiren.txt"s, "a,あ,0\r\nka,か,5\r\n"s);
    game.clock = 1000 + 7919ULL * tally.games;
    Program& program = *game.program;
    MainScreen& f = program.mainScreen();
    game.messageBox.whileOpen = [&] {
        // The result box is open inside the tick that ended the game: later ticks are turned away.
        const std::int16_t eaten = f.state().eatenCount;
        f.onChaseTick();
        if (f.state().eatenCount != eaten) ++tally.ticksInBox;
    };
    game.start();
    finishOpening(program);
    const Pictures pictures = picturesOf(f);
    ++tally.games;
    // The invariants after one step of play; false, with the test failed, when one is broken.
    const auto holds = [&](const char* step) {
        const std::string broken = brokenInvariant(f, pictures);
        if (broken.empty()) return true;
        ADD_FAILURE() << "tick " << tally.ticks << ", game " << tally.games << ", after " << step << ": "
                      << broken;
        return false;
    };
    while (tally.ticks < tickLimit) {
        ++tally.ticks;
        game.clock += 500'000'000; // half a second of the clock the game re-seeds from
        playerStep(rng, program, tally);
        if (!holds("the player's step")) return;
        // Up to ten steps of a running catch fit into the half second before the chase tick.
        const MainScreenControls& c = f.controls();
        for (int step = bounded(rng, 11); step > 0 && c.catchTimer->isEnabled(); --step) {
            f.onCatchTick();
            if (!holds("a catch step")) return;
        }
        f.onChaseTick();
        // What the front end does between ticks: let go of the windows the handlers closed.
        game.flushDeletes();
        if (!f.isLoaded()) {
            // The fifth creature fell: the result was shown and every game window closed.
            ASSERT_EQ(game.messageBox.shown.size(), 1u);
            ASSERT_TRUE(!program.practiceScreen().isLoaded() && !program.chartWindow().isLoaded());
            return;
        }
        if (!holds("the chase tick")) return;
        if (program.practiceScreen().isLoaded() && !program.practiceScreen().controls().runClock->isEnabled())
            FAIL() << "the practice clock stopped while the practice screen is open";
        ASSERT_TRUE(game.errors.details.empty());
    }
}

} // namespace

TEST(Soak, hundredThousandChaseTicks) {
    std::mt19937 rng(20261208); // the player's choices; the game's own draws follow its clock
    Tally tally;
    while (tally.ticks < 100000) {
        playOneGame(rng, tally, 100000);
        if (HasFailure()) return;
    }
    std::printf("%d games, %d right and %d wrong answers, %d creature clicks, %d practice visits\n",
                tally.games, tally.right, tally.wrong, tally.clicks, tally.practiceVisits);
    // The run met what it was meant to: games that ended, catches, wrong answers and practice visits.
    ASSERT_TRUE(tally.games > 10);
    ASSERT_TRUE(tally.clicks > 1000 && tally.wrong > 1000 && tally.practiceVisits > 100);
    ASSERT_EQ(tally.ticksInBox, 0);
}
