// SPDX-License-Identifier: MIT
#pragma once
// A window's timer on Qt's clock. It ticks while its window is hidden and dies with it.
#include "toolkit/timer.h"
#include <QObject>
#include <QTimer>

namespace frontend {

class QtTimer : public QObject, public toolkit::TimerView {
    Q_OBJECT
public:
    QtTimer(toolkit::Timer& timer, QObject* parent);
    void start() override { clock_.start(); }
    void stop() override { clock_.stop(); }
    void setInterval(int ms) override { clock_.setInterval(ms); }
    int remainingTime() const override { return clock_.remainingTime(); }
    // The window has gone: no more ticks.
    void detach();

private:
    toolkit::Timer* timer_;
    QTimer clock_;
};

} // namespace frontend
