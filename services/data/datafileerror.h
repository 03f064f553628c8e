#pragma once
// A fault in one of the game's data files: which file, which line, and what is wrong there.
#include "toolkit/runtimeerror.h"

class DataFileError : public toolkit::RuntimeError {
public:
    // line 0 means the fault concerns the file as a whole (missing, unreadable).
    DataFileError(QString file, int line, QString detail);
    // The file is not in the folder the game was started from. dataFolder, when known, is the folder that
    // does hold it: the message then says to start the game there, and how.
    static DataFileError missing(const QString& file, const QString& folder, const QString& dataFolder = {});
    const QString& file() const { return file_; }
    int line() const { return line_; }

private:
    DataFileError(QString file, QString playerText, QString detail);
    QString file_;
    int line_;
};
