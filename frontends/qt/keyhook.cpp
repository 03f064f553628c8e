// SPDX-License-Identifier: MIT
#include "frontends/qt/keyhook.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace frontend {

KeyHook::KeyHook(QWidget* window, QWidget* area, Down down, Up up)
    : QObject(window), window_(window), area_(area), down_(std::move(down)), up_(std::move(up)) {
    QCoreApplication::instance()->installEventFilter(this);
}

// A key press goes first to the window's focused control (the window itself when none has the focus) and
// then, if that control leaves it, on to its parents. Only the first delivery is watched, so the handler
// sees each press once.
bool KeyHook::watches(QObject* receiver) const {
    QWidget* focused = window_->focusWidget();
    QWidget* first = focused ? focused : window_;
    if (receiver != first) return false;
    return first == window_ || area_->isAncestorOf(first) || first == area_;
}

bool KeyHook::eventFilter(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watches(receiver)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        up_(key->key(), key->isAutoRepeat());
        return false;
    }
    // While a modal box is open, the box is the active window and Qt keeps keys from the windows under it.
    const bool forOthers = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ||
                           !window_->isActiveWindow();
    return down_({key->key(), key->text().toStdString(), key->isAutoRepeat(), forOthers});
}

} // namespace frontend
