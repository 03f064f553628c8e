// SPDX-License-Identifier: MIT
#pragma once
// A fault in one of the game's data files: which file, where it was read, which line, and what is wrong
// there. The words the player reads are made where the message is shown; what() is the detail in plain
// words, "romaji.txt, line 3: … (/home/kid/.local/share/pokuraku/romaji.txt)".
#include <stdexcept>
#include <string>
#include <vector>

class DataFileError : public std::runtime_error {
public:
    // line 0 means the fault concerns the file as a whole (unreadable, not a file, too large). path, when
    // known, is the full path of the file that was read: with a bank in the player's own folder as well as
    // the shipped one, the message says which of them is at fault.
    DataFileError(std::string file, int line, std::string reason, std::string path = {});
    // No folder of the look-up holds the file; folders are named in the order they were searched.
    static DataFileError missing(const std::string& file, const std::vector<std::string>& folders);

    const std::string& file() const { return file_; }
    int line() const { return line_; }
    const std::string& path() const { return path_; }
    // What is wrong, without the file, line and path around it.
    const std::string& reason() const { return reason_; }
    // True when no folder holds the file; searchedFolders() then names them in order.
    bool isMissing() const { return missing_; }
    const std::vector<std::string>& searchedFolders() const { return searchedFolders_; }
    // What is wrong, in words a teacher reads first; empty where the reason has none.
    const std::string& japaneseReason() const { return japaneseReason_; }
    DataFileError& explainedAs(std::string japanese) {
        japaneseReason_ = std::move(japanese);
        return *this;
    }

private:
    DataFileError(std::string file, std::string reason, std::vector<std::string> folders);
    std::string file_;
    int line_ = 0;
    std::string path_;
    std::string reason_;
    bool missing_ = false;
    std::vector<std::string> searchedFolders_;
    std::string japaneseReason_;
};
