// SPDX-License-Identifier: MIT
#pragma once
// A timer with the game's semantics: switching on a running timer keeps its period, switching it off and on
// again restarts the period, and a new interval counts from the moment it is set. Timers belong to a window
// and die with it, but keep ticking while the window is hidden. The front end's clock makes the ticks.
#include "toolkit/event.h"
#include <string>

namespace toolkit {

class TimerView {
public:
    virtual ~TimerView() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual void setInterval(int ms) = 0;
    // Milliseconds until the next tick, -1 when off.
    virtual int remainingTime() const = 0;
};

class Timer {
public:
    Timer(int intervalMs, bool enabled) : interval_(intervalMs), enabled_(enabled) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    int interval() const { return interval_; }
    void setInterval(int ms);
    int remainingTime() const { return view_ && enabled_ ? view_->remainingTime() : -1; }
    const std::string& objectName() const { return name_; }
    void setObjectName(std::string name) { name_ = std::move(name); }

    Event<> tick;

    TimerView* view() const { return view_; }
    void setView(TimerView* view) { view_ = view; }

private:
    int interval_;
    bool enabled_;
    std::string name_;
    TimerView* view_ = nullptr;
};

} // namespace toolkit
