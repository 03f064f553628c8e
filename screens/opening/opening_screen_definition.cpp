// SPDX-License-Identifier: MIT
#include "screens/opening/hops.h"
#include "screens/opening/opening_screen.h"
#include "toolkit/builder.h"
#include <cstdio>

using namespace toolkit;
using opening::hopCount;

namespace {

// The covers, the title cover and the background picture's own ground: the desktop's window colour.
constexpr Colour windowColour = white;

struct BallAndCover {
    Rect ball;
    Rect cover;
};

const BallAndCover trail[hopCount] = {
    {{0, 720, 975, 975}, {360, 1200, 525, 400}},      {{360, 720, 975, 1095}, {840, 1440, 400, 400}},
    {{840, 960, 975, 975}, {1200, 1560, 525, 525}},   {{1200, 1320, 855, 855}, {1680, 1800, 525, 400}},
    {{1560, 1920, 975, 975}, {2160, 1920, 400, 400}}, {{2040, 1440, 975, 975}, {2520, 2040, 525, 400}},
    {{2520, 960, 975, 975}, {3000, 2040, 525, 400}},  {{3120, 720, 975, 975}, {3480, 2160, 525, 400}},
    {{3840, 720, 975, 975}, {3960, 2280, 525, 400}},  {{4440, 960, 975, 975}, {4440, 2280, 525, 400}},
    {{5040, 1320, 975, 975}, {4920, 2400, 400, 400}}, {{5400, 1920, 975, 975}, {5400, 2520, 400, 400}},
};

std::string ballPicture(int k) {
    if (k == opening::lastHop) return "opening/globe.gif";
    char name[32];
    std::snprintf(name, sizeof name, "opening/ball%02d.gif", k);
    return name;
}

} // namespace

std::unique_ptr<Window> OpeningScreen::build() {
    auto window = std::make_unique<Window>("オープニング", 6390, 3330);
    window->setDesignPosition({3390, 2880});
    Window& w = *window;
    c.background = makePicture(w, nullptr, {{0, 0, 6495, 3375}, "opening/background.gif", windowColour});
    // Children of the background, back to front: covers, balls, title cover.
    for (std::int16_t k = 0; k < hopCount; ++k)
        c.footprintCovers.set(k, makePicture(w, c.background, {trail[k].cover, "", windowColour}));
    for (std::int16_t k = 0; k < hopCount; ++k)
        c.balls.set(k, makePicture(w, c.background, {trail[k].ball, ballPicture(k)}));
    c.titleCover = makePicture(w, c.background, {{360, 0, 5535, 735}, "", windowColour});
    // The background carries the title; the balls hopping along it and the covers are only to look at.
    c.background->setAccessibleName("ポクラク　ローマ字であそぼう");
    for (std::int16_t k = 0; k < hopCount; ++k)
        for (PictureBox* p : {c.footprintCovers(k), c.balls(k)})
            p->setDecorative(true);
    c.titleCover->setDecorative(true);
    c.animationTimer = window->addTimer(opening::firstIntervalMs, true);
    define(guard(), {{window.get(), "cright"},
                     {c.background, "Picture7"},
                     {c.titleCover, "Picture2"},
                     {c.animationTimer, "Timer1", c.animationTimer->tick, [this] { onAnimationTick(); }}});
    return window;
}
