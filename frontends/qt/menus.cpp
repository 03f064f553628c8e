// SPDX-License-Identifier: MIT
#include "frontends/qt/menus.h"

namespace frontend {

MenuView::MenuView(toolkit::MenuItem& item, QAction* action, QMenu* menu)
    : QObject(action), item_(&item), action_(action) {
    action->setObjectName(QString::fromStdString(item.objectName()));
    if (menu) {
        menu->setObjectName(QString::fromStdString(item.objectName()));
        connect(menu, &QMenu::aboutToShow, this, [this] {
            if (item_) item_->aboutToShow();
        });
    } else {
        connect(action, &QAction::triggered, this, [this] {
            if (item_) item_->triggered();
        });
    }
    item.setView(this);
    changed();
}

void MenuView::changed() {
    if (!item_) return;
    action_->setText(QString::fromStdString(item_->text()));
    action_->setEnabled(item_->isEnabled());
    action_->setVisible(item_->isVisible());
    action_->setCheckable(item_->isCheckable());
    action_->setChecked(item_->isChecked());
}

void MenuView::detach() {
    if (item_) item_->setView(nullptr);
    item_ = nullptr;
}

QAction* MenuView::of(const toolkit::MenuItem* item) {
    const auto* view = item ? dynamic_cast<const MenuView*>(item->view()) : nullptr;
    return view ? view->action() : nullptr;
}

} // namespace frontend
