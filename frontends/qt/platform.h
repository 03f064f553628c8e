// SPDX-License-Identifier: MIT
#pragma once
// The window system Qt is asked for. Under a Wayland compositor no program may place its own windows, so
// the practice window would lie across the chart; where an X server is at hand too (Xwayland, as on KDE
// Plasma and GNOME), the game asks for X so its windows stand where it puts them. A platform the player
// named (QT_QPA_PLATFORM, e.g. "xcb;wayland") is always kept, and a Wayland-only desktop gets Wayland.
#include <optional>
#include <string>

namespace frontend {

// The platform to ask for, given the environment's QT_QPA_PLATFORM, WAYLAND_DISPLAY and DISPLAY (null when
// unset); none: leave the choice to Qt.
std::optional<std::string> platformFor(const char* playerChoice, const char* waylandDisplay,
                                       const char* display);

} // namespace frontend
