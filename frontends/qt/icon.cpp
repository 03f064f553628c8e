// SPDX-License-Identifier: MIT
#include "frontends/qt/icon.h"
#include <QIcon>

namespace frontend {
const QIcon& programIcon() {
    // Never destroyed: it may outlive the application object, after which no pixmap may be released.
    static const QIcon* const icon = new QIcon(QStringLiteral(":/icon/pokuraku.png"));
    return *icon;
}
} // namespace frontend
