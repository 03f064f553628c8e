// SPDX-License-Identifier: MIT
#pragma once
// Speaks a word aloud in Japanese, where the device has a Japanese voice (the browser's speech synthesis;
// the desktop has none yet). Until it is known whether a voice exists, and where none does, available() is
// false; changed() runs on the UI thread whenever available() changes.
#include <functional>
#include <string>

namespace toolkit {

class Speech {
public:
    virtual ~Speech() = default;
    virtual bool available() const = 0;
    // Says the text (kana or kanji as the word list writes it), cutting off whatever it was saying.
    virtual void speak(const std::string& text) = 0;
    std::function<void()> changed;
};

} // namespace toolkit
