// SPDX-License-Identifier: MIT
#pragma once
// A window's menus: the bar holds items and menus; a menu holds items. Choosing an item raises its
// triggered event; a menu raises aboutToShow as it opens.
#include "toolkit/event.h"
#include <memory>
#include <string>
#include <vector>

namespace toolkit {

class MenuView {
public:
    virtual ~MenuView() = default;
    virtual void changed() = 0;
};

class MenuItem {
public:
    explicit MenuItem(std::string text = {}) : text_(std::move(text)) {}
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& text() const { return text_; }
    void setText(std::string text);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    bool isVisible() const { return visible_; }
    void setVisible(bool shown);
    // An item that shows a check mark when it stands for the choice in force.
    bool isCheckable() const { return checkable_; }
    bool isChecked() const { return checked_; }
    void setChecked(bool checked);
    const std::string& objectName() const { return name_; }
    void setObjectName(std::string name) { name_ = std::move(name); }

    // Adds an item below this one, which becomes a menu.
    MenuItem* add(std::string text);
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
    bool isMenu() const { return menu_; }
    // Makes this a menu even before it holds an item.
    void makeMenu() { menu_ = true; }

    // What the player's choice does, also for tests and keyboard shortcuts.
    void trigger() const { triggered(); }

    Event<> triggered;
    Event<> aboutToShow;

    MenuView* view() const { return view_; }
    void setView(MenuView* view) { view_ = view; }

private:
    std::string text_;
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checkable_ = false;
    bool checked_ = false;
    bool menu_ = false;
    std::vector<std::unique_ptr<MenuItem>> items_;
    MenuView* view_ = nullptr;
};

} // namespace toolkit
