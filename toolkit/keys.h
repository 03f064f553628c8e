// SPDX-License-Identifier: MIT
#pragma once
// One physical key press, as a front end hands it to a screen: the key's number and the text it types (empty
// for a dead key). The numbers are those of the desktop's window library, which the browser's front end
// follows too; the screens name only the few below.
#include <string>

namespace toolkit {

struct KeyPress {
    int key = 0;
    std::string text;
    // The keyboard repeating a key held down.
    bool autoRepeat = false;
    // A press the game never takes: Ctrl, Alt or Meta is held (the keys of menus and shortcuts), or the
    // window is not in front (a box is open over it).
    bool forOthers = false;
};

namespace keys {
inline constexpr int escape = 0x01000000;
inline constexpr int backspace = 0x01000003;
inline constexpr int enter = 0x01000004; // the main keyboard's Enter (Return)
inline constexpr int keypadEnter = 0x01000005;
inline constexpr int down = 0x01000015;           // the arrow key
inline constexpr int caret = 0x5e;                // ^ typed as a character
inline constexpr int deadCircumflex = 0x01001252; // the dead ^ of layouts that have one
} // namespace keys

} // namespace toolkit
