// SPDX-License-Identifier: MIT
#pragma once
// Hands the player a file the game made (the learning record as a table): a save dialog on the desktop, a
// download in the page. Returns at once; done runs on the UI thread with whether the file was written, and
// when it was not for a reason other than the player's cancelling, that reason in Japanese.
#include <functional>
#include <string>

namespace toolkit {

class FileExport {
public:
    virtual ~FileExport() = default;
    virtual void offer(const std::string& suggestedName, const std::string& bytes,
                       std::function<void(bool written, const std::string& failure)> done) = 0;
};

} // namespace toolkit
