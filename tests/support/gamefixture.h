// SPDX-License-Identifier: MIT
#pragma once
// A whole program in a temporary working folder, with recording services, a clock the test controls and a
// display with no screen (or the one a front end's test hands it).
#include "game/program.h"
#include "support/fakes.h"
#include "support/headless.h"
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// A folder of its own under the system's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string filePath(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

class GameFixture {
public:
    // Writes romaji.txt (given as UTF-8 text, stored as code page 932) unless bank is nullopt.
    explicit GameFixture(const std::optional<std::string>& bank = defaultBank(),
                         std::unique_ptr<toolkit::Display> shownOn = nullptr);
    virtual ~GameFixture();

    static std::string defaultBank();
    void writeText(const std::string& name, const std::string& text); // stored as code page 932
    void writeBytes(const std::string& name, const std::string& bytes);
    void start() { program->start(); }
    // Lets go of the windows the screens closed, as a front end does once their last event is over.
    virtual void flushDeletes();

    TemporaryFolder dir;
    RecordingSound sound;
    ScriptedMessageBox messageBox;
    RecordingErrors errors;
    MemorySettings settings;
    record::MemoryStore recordStore;
    std::unique_ptr<toolkit::Display> displayOwned;
    toolkit::Display& display;
    std::uint64_t clock = 1000; // frozen unless the test moves it
    Random random{[this] { return clock; }};
    std::unique_ptr<Program> program;
};
