// SPDX-License-Identifier: MIT
#include "chart_labels.h"

namespace bankcheck {

QString chartCaption(int index) {
    const std::string_view caption = kanaChartCaption(index);
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

QStringList captionKana(const QString& caption) {
    const qsizetype open = caption.indexOf(u'(');
    if (open < 0 || !caption.endsWith(u')')) return {caption};
    return {caption.first(open), caption.sliced(open + 1, caption.size() - open - 2)};
}

} // namespace bankcheck
