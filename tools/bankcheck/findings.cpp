// SPDX-License-Identifier: MIT
#include "findings.h"

#include "services/data/datafileerror.h"

namespace bankcheck {
namespace {

// The game's reader says what is wrong in English; the teacher is told the same in Japanese. Each entry
// matches the start of the reader's words.
struct JapaneseReason {
    const char* english;
    const char16_t* japanese;
};

constexpr JapaneseReason kReasons[] = {
    {"no such file", u"ファイルがありません"},
    {"it is ", u"ファイルではありません（フォルダや装置です）"},
    {"cannot open the file", u"ファイルを開けません"},
    {"cannot read the file", u"ファイルを読めません"},
    {"the file is too large", u"ファイルが大きすぎます"},
    {"the line holds a NUL byte", u"この行に NUL文字（値が0のバイト）があります"},
    {"bytes that are not valid", u"UTF-8としてもShift_JISとしても読めない文字があります。UTF-8か"
                                 u"Shift_JISで保存しなおしてください"},
    {"a private-use character", u"どのフォントでも表示できない文字（外字）があります。ふつうの文字で書いて"
                                u"ください"},
    {"a user-defined character", u"どのフォントでも表示できない文字（外字）があります。ふつうの文字で書いて"
                                 u"ください"},
    {"a double quote opened here is never closed", u"ここで始まる「\"」が閉じられていません"},
};

} // namespace

Finding findingOf(const DataFileError& error, int firstLine) {
    const int line = error.line() > 0 ? firstLine + error.line() - 1 : 0;
    const std::string& reason = error.reason();
    QString japanese =
        line > 0 ? QStringLiteral("この行を読めません") : QStringLiteral("ファイルを読めません");
    for (const JapaneseReason& r : kReasons) {
        if (reason.starts_with(r.english)) {
            japanese = QString::fromUtf16(r.japanese);
            break;
        }
    }
    return {line, japanese, QString::fromStdString(reason)};
}

} // namespace bankcheck
