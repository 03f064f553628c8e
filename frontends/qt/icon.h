// SPDX-License-Identifier: MIT
#pragma once
class QIcon;

namespace frontend {
// The program icon, one object for every window: a window built with a fresh icon of its own would leave
// new scaled copies in Qt's pixmap cache each time the screen is opened.
const QIcon& programIcon();
} // namespace frontend
