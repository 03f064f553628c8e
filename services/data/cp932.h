#pragma once
// Decoding of the data files' Japanese Windows code page (932, Shift_JIS with its extensions), half-width
// katakana included.
#include <QByteArray>
#include <QString>
#include <optional>

struct Cp932Fault {
    qsizetype offset; // byte offset of the first byte that is not valid code page 932
};

// Returns the text, or the place of the first invalid byte sequence.
std::optional<QString> decodeCp932(const QByteArray& bytes, Cp932Fault* fault = nullptr);
QByteArray encodeCp932(const QString& text);
