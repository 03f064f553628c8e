// SPDX-License-Identifier: MIT
#pragma once
// The modal message box: text, title, one OK button and an icon chosen by a style value (16 = stop icon).
// It returns 1 however it is closed. Screens get it as a service so tests can script it.
#include <string>

namespace toolkit {

inline constexpr int styleStop = 16;

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual int show(const std::string& text, const std::string& title, int style) = 0;
};

} // namespace toolkit
