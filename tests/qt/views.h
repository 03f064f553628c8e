// SPDX-License-Identifier: MIT
#pragma once
// What the desktop shows of a screen: the Qt window of a screen and the widget of a control, for checks of
// places in pixels, fonts and pictures as drawn, and for clicks and keys sent as the player's would be.
#include "frontends/qt/menus.h"
#include "frontends/qt/widgets.h"
#include "frontends/qt/window.h"
#include "toolkit/screen.h"

inline frontend::QtWindow* qtWindow(const toolkit::Screen& screen) {
    return frontend::QtWindow::of(screen.window());
}

template <class Widget = QWidget> Widget* widget(const toolkit::Control* control) {
    return dynamic_cast<Widget*>(frontend::ControlWidget::of(control));
}

inline QAction* action(const toolkit::MenuItem* item) {
    return frontend::MenuView::of(item);
}
