// SPDX-License-Identifier: MIT
#pragma once
// The browser's display: every window is a panel of the page, every control an element in it, every timer
// a timer of the page, every menu a menu in the panel's menu bar.
#include "toolkit/window.h"
#include <functional>
#include <memory>
#include <vector>

namespace web {

// The look the system asks for (more contrast, less motion), as the page last read it from the browser; it
// tells it as the game starts and whenever the player changes it, and each time calls the listener.
toolkit::Look systemLook();
void onSystemLookChanged(std::function<void()> listener);

class WebDisplay : public toolkit::Display {
public:
    WebDisplay();
    ~WebDisplay() override;
    void realize(toolkit::Window& window) override;
    void release(std::unique_ptr<toolkit::Window> window, bool now) override;

    // Items the page adds to the menu bar of the game's own window (the teacher's word list).
    std::function<void(toolkit::MenuItem& bar)> addToMainMenus;
    // Stops every timer and hides every panel: the game is ending behind an error box.
    void stopEverything();
    // Draws every control anew in the display's look.
    void lookChanged() override;

    struct Panel;

private:
    std::vector<std::unique_ptr<Panel>> panels_;
    std::vector<std::unique_ptr<Panel>> released_;
    std::vector<std::unique_ptr<toolkit::Window>> releasedWindows_;
    bool sweepPending_ = false;
    void sweep();
};

} // namespace web
