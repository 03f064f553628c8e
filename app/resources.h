#pragma once
// Registers the pictures, cursors and sounds compiled into the core library. A static library's resources
// are only linked in when something names them, so the program object does this once at construction.
void loadResources();
