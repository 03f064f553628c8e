// SPDX-License-Identifier: MIT
#pragma once
// Builds controls from their definitions: positions and sizes in twips, fonts in points, colours as RGB.
// Screens describe their controls as tables of these and never place widgets by hand.
#include "toolkit/controls.h"
#include <QColor>
#include <QFont>
#include <QString>
#include <initializer_list>

namespace toolkit {

struct FontDef {
    QString family; // empty: the default label font
    double points = 9;
    bool bold = false;
};

// Point sizes are turned into pixel sizes at 96 dots per inch, so text keeps its place on the twip grid on
// any screen; HiDPI scaling then enlarges text and geometry alike.
QFont makeFont(const FontDef& def);
const FontDef& defaultFont();

struct Rect {
    int left, top, width, height; // twips
};

struct LabelDef {
    Rect at;
    QString caption;
    QColor fore = Qt::black;
    QColor back = Qt::white;
    FontDef font = defaultFont();
    Qt::Alignment align = Qt::AlignLeft;
    bool visible = true;
    bool border = false;
};

struct ButtonDef {
    Rect at;
    QString caption;
    QColor back;
    FontDef font = defaultFont();
    bool visible = true;
};

struct PictureDef {
    Rect at;
    QString picture; // resource path, empty for none
    QColor back = Qt::white;
    bool visible = true;
    bool autoSize = false;
    QString toolTip;
    bool border = false;
};

// A picture from the resources. On a screen scaled by more than one the picture made at twice its size
// ("name@2x.gif") is loaded in its place, so pictures stay as sharp as the text; either way it takes the
// same room, its defined size in pixels of the layout.
Picture loadPicture(const QString& resource);

// Gives each control its name in the screen's definition ("Label4", "Command1", "hyou"), so the control a
// player meets and the name it is defined by lead to each other.
struct DefinedName {
    QObject* control;
    const char* name;
};
void nameControls(std::initializer_list<DefinedName> names);

Label* makeLabel(QWidget* parent, const LabelDef& def);
Button* makeButton(QWidget* parent, const ButtonDef& def);
PictureBox* makePicture(QWidget* parent, const PictureDef& def);
QCursor cursorFrom(const QString& resource, QPoint hotSpot);

} // namespace toolkit
