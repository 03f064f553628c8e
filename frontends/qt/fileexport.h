// SPDX-License-Identifier: MIT
#pragma once
// The desktop hands the player a file through a save dialog that leaves the game running behind it (never a
// nested event loop); the bytes are written on a thread of their own, replacing the chosen file whole or
// not at all.
#include "toolkit/fileexport.h"
#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <thread>

namespace frontend {

class QtFileExport : public toolkit::FileExport {
public:
    ~QtFileExport() override;
    void offer(const std::string& suggestedName, const std::string& bytes,
               std::function<void(bool written, const std::string& failure)> done) override;
    // The dialog while it is open (for tests).
    QFileDialog* dialog() const { return dialog_; }

private:
    void write(const QString& fileName, const std::string& bytes,
               std::function<void(bool, const std::string&)> done);
    QObject uiThread_;
    QPointer<QFileDialog> dialog_;
    std::thread writer_;
};

} // namespace frontend
