// SPDX-License-Identifier: MIT
#include "toolkit/timer.h"

namespace toolkit {

Timer::Timer(QObject* parent, int intervalMs, bool enabled) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
    if (enabled) timer_.start();
}

void Timer::setEnabled(bool on) {
    if (on && !timer_.isActive()) timer_.start();
    if (!on) timer_.stop();
}

void Timer::setInterval(int ms) {
    timer_.setInterval(ms);
}

} // namespace toolkit
