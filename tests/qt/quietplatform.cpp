// SPDX-License-Identifier: MIT
#include "qt/quietplatform.h"
#include <QString>

namespace {

QtMessageHandler previous = nullptr;

void dropPlatformWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (previous) previous(type, context, message);
}

} // namespace

void quietOffscreenWarnings() {
    QtMessageHandler replaced = qInstallMessageHandler(dropPlatformWarnings);
    if (replaced != dropPlatformWarnings) previous = replaced;
}
