// SPDX-License-Identifier: MIT
#pragma once
// The desktop's message box and error box.
#include "toolkit/guard.h"
#include "toolkit/messagebox.h"
#include <optional>

namespace frontend {

class QtMessageBox : public toolkit::MessageBox {
public:
    void show(const std::string& text, const std::string& title, toolkit::MessageIcon icon,
              std::function<void()> closed) override;
    void ask(const std::string& text, const std::string& title, std::function<void(bool)> answered) override;
    void askText(const std::string& text, const std::string& title, const std::string& initial,
                 std::function<void(std::optional<std::string>)> answered) override;
};

// Shows the error box and leaves the process with exit status 1.
class QtErrorReporter : public toolkit::ErrorReporter {
public:
    void fatal(const std::string& playerText, const std::string& detail) override;
};

} // namespace frontend
