// SPDX-License-Identifier: MIT
#include "screens/opening/hops.h"
#include "screens/opening/opening_screen.h"
#include "toolkit/builder.h"
#include "toolkit/icon.h"
#include "toolkit/twips.h"
#include <QIcon>

using namespace toolkit;
using opening::hopCount;

namespace {

// The covers, the title cover and the background picture's own ground: the desktop's window colour.
const QColor windowColour = Qt::white;

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

QString ballPicture(int k) {
    if (k == opening::lastHop) return QStringLiteral(":/opening/globe.gif");
    return QStringLiteral(":/opening/ball%1.gif").arg(k, 2, 10, QLatin1Char('0'));
}

} // namespace

ScreenWindow* OpeningScreen::build() {
    auto* window = new ScreenWindow(QStringLiteral("オープニング"), {px(6390), px(3330)});
    window->setWindowIcon(toolkit::programIcon());
    window->setDesignPosition({px(3390), px(2880)});
    c.background =
        makePicture(window->client(), {{0, 0, 6495, 3375}, ":/opening/background.gif", windowColour});
    // Children of the background, back to front: covers, balls, title cover.
    for (std::int16_t k = 0; k < hopCount; ++k)
        c.footprintCovers.set(k, makePicture(c.background, {trail[k].cover, "", windowColour}));
    for (std::int16_t k = 0; k < hopCount; ++k)
        c.balls.set(k, makePicture(c.background, {trail[k].ball, ballPicture(k)}));
    c.titleCover = makePicture(c.background, {{360, 0, 5535, 735}, "", windowColour});
    c.animationTimer = new Timer(window, opening::firstIntervalMs, true);
    nameControls({{window, "cright"},
                  {c.background, "Picture7"},
                  {c.titleCover, "Picture2"},
                  {c.animationTimer, "Timer1"}});
    on(c.animationTimer, &Timer::tick, [this] { onAnimationTick(); });
    return window;
}
