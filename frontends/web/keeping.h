// SPDX-License-Identifier: MIT
#pragma once
// What the page keeps and gives beyond the game's own windows: the learning record in the browser's
// IndexedDB (page/record.js), a file for the player as a download, and the device's Japanese voice
// (page/speech.js).
#include "services/record/store.h"
#include "toolkit/fileexport.h"
#include "toolkit/speech.h"

namespace web {

// The browser's database answers later; the game hears it through the page's recordLoaded.
class PageRecordStore : public record::Store {
public:
    void load(std::function<void(record::Loaded)> done) override;
    void append(const record::Row& row) override;
    void replaceAll(const std::vector<record::Row>& rows) override;
};

// The file is handed to the browser's downloads; whether the player keeps it there is the browser's to ask.
class PageFileExport : public toolkit::FileExport {
public:
    void offer(const std::string& suggestedName, const std::string& bytes,
               std::function<void(bool written, const std::string& failure)> done) override;
};

// Available while the device has a Japanese voice; the page says so whenever its voices change.
class PageSpeech : public toolkit::Speech {
public:
    PageSpeech();
    ~PageSpeech() override;
    bool available() const override { return available_; }
    void speak(const std::string& text) override;
    void voicesChanged(bool available);

private:
    bool available_ = false;
};

} // namespace web
