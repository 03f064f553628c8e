// SPDX-License-Identifier: MIT
#pragma once
// A menu item or menu of a window's menu bar as a Qt action: it follows the item's text, state and
// visibility and raises its events.
#include "toolkit/menu.h"
#include <QAction>
#include <QMenu>
#include <QObject>

namespace frontend {

class MenuView : public QObject, public toolkit::MenuView {
    Q_OBJECT
public:
    // menu: the menu the action opens, if it opens one.
    MenuView(toolkit::MenuItem& item, QAction* action, QMenu* menu);
    void changed() override;
    void detach();
    QAction* action() const { return action_; }
    // The action of a menu item, for the front end's own checks and tests.
    static QAction* of(const toolkit::MenuItem* item);

private:
    toolkit::MenuItem* item_;
    QAction* action_;
};

} // namespace frontend
