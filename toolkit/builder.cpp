// SPDX-License-Identifier: MIT
#include "toolkit/builder.h"

namespace toolkit {

void define(Guard& guard, std::initializer_list<Defined> rows) {
    for (const Defined& row : rows) {
        row.apply(row.name);
        if (row.connect) row.connect(guard);
    }
}

Label* makeLabel(Window& window, Control* parent, const LabelDef& def) {
    auto* label = window.add<Label>(parent);
    label->setGeometry(def.at);
    label->setText(def.caption);
    label->setForeColor(def.fore);
    label->setBackColor(def.back);
    label->setFont(def.font);
    label->setAlignment(def.align);
    label->setBorder(def.border);
    label->setVisible(def.visible);
    return label;
}

Button* makeButton(Window& window, Control* parent, const ButtonDef& def) {
    auto* button = window.add<Button>(parent);
    button->setGeometry(def.at);
    button->setText(def.caption);
    button->setBackColor(def.back);
    button->setFont(def.font);
    button->setVisible(def.visible);
    return button;
}

PictureBox* makePicture(Window& window, Control* parent, const PictureDef& def) {
    auto* box = window.add<PictureBox>(parent);
    box->setGeometry(def.at);
    box->setPosition(def.at.left, def.at.top);
    box->setBackColor(def.back);
    box->setAutoSize(def.autoSize);
    box->setBorder(def.border);
    box->setPicture(def.picture);
    box->setToolTip(def.toolTip);
    box->setVisible(def.visible);
    return box;
}

} // namespace toolkit
