// SPDX-License-Identifier: MIT
#pragma once
// What the page gives the game: its dialogs, its storage and its sound.
#include "services/sound/cuelibrary.h"
#include "services/sound/sound.h"
#include "toolkit/guard.h"
#include "toolkit/messagebox.h"
#include "toolkit/settings.h"
#include <functional>
#include <set>

namespace web {

// A modal dialog in the page; closed() runs when the player closes it.
class PageMessageBox : public toolkit::MessageBox {
public:
    void show(const std::string& text, const std::string& title, toolkit::MessageIcon icon,
              std::function<void()> closed) override;
    void ask(const std::string& text, const std::string& title, std::function<void(bool)> answered) override;
    void askText(const std::string& text, const std::string& title, const std::string& initial,
                 std::function<void(std::optional<std::string>)> answered) override;
};

// The error box: the game stops behind it; once it is closed the page offers a new game.
class PageErrors : public toolkit::ErrorReporter {
public:
    explicit PageErrors(std::function<void()> stopGame) : stopGame_(std::move(stopGame)) {}
    void fatal(const std::string& playerText, const std::string& detail) override;

private:
    std::function<void()> stopGame_;
};

// The page's local storage, under names that start with "pokuraku/".
class PageSettings : public toolkit::Settings {
public:
    std::string value(const std::string& key) const override;
    void setValue(const std::string& key, const std::string& value) override;
};

// The cues through the page's Web Audio, decoded by the game's own WAV reader. The page keeps each decoded
// cue, so its samples cross over once; it plays one cue at a time, the newest winning.
class PageSound : public SoundPlayer {
public:
    explicit PageSound(std::vector<std::filesystem::path> folders) : cues_(std::move(folders)) {}
    void play(Cue cue) override;

private:
    sound::CueLibrary cues_;
    // Held, so that no other cue's samples are ever made at the same address.
    std::set<std::shared_ptr<const sound::Pcm>> handedOver_;
};

} // namespace web
