// SPDX-License-Identifier: MIT
#include "frontends/qt/settings.h"
#include <cstdio>

namespace frontend {

QtSettings::QtSettings() : file_(QStringLiteral("pokuraku"), QStringLiteral("pokuraku")) {
    if (file_.status() != QSettings::NoError) {
        std::fprintf(stderr,
                     "pokuraku: the settings file %s cannot be read; the game starts with its defaults\n",
                     qPrintable(file_.fileName()));
        usable_ = false;
    }
}

std::string QtSettings::value(const std::string& key) const {
    if (!usable_) return {};
    return file_.value(QString::fromStdString(key)).toString().toStdString();
}

void QtSettings::setValue(const std::string& key, const std::string& value) {
    // A damaged file is never written over: the player's other choices in it are not lost.
    if (!usable_) return;
    file_.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

} // namespace frontend
