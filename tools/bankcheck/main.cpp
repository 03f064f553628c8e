// SPDX-License-Identifier: MIT
// pokuraku-bankcheck: checks the word game's question bank and practice data and names the file and line of
// every fault, so that a teacher who edits the files can mend them.
#include "file_check.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <algorithm>

using namespace bankcheck;

namespace {

constexpr int kClean = 0;
constexpr int kFaultsFound = 1;
constexpr int kUsageOrReadError = 2;

const char* const kDescription =
    "ポクラク（pokuraku）の問題ファイル（romaji.txt：1行に「答え,ことば」）と練習ファイル\n"
    "（romajimojiren.txt：1行に「出題,答え,ラベル番号」）を調べ、まちがいを行ごとに知らせます。\n"
    "終了コード：0 まちがいなし、1 まちがいあり、2 使い方のまちがいか、読めないファイル。\n"
    "\n"
    "Checks the question bank (romaji.txt: answer,word on each line) and the practice data\n"
    "(romajimojiren.txt: prompt,answer,label number on each line) of the pokuraku word game.\n"
    "\n"
    "Both files: UTF-8 (with or without a byte-order mark) or code page 932 (Shift_JIS); a file\n"
    "that is valid UTF-8 and not plain ASCII is read as UTF-8, any other as Shift_JIS. One record\n"
    "per line, lines ended by CR LF, LF or CR, no blank line among the records (an end-of-file\n"
    "mark, Ctrl-Z, may close the file). No user-defined or private-use characters.\n"
    "Question bank: no blank field; each answer without blanks, at most 24 letters and a romaji\n"
    "spelling of its kana word (Hepburn, Kunrei or Nihon-shiki per kana; small tsu doubles the\n"
    "next consonant; n before a vowel or y may also be n' or nn; a long vowel is the vowel\n"
    "followed by ^); no word twice; at most 401 words. A note (not a problem) names tch, the\n"
    "older Hepburn for cch, and n before a vowel or y that reads as another kana (panya).\n"
    "Practice data: label numbers 0 to 103, each answer exactly the caption of its label, each\n"
    "prompt a romaji spelling of that kana used for one label only, all 104 labels named, at\n"
    "most 201 records.\n"
    "\n"
    "Every problem is printed twice: in Japanese as FILE N行目：message, then in English as\n"
    "FILE:LINE: message. A line without the right number of fields is reported on its own; the\n"
    "lines after it are checked as they are written. Exit status: 0 when no problem was found,\n"
    "1 when problems were reported, 2 on a usage error or a file that cannot be read.";

struct Job {
    QString path;
    DataKind kind;
};

// A message for the teacher: the Japanese, then the English, each on a line of its own.
void tell(QTextStream& stream, const QString& japanese, const QString& english) {
    stream << japanese << "\n" << english << "\n";
}

// Which romaji system the answers are written in; the game plays either, and converts Kunrei to Hepburn
// when the player chooses Hepburn.
void tellSystem(QTextStream& out, const QString& path, const FileReport& report) {
    const bool kunrei = report.kunreiAnswers > 0, hepburn = report.hepburnAnswers > 0;
    if (report.mixedAnswers > 0 || (kunrei && hepburn))
        tell(out, QStringLiteral("%1：訓令式とヘボン式がまじっています").arg(path),
             QStringLiteral("%1: written in Kunrei and Hepburn mixed").arg(path));
    else if (kunrei)
        tell(out, QStringLiteral("%1：訓令式で書かれています").arg(path),
             QStringLiteral("%1: written in Kunrei").arg(path));
    else if (hepburn)
        tell(out, QStringLiteral("%1：ヘボン式で書かれています").arg(path),
             QStringLiteral("%1: written in Hepburn").arg(path));
    else
        tell(out, QStringLiteral("%1：訓令式でもヘボン式でも同じつづりです").arg(path),
             QStringLiteral("%1: spelt the same in Kunrei and Hepburn").arg(path));
}

int run(const Job& job, QTextStream& out, QTextStream& err) {
    const FileReport report = checkFile(job.path, job.kind);
    if (report.readError) {
        tell(err,
             QStringLiteral("pokuraku-bankcheck: 「%1」を読めません：%2")
                 .arg(job.path, report.readError->japanese),
             QStringLiteral("pokuraku-bankcheck: cannot read %1: %2")
                 .arg(job.path, report.readError->english));
        return kUsageOrReadError;
    }
    for (const Finding& f : report.findings) {
        if (f.line > 0)
            tell(out, QStringLiteral("%1 %2行目：%3").arg(job.path, QString::number(f.line), f.japanese),
                 QStringLiteral("%1:%2: %3").arg(job.path, QString::number(f.line), f.english));
        else
            tell(out, QStringLiteral("%1：%2").arg(job.path, f.japanese),
                 QStringLiteral("%1: %2").arg(job.path, f.english));
    }
    if (job.kind == DataKind::Bank && report.records > 0) tellSystem(out, job.path, report);
    const bool utf8 = report.encoding == DataEncoding::Utf8;
    // Notes are told but are no problem: the file passes with them.
    const auto faults = std::count_if(report.findings.begin(), report.findings.end(),
                                      [](const Finding& f) { return !f.note; });
    const QString records = QString::number(report.records), problems = QString::number(faults);
    tell(out,
         QStringLiteral("%1：%2件を%3読みました。%4")
             .arg(job.path, records, utf8 ? QStringLiteral("UTF-8として") : QString(),
                  faults == 0 ? QStringLiteral("まちがいは見つかりませんでした")
                              : QStringLiteral("まちがいは%1件です").arg(problems)),
         QStringLiteral("%1: %2 records, %3%4")
             .arg(job.path, records, utf8 ? QStringLiteral("read as UTF-8, ") : QString(),
                  faults == 0 ? QStringLiteral("no problems found")
                              : QStringLiteral("%1 problem(s)").arg(problems)));
    return faults == 0 ? kClean : kFaultsFound;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pokuraku-bankcheck"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption bankOption(QStringLiteral("bank"), QStringLiteral("The question bank to check."),
                                        QStringLiteral("file"));
    const QCommandLineOption practiceOption(
        QStringLiteral("practice"), QStringLiteral("The practice data to check."), QStringLiteral("file"));
    parser.addOption(help);
    parser.addOption(bankOption);
    parser.addOption(practiceOption);
    parser.addPositionalArgument(QStringLiteral("romaji.txt"),
                                 QStringLiteral("The question bank (when --bank is not given)."));
    parser.addPositionalArgument(QStringLiteral("romajimojiren.txt"),
                                 QStringLiteral("The practice data (when --practice is not given)."));

