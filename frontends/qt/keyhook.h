// SPDX-License-Identifier: MIT
#pragma once
// Hands the key presses made in a window to its screen before the control with the focus sees them, so a
// screen can be played from the keyboard whatever button happens to hold the focus.
#include "toolkit/keys.h"
#include <QObject>
#include <functional>

class QWidget;

namespace frontend {

// Installed on the application, it watches the key presses and releases that reach one window: those that go
// to the window itself or to a control inside its client area (never to the menu bar, a menu or a message
// box). It hands them to the game's window (toolkit::Window::keyDown and keyUp), marking a press made with
// Ctrl, Alt or Meta held, or while the window is not active (a modal box is open over it), as one for
// others. A press the window took never reaches the focused control. The hook dies with its window.
class KeyHook : public QObject {
    Q_OBJECT
public:
    using Down = std::function<bool(const toolkit::KeyPress&)>;
    using Up = std::function<void(int key, bool autoRepeat)>;
    KeyHook(QWidget* window, QWidget* area, Down down, Up up);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool watches(QObject* receiver) const;
    QWidget* window_;
    QWidget* area_;
    Down down_;
    Up up_;
};

} // namespace frontend
