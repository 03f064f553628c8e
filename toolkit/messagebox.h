// SPDX-License-Identifier: MIT
#pragma once
// The modal message box: text, title, one OK button and an icon. However it is closed, closed() is called
// once the player has closed it: on the desktop before show() returns, in the browser when the player
// closes the dialog in the page (the game goes on meanwhile, so the screen keeps its timers stopped while
// the box is open). Screens get it as a service so tests can script it.
#include <functional>
#include <optional>
#include <string>

namespace toolkit {

enum class MessageIcon { none, stop };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text, const std::string& title, MessageIcon icon,
                      std::function<void()> closed) = 0;
    // The same box asking a question with はい and いいえ; answered runs once, with true for はい (いいえ
    // however else the box is closed).
    virtual void ask(const std::string& text, const std::string& title,
                     std::function<void(bool yes)> answered) = 0;
    // The same box asking for one short line of text (a name), starting from initial; answered runs once,
    // with the text, or with none when the player cancelled.
    virtual void askText(const std::string& text, const std::string& title, const std::string& initial,
                         std::function<void(std::optional<std::string>)> answered) = 0;
};

} // namespace toolkit
