// SPDX-License-Identifier: MIT
#include "frontends/qt/zoom.h"
#include <cmath>
#include <iterator>

namespace frontend {

double fittedZoom(QSizeF frameAtOne, QSizeF available, double share) {
    double best = zoomSteps[0];
    for (double step : zoomSteps)
        if (frameAtOne.width() * step <= available.width() * share &&
            frameAtOne.height() * step <= available.height() * share)
            best = step;
    return best;
}

double steppedZoom(double zoom, int direction) {
    if (direction > 0) {
        for (double step : zoomSteps)
            if (step > zoom + 1e-6) return step;
        return std::max(zoom, std::prev(std::end(zoomSteps))[0]);
    }
    for (auto step = std::rbegin(zoomSteps); step != std::rend(zoomSteps); ++step)
        if (*step < zoom - 1e-6) return *step;
    return std::min(zoom, zoomSteps[0]);
}

std::optional<ZoomChoice> readZoom(const QString& text) {
    if (text == QStringLiteral("fit")) return ZoomChoice{};
    bool number = false;
    const double factor = text.toDouble(&number);
    if (!number || !(factor >= 1 && factor <= 3)) return std::nullopt;
    return ZoomChoice{false, factor};
}

QString writtenZoom(const ZoomChoice& choice) {
    return choice.fit ? QStringLiteral("fit") : QString::number(choice.factor);
}

} // namespace frontend
