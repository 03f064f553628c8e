// SPDX-License-Identifier: MIT
#pragma once
// The player's choices in a small settings file in the player's config folder
// (~/.config/pokuraku/pokuraku.conf). A damaged or unreadable file is left alone with one line on the
// standard error, and the game goes on with its defaults.
#include "toolkit/settings.h"
#include <QSettings>

namespace frontend {

class QtSettings : public toolkit::Settings {
public:
    QtSettings();
    std::string value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;

private:
    QSettings file_;
    bool usable_ = true;
};

} // namespace frontend
