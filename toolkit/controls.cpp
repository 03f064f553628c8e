// SPDX-License-Identifier: MIT
#include "toolkit/controls.h"
#include "toolkit/window.h"
#include <algorithm>
#include <cmath>

namespace toolkit {

void Control::setGeometry(Rect at) {
    if (at == at_) return;
    at_ = at;
    changed(changedPlace);
}

bool Control::isVisible() const {
    if (hidden_) return false;
    return parent_ ? parent_->isVisible() : window_.isVisible();
}

void Control::setVisible(bool shown) {
    if (shown == !hidden_) return;
    hidden_ = !shown;
    changed(changedShown);
}

void Control::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    changed(changedEnabled);
}

void Control::setCursor(Cursor cursor) {
    cursor_ = std::move(cursor);
    changed(changedPointer);
}

void Control::setToolTip(std::string text) {
    toolTip_ = std::move(text);
    changed(changedPointer);
}

std::string Control::accessibleName() const {
    if (decorative_) return {};
    if (accessibleName_.empty())
        if (const std::string* shown = caption()) return *shown;
    return accessibleName_;
}

void Control::setAccessibleName(std::string name) {
    if (name == accessibleName_) return;
    accessibleName_ = std::move(name);
    changed(changedName);
}

void Control::setDecorative(bool on) {
    if (on == decorative_) return;
    decorative_ = on;
    changed(changedName);
}

void Label::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    changed(changedText);
}

void Label::setForeColor(Colour colour) {
    fore_ = colour;
    changed(changedLook);
}

void Label::setBackColor(Colour colour) {
    back_ = colour;
    changed(changedLook);
}

void Label::setFont(Font font) {
    font_ = std::move(font);
    changed(changedLook);
}

void Label::setAlignment(Align align) {
    align_ = align;
    changed(changedLook);
}

void Label::setBorder(bool single) {
    border_ = single;
    changed(changedLook);
}

void Label::setTextMayRunBelow(bool on) {
    mayRunBelow_ = on;
    changed(changedLook);
}

void Label::setInkOnly(std::string characters) {
    inkOnly_ = std::move(characters);
    changed(changedText);
}

void Button::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    changed(changedText);
}

void Button::setBackColor(Colour colour) {
    back_ = colour;
    changed(changedLook);
}

void Button::setFont(Font font) {
    font_ = std::move(font);
    changed(changedLook);
}

void PictureBox::setPicture(std::string name) {
    picture_ = std::move(name);
    changed(changedPicture);
}

void PictureBox::setAutoSize(bool on) {
    autoSize_ = on;
    changed(changedPicture);
}

void PictureBox::setBackColor(Colour colour) {
    back_ = colour;
    changed(changedLook);
}

void PictureBox::setBorder(bool single) {
    border_ = single;
    changed(changedLook);
}

void PictureBox::setPosition(double leftTwips, double topTwips) {
    left_ = static_cast<float>(leftTwips);
    top_ = static_cast<float>(topTwips);
    Rect at = geometry();
    at.left = static_cast<int>(std::lround(left_));
    at.top = static_cast<int>(std::lround(top_));
    // Pixels fall on the same half-twip boundaries, so the view moves whenever the whole twips change.
    setGeometry(at);
}

Line::Line(Window& window, Control* parent, Point from, Point to, Colour colour)
    : Control(window, parent, Kind::line), from_(from), to_(to), colour_(colour) {
    setGeometry(
        {std::min(from.x, to.x), std::min(from.y, to.y), std::abs(to.x - from.x), std::abs(to.y - from.y)});
}

} // namespace toolkit
