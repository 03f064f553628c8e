// SPDX-License-Identifier: MIT
#pragma once
// A whole program in a temporary working folder, with recording services and a clock the test controls.
#include "frontends/qt/window.h"
#include "game/program.h"
#include "support/fakes.h"
#include <QTemporaryDir>
#include <memory>

class GameFixture {
public:
    // Writes romaji.txt (given as UTF-8 text, stored as code page 932) unless bank is empty-null.
    explicit GameFixture(const QString& bank = defaultBank());
    ~GameFixture();

    static QString defaultBank();
    void writeText(const QString& name, const QString& text); // stored as code page 932
    void writeBytes(const QString& name, const QByteArray& bytes);
    void start() { program->start(); }
    // Runs deferred deletions, so windows closed by the screens are really gone.
    static void flushDeletes();

    QTemporaryDir dir;
    RecordingSound sound;
    ScriptedMessageBox messageBox;
    RecordingErrors errors;
    MemorySettings settings;
    frontend::QtDisplay display;
    std::uint64_t clock = 1000; // frozen unless the test moves it
    Random random{[this] { return clock; }};
    std::unique_ptr<Program> program;
};
