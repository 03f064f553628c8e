// SPDX-License-Identifier: MIT
#include "frontends/qt/timer.h"

namespace frontend {

QtTimer::QtTimer(toolkit::Timer& timer, QObject* parent) : QObject(parent), timer_(&timer) {
    setObjectName(QString::fromStdString(timer.objectName()));
    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setInterval(timer.interval());
    connect(&clock_, &QTimer::timeout, this, [this] {
        if (timer_) timer_->tick();
    });
    if (timer.isEnabled()) clock_.start();
    timer.setView(this);
}

void QtTimer::detach() {
    clock_.stop();
    if (timer_) timer_->setView(nullptr);
    timer_ = nullptr;
}

} // namespace frontend
