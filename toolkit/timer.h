// SPDX-License-Identifier: MIT
#pragma once
// A timer with the game's semantics: switching on a running timer keeps its period, switching it off and on
// again restarts the period, and a new interval counts from the moment it is set. Timers belong to a window
// and die with it, but keep ticking while the window is hidden.
#include <QObject>
#include <QTimer>

namespace toolkit {

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* parent, int intervalMs, bool enabled);

    bool isEnabled() const { return timer_.isActive(); }
    void setEnabled(bool on);
    int interval() const { return timer_.interval(); }
    void setInterval(int ms);
    // Milliseconds until the next tick, -1 when off.
    int remainingTime() const { return timer_.remainingTime(); }

signals:
    void tick();

private:
    QTimer timer_;
};

} // namespace toolkit
