// SPDX-License-Identifier: MIT
#pragma once
// The modal message box: text, title, one OK button and an icon. However it is closed, closed() is called
// once the player has closed it: on the desktop before show() returns, in the browser when the player
// closes the dialog in the page (the game goes on meanwhile, so the screen keeps its timers stopped while
// the box is open). Screens get it as a service so tests can script it.
#include <functional>
#include <string>

namespace toolkit {

enum class MessageIcon { none, stop };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text, const std::string& title, MessageIcon icon,
                      std::function<void()> closed) = 0;
};

} // namespace toolkit
