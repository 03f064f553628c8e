// SPDX-License-Identifier: MIT
#include "toolkit/screen.h"

namespace toolkit {

Screen::~Screen() {
    if (window_) host_.display().release(std::move(window_), true);
}

void Screen::load() {
    if (window_) return;
    window_ = build();
    window_->closeRequested = [this] { host_.guard().run([this] { closeRequested(); }); };
    host_.display().realize(*window_);
    host_.screenLoaded();
    if (visibleAtCreation()) showWindow();
    onLoad();
}

void Screen::show() {
    load();
    if (!window_) return; // the load step closed the screen again
    showWindow();
    window_->raise();
}

void Screen::showWindow() {
    window_->show(standBeside());
}

void Screen::hide() {
    load();
    if (window_) window_->hide();
}

void Screen::focus() {
    if (window_) window_->focus();
}

void Screen::close() {
    if (!window_) return;
    std::unique_ptr<Window> old = std::move(window_);
    old->stopTimers();
    old->closeRequested = nullptr;
    forgetControls();
    host_.display().release(std::move(old), false);
    host_.screenUnloaded();
}

} // namespace toolkit
