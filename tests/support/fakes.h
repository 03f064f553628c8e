// SPDX-License-Identifier: MIT
#pragma once
// Test doubles for the services the program hands its screens: a sound player that records the cues, a
// message box that records what it showed (and may run code while it is "open"), an error reporter that
// records instead of ending the process, and a clock the test controls.
#include "services/sound/sound.h"
#include "toolkit/colour.h"
#include "toolkit/guard.h"
#include "toolkit/messagebox.h"
#include "toolkit/settings.h"
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Failed checks name the cues ("Hint") and spell the colours, not their numbers.
namespace sound {
inline void PrintTo(Cue cue, std::ostream* out) {
    *out << name(cue);
}
} // namespace sound
namespace toolkit {
inline void PrintTo(Colour colour, std::ostream* out) {
    *out << "rgb(" << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ")";
}
} // namespace toolkit

class RecordingSound : public SoundPlayer {
public:
    void play(Cue cue) override { played.push_back(cue); }
    std::vector<Cue> played;
};

// The player's remembered choices, kept in memory for one test.
class MemorySettings : public toolkit::Settings {
public:
    std::string value(const std::string& key) const override {
        const auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    }
    void setValue(const std::string& key, const std::string& value) override { values[key] = value; }
    std::map<std::string, std::string> values;
};

class ScriptedMessageBox : public toolkit::MessageBox {
public:
    struct Shown {
        std::string text, title;
        toolkit::MessageIcon icon;
    };
    void show(const std::string& text, const std::string& title, toolkit::MessageIcon icon,
              std::function<void()> closed) override {
        shown.push_back({text, title, icon});
        if (whileOpen) whileOpen();
        closed();
    }
    void ask(const std::string& text, const std::string& title, std::function<void(bool)> answered) override {
        shown.push_back({text, title, toolkit::MessageIcon::none});
        answered(answers.empty() ? false : answers.front() == "はい");
        if (!answers.empty()) answers.erase(answers.begin());
    }
    void askText(const std::string& text, const std::string& title, const std::string&,
                 std::function<void(std::optional<std::string>)> answered) override {
        shown.push_back({text, title, toolkit::MessageIcon::none});
        std::optional<std::string> answer;
        if (!answers.empty()) answer = answers.front();
        if (!answers.empty()) answers.erase(answers.begin());
        answered(answer);
    }
    std::vector<Shown> shown;
    std::function<void()> whileOpen;
    // What the player answers the questions, in turn: はい or いいえ, or a line of text; none left: いいえ,
    // or cancelled.
    std::vector<std::string> answers;
};

class RecordingErrors : public toolkit::ErrorReporter {
public:
    void fatal(const std::string& playerText, const std::string& detail) override {
        playerTexts.push_back(playerText);
        details.push_back(detail);
        if (whileOpen) whileOpen();
    }
    std::vector<std::string> playerTexts;
    std::vector<std::string> details;
    // Runs while the error box would be open (the real box never returns; this one does afterwards).
    std::function<void()> whileOpen;
};
