// SPDX-License-Identifier: MIT
#include "toolkit/timer.h"

namespace toolkit {

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (!view_) return;
    if (on)
        view_->start();
    else
        view_->stop();
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (view_) view_->setInterval(ms);
}

} // namespace toolkit
