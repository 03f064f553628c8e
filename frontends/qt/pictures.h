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
QPixmap loadPicture(const QString& resource);
// The picture a screen names; each is loaded once and shared by every box that shows it. Empty: none.
QPixmap picture(const std::string& name);
// The pointer a control or window asks for; nullopt: the pointer of whatever lies under it.
std::optional<QCursor> cursorFor(const toolkit::Cursor& cursor);

} // namespace frontend
