// SPDX-License-Identifier: MIT
#pragma once
// A display with no screen, for playing the game in a test: windows are realized without views, and the
// test raises the events a front end would raise for the player's clicks, taps, keys and menu choices, with
// the same rules (a hidden or switched-off control takes no click).
#include "toolkit/controls.h"
#include "toolkit/window.h"
#include <memory>
#include <vector>

class HeadlessDisplay : public toolkit::Display {
public:
    void realize(toolkit::Window&) override {}
    // A window closed while it delivers an event stays until flush(), as on a screen.
    void release(std::unique_ptr<toolkit::Window> window, bool now) override;
    // Lets go of the windows closed since the last flush.
    void flush() { closed_.clear(); }

private:
    std::vector<std::unique_ptr<toolkit::Window>> closed_;
};

// A left click on a control, as the player makes it: nothing when the control is not visible or it or a
// control it lies on is switched off. A label hears the mouse-down and then the click.
void click(const toolkit::Control* control);
// A press of another mouse button on a label: only the mouse-down.
void press(const toolkit::Control* control, toolkit::MouseButton button);
// True when the control would take a click: shown, and switched on with every control it lies on.
bool takesClicks(const toolkit::Control* control);
// A menu item chosen from the bar: nothing when it or its menu is hidden or switched off.
void choose(const toolkit::Window& window, const toolkit::MenuItem* item);
