// SPDX-License-Identifier: MIT
#pragma once
// The zoom: how many pixels a twip takes, times the 1/15 the layout was drawn at. The whole game is drawn at
// one zoom, chosen to fit the screen, stepped by the player or followed from the main window's size; a
// window that would not fit on the screen at it uses the largest step at which it does.
#include "toolkit/settings.h"
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

namespace frontend {

inline constexpr double zoomSteps[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3};

// The largest step at which a window, whose size with its frame at zoom 1 is given, takes at most the given
// share of the available area's width and of its height; 1 when no step does.
double fittedZoom(QSizeF frameAtOne, QSizeF available, double share);
// The step above (direction 1) or below (-1) a zoom, or the zoom itself at either end.
double steppedZoom(double zoom, int direction);

// What the player asked for: a factor, or the zoom that fits the screen.
struct ZoomChoice {
    bool fit = true;
    double factor = 1;
};
// A choice as written on the command line or in the settings: "fit", or a factor from 1 to 3; none for
// anything else.
std::optional<ZoomChoice> readZoom(const QString& text);
QString writtenZoom(const ZoomChoice& choice);

// The zoom for this run: --zoom FACTOR or --zoom fit, given on the command line (never remembered), else the
// player's remembered choice, else the zoom that fits the screen. A value --zoom cannot take ends the
// program with status 2.
ZoomChoice zoomForThisRun(const QStringList& arguments, const toolkit::Settings& settings);

} // namespace frontend
