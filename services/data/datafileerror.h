#pragma once
// A fault in one of the game's data files: which file, which line, and what is wrong there.
#include "toolkit/runtimeerror.h"
#include <QStringList>

class DataFileError : public toolkit::RuntimeError {
public:
    // line 0 means the fault concerns the file as a whole (unreadable, not a file, too large). path, when
    // known, is the full path of the file that was read: with a bank in the player's own folder as well as
    // the shipped one, the message says which of them is at fault.
    DataFileError(QString file, int line, QString reason, QString path = {});
    // No folder of the look-up holds the file; folders are named in the order they were searched.
    static DataFileError missing(const QString& file, const QStringList& folders);
    const QString& file() const { return file_; }
    int line() const { return line_; }
    const QString& path() const { return path_; }
    // What is wrong, without the file, line and path around it.
    const QString& reason() const { return reason_; }

private:
    DataFileError(QString file, QString playerText, QString detail, QString reason);
    QString file_;
    int line_;
    QString path_;
    QString reason_;
};
