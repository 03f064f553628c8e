// SPDX-License-Identifier: MIT
#pragma once
// The player's choices that outlast the program, by name: a small settings file on the desktop, the page's
// storage in a browser. A value that was never stored, or cannot be read, comes back empty.
#include <string>

namespace toolkit {

class Settings {
public:
    virtual ~Settings() = default;
    virtual std::string value(const std::string& key) const = 0;
    virtual void setValue(const std::string& key, const std::string& value) = 0;
};

} // namespace toolkit
