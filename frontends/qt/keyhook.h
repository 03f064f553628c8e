// SPDX-License-Identifier: MIT
#pragma once
// Hands the key presses made in a window to its screen before the control with the focus sees them, so a
// screen can be played from the keyboard whatever button happens to hold the focus.
#include "toolkit/keys.h"
#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace frontend {

// Installed on the application, it watches the key presses that reach one window. A press is handed on only
// while the window is active (so never while a modal box is open over it), when it goes to the window itself
// or to a control inside its client area (never to the menu bar, a menu or a message box), and when neither
// Ctrl, Alt nor Meta is held (those keys belong to menus and shortcuts). The handler returns true when it
// took the key; the focused control then never sees it. A held-down key presses once: auto-repeated presses
// are never handed on, and those of a key the handler took are dropped so the focused control cannot act on
// them instead. The hook dies with its window.
class KeyHook : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(const toolkit::KeyPress&)>;
    KeyHook(QWidget* window, QWidget* area, Handler handler);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool watches(QObject* receiver) const;
    QWidget* window_;
    QWidget* area_;
    Handler handler_;
    std::optional<int> heldKey_; // the key the handler took, until it is let go
};

} // namespace frontend
