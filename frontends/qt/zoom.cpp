// SPDX-License-Identifier: MIT
#include "frontends/qt/zoom.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

ZoomChoice zoomForThisRun(const QStringList& arguments, const toolkit::Settings& settings) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == QStringLiteral("--zoom") && i + 1 < arguments.size())
            value = arguments[i + 1];
        else if (arguments[i].startsWith(QStringLiteral("--zoom=")))
            value = arguments[i].mid(7);
        else if (arguments[i] != QStringLiteral("--zoom"))
            continue;
        if (const std::optional<ZoomChoice> choice = readZoom(value)) return *choice;
        std::fprintf(stderr, "pokuraku: --zoom takes fit or a factor from 1 to 3, not \"%s\"\n",
                     qPrintable(value));
        std::exit(2);
    }
    return readZoom(QString::fromStdString(settings.value("view/zoom"))).value_or(ZoomChoice{});
}

} // namespace frontend