    if (!parser.parse(app.arguments())) {
        tell(err, QStringLiteral("pokuraku-bankcheck: 使い方がちがいます。--help で使い方を表示します"),
             QStringLiteral("pokuraku-bankcheck: %1\nTry --help.").arg(parser.errorText()));
        return kUsageOrReadError;
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        return kClean;
    }

    // Positional files fill the places the options left open: the bank first, then the practice data.
    QString bank = parser.value(bankOption);
    QString practice = parser.value(practiceOption);
    for (const QString& path : parser.positionalArguments()) {
        QString& slot = bank.isEmpty() ? bank : practice;
        if (!slot.isEmpty()) {
            tell(err,
                 QStringLiteral("pokuraku-bankcheck: "
                                "ファイルが多すぎます。問題ファイルと練習ファイルを一つずつ指定します"),
                 QStringLiteral("pokuraku-bankcheck: too many files; give one question bank and one practice "
                                "data file"));
            return kUsageOrReadError;
        }
        slot = path;
    }
    if (bank.isEmpty() && practice.isEmpty()) {
        tell(err, QStringLiteral("pokuraku-bankcheck: 調べるファイルを指定してください"),
             QStringLiteral("pokuraku-bankcheck: no file to check"));
        err << parser.helpText();
        return kUsageOrReadError;
    }

    int status = kClean;
    for (const Job& job : {Job{bank, DataKind::Bank}, Job{practice, DataKind::Practice}}) {
        if (job.path.isEmpty()) continue;
        status = std::max(status, run(job, out, err));
        out.flush();
    }
    return status;
}
