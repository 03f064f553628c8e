// SPDX-License-Identifier: MIT
#pragma once
// The whole program shown by the desktop front end, for checks of what Qt draws and of how it hands the
// player's input on.
#include "frontends/qt/window.h"
#include "support/gamefixture.h"

class QtGameFixture : public GameFixture {
public:
    explicit QtGameFixture(const std::optional<std::string>& bank = defaultBank());
    ~QtGameFixture() override;
    // Runs Qt's deferred deletions, so windows closed by the screens are really gone.
    void flushDeletes() override;
};
