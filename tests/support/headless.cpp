// SPDX-License-Identifier: MIT
#include "support/headless.h"
#include <functional>

void HeadlessDisplay::release(std::unique_ptr<toolkit::Window> window, bool now) {
    if (!now) closed_.push_back(std::move(window));
}

bool takesClicks(const toolkit::Control* control) {
    if (!control->isVisible()) return false;
    for (const toolkit::Control* c = control; c; c = c->parent())
        if (!c->isEnabled()) return false;
    return true;
}

void click(const toolkit::Control* control) {
    if (!takesClicks(control)) return;
    auto* c = const_cast<toolkit::Control*>(control);
    if (auto* label = dynamic_cast<toolkit::Label*>(c)) {
        label->mouseDown(toolkit::MouseButton::left);
        label->clicked();
    } else if (auto* button = dynamic_cast<toolkit::Button*>(c)) {
        button->clicked();
    } else if (auto* picture = dynamic_cast<toolkit::PictureBox*>(c)) {
        picture->clicked();
    }
}

void press(const toolkit::Control* control, toolkit::MouseButton button) {
    if (!takesClicks(control)) return;
    if (auto* label = dynamic_cast<toolkit::Label*>(const_cast<toolkit::Control*>(control)))
        label->mouseDown(button);
}

namespace {

// The menus from the bar down to item, or empty when the item is not on the window's bar.
bool pathTo(const toolkit::MenuItem& from, const toolkit::MenuItem* item,
            std::vector<const toolkit::MenuItem*>& path) {
    path.push_back(&from);
    if (&from == item) return true;
    for (const auto& below : from.items())
        if (pathTo(*below, item, path)) return true;
    path.pop_back();
    return false;
}

} // namespace

void choose(const toolkit::Window& window, const toolkit::MenuItem* item) {
    std::vector<const toolkit::MenuItem*> path;
    if (!window.isVisible() || !pathTo(window.menuBar(), item, path)) return;
    for (std::size_t k = 1; k < path.size(); ++k) {
        if (!path[k]->isVisible() || !path[k]->isEnabled()) return;
        if (k + 1 < path.size()) path[k]->aboutToShow();
    }
    item->trigger();
}
