// SPDX-License-Identifier: MIT
#pragma once
// Every event handler runs behind one guard: an error that no handler traps is shown in the standard error
// box, and the program ends with a non-zero exit status. While that box is open the program is ending: no
// other handler runs, so a timer cannot bring up a half-loaded screen behind the box.
#include <exception>
#include <string>

namespace toolkit {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Tells the player what went wrong and ends the program; a test double only records.
    virtual void fatal(const std::string& playerText, const std::string& detail) = 0;
};

// What the error box says: what went wrong, then that the program ends.
inline std::string fatalText(const std::string& playerText) {
    return playerText + "\n\nポクラクを終わります。";
}

class Guard {
public:
    explicit Guard(ErrorReporter& reporter) : reporter_(reporter) {}

    template <class Handler> void run(Handler&& handler) noexcept {
        if (reporting_) return;
        try {
            handler();
        } catch (...) {
            report(std::current_exception());
        }
    }

private:
    void report(std::exception_ptr error) noexcept;
    ErrorReporter& reporter_;
    bool reporting_ = false;
};

} // namespace toolkit
