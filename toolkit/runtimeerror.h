// SPDX-License-Identifier: MIT
#pragma once
// A run-time error that no handler traps: the guard shows it in the standard error box and ends the program.
// Plain C++: the screens' rules raise it too.
#include <stdexcept>
#include <string>

namespace toolkit {

class RuntimeError : public std::runtime_error {
public:
    // playerText is shown to the player in Japanese; detail says in plain words what went wrong. Both UTF-8.
    RuntimeError(std::string playerText, const std::string& detail)
        : std::runtime_error(detail), playerText_(std::move(playerText)) {}
    const std::string& playerText() const { return playerText_; }
    std::string detail() const { return what(); }

private:
    std::string playerText_;
};

// The error a control array raises for an index it does not hold.
inline RuntimeError subscriptOutOfRange(const char* array, int index) {
    return RuntimeError("プログラムの中でまちがいがおきました。",
                        "Subscript out of range: " + std::string(array) + "(" + std::to_string(index) + ")");
}

} // namespace toolkit
