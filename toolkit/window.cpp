// SPDX-License-Identifier: MIT
#include "toolkit/window.h"

namespace toolkit {

Window::Window(std::string caption, int clientWidth, int clientHeight)
    : caption_(std::move(caption)), width_(clientWidth), height_(clientHeight) {}

Window::~Window() = default;

Timer* Window::addTimer(int intervalMs, bool enabled) {
    timers_.push_back(std::make_unique<Timer>(intervalMs, enabled));
    return timers_.back().get();
}

void Window::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (view_) view_->captionChanged();
}

void Window::show(const Window* beside) {
    shown_ = true;
    if (view_) view_->show(beside);
}

void Window::hide() {
    shown_ = false;
    if (view_) view_->hide();
}

void Window::raise() {
    if (view_) view_->raise();
}

void Window::focus() {
    if (view_) view_->focus();
}

bool Window::keyDown(const KeyPress& press) {
    if (press.autoRepeat) return heldKey_ == press.key;
    heldKey_.reset();
    if (press.forOthers || !keyHandler || !keyHandler(press)) return false;
    heldKey_ = press.key;
    return true;
}

void Window::keyUp(int key, bool autoRepeat) {
    if (!autoRepeat && heldKey_ == key) heldKey_.reset();
}

void Window::stopTimers() {
    for (const auto& timer : timers_)
        timer->setEnabled(false);
}

} // namespace toolkit
