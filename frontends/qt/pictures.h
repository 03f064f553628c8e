// SPDX-License-Identifier: MIT
#pragma once
// The screens' pictures and pointers by name ("creatures/creature03.gif"), from the program's resources.
#include "toolkit/controls.h"
#include <QCursor>
#include <QPixmap>
#include <QString>

namespace frontend {

// A picture from the resources. On a screen scaled by more than one the picture made at twice its size
// ("name@2x.gif") is loaded in its place, so pictures stay as sharp as the text; either way it takes the
// same room, its defined size in pixels of the layout. resource is a resource path (":/main/stamp.gif").
// From a zoom of 1.5 up the larger picture is loaded too, and drawn smoothly scaled in between.
QPixmap loadPicture(const QString& resource, double zoom = 1);
// The picture a screen names; each is loaded once and shared by every box that shows it. Empty: none.
QPixmap picture(const std::string& name, double zoom = 1);
// The pointer a control or window asks for, at the zoom; nullopt: the pointer of whatever lies under it.
std::optional<QCursor> cursorFor(const toolkit::Cursor& cursor, double zoom = 1);

} // namespace frontend
