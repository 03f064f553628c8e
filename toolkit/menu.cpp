// SPDX-License-Identifier: MIT
#include "toolkit/menu.h"

namespace toolkit {

void MenuItem::setText(std::string text) {
    text_ = std::move(text);
    if (view_) view_->changed();
}

void MenuItem::setEnabled(bool on) {
    enabled_ = on;
    if (view_) view_->changed();
}

void MenuItem::setVisible(bool shown) {
    visible_ = shown;
    if (view_) view_->changed();
}

void MenuItem::setChecked(bool checked) {
    checkable_ = true;
    checked_ = checked;
    if (view_) view_->changed();
}

MenuItem* MenuItem::add(std::string text) {
    menu_ = true;
    items_.push_back(std::make_unique<MenuItem>(std::move(text)));
    return items_.back().get();
}

} // namespace toolkit
