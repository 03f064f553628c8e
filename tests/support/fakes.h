// SPDX-License-Identifier: MIT
#pragma once
// Test doubles for the services the program hands its screens: a sound player that records the cues, a
// message box that records what it showed (and may run code while it is "open"), an error reporter that
// records instead of ending the process, and a clock the test controls.
#include "services/sound/sound.h"
#include "toolkit/guard.h"
#include "toolkit/messagebox.h"
#include "toolkit/settings.h"
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <map>

namespace sound {
// Failed checks name the cues ("Hint"), not their numbers.
inline char* toString(Cue cue) {
    return qstrdup(name(cue));
}
} // namespace sound

class RecordingSound : public SoundPlayer {
public:
    void play(Cue cue) override { played << cue; }
    QList<Cue> played;
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
        QString text, title;
        toolkit::MessageIcon icon;
    };
    void show(const std::string& text, const std::string& title, toolkit::MessageIcon icon,
              std::function<void()> closed) override {
        shown.append({QString::fromStdString(text), QString::fromStdString(title), icon});
        if (whileOpen) whileOpen();
        closed();
    }
    QList<Shown> shown;
    std::function<void()> whileOpen;
};

class RecordingErrors : public toolkit::ErrorReporter {
public:
    void fatal(const std::string& playerText, const std::string& detail) override {
        playerTexts << QString::fromStdString(playerText);
        details << QString::fromStdString(detail);
        if (whileOpen) whileOpen();
    }
    QStringList playerTexts;
    QStringList details;
    // Runs while the error box would be open (the real box never returns; this one does afterwards).
    std::function<void()> whileOpen;
};
