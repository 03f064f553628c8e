// SPDX-License-Identifier: MIT
#pragma once
// The desktop's message box and error box.
#include "toolkit/guard.h"
#include "toolkit/messagebox.h"

namespace frontend {

class QtMessageBox : public toolkit::MessageBox {
public:
    void show(const std::string& text, const std::string& title, toolkit::MessageIcon icon,
              std::function<void()> closed) override;
};

// Shows the error box and leaves the process with exit status 1.
class QtErrorReporter : public toolkit::ErrorReporter {
public:
    void fatal(const std::string& playerText, const std::string& detail) override;
};

} // namespace frontend
