#pragma once
// Registers the pictures, cursors and sounds compiled into the core library. A static library's resources
// are only linked in when something names them, so the program object does this once at construction.
void loadResources();

class QIcon;
// The program icon, one object for every window: a window built with a fresh icon of its own would leave
// new scaled copies in Qt's pixmap cache each time the screen is opened.
const QIcon& programIcon();
