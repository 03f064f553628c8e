// SPDX-License-Identifier: MIT
#include "frontends/qt/keyhook.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace frontend {

KeyHook::KeyHook(QWidget* window, QWidget* area, Handler handler)
    : QObject(window), window_(window), area_(area), handler_(std::move(handler)) {
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
        if (!key->isAutoRepeat() && heldKey_ == key->key()) heldKey_.reset();
        return false;
    }
    if (key->isAutoRepeat()) return heldKey_ == key->key();
    heldKey_.reset();
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    // While a modal box is open, the box is the active window and Qt keeps keys from the windows under it.
    if (!window_->isActiveWindow()) return false;
    if (!handler_({key->key(), key->text().toStdString()})) return false;
    heldKey_ = key->key();
    return true;
}

} // namespace frontend
