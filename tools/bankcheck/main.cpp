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
    "followed by ^); no word twice; at most 401 words.\n"
    "Practice data: label numbers 0 to 103, each answer exactly the caption of its label, each\n"
    "prompt a romaji spelling of that kana used for one label only, all 104 labels named, at\n"
    "most 201 records.\n"
    "\n"
    "Every problem is printed as FILE:LINE: message. A line without the right number of fields\n"
    "is reported on its own; the lines after it are checked as they are written. Exit status:\n"
    "0 when no problem was found, 1 when problems were reported, 2 on a usage error or a file\n"
    "that cannot be read.";

struct Job {
    QString path;
    DataKind kind;
};

int run(const Job& job, QTextStream& out, QTextStream& err) {
    const FileReport report = checkFile(job.path, job.kind);
    if (!report.readError.isEmpty()) {
        err << "pokuraku-bankcheck: cannot read " << job.path << ": " << report.readError << "\n";
        return kUsageOrReadError;
    }
    for (const Finding& f : report.findings) {
        out << job.path;
        if (f.line > 0) out << ":" << f.line;
        out << ": " << f.text << "\n";
    }
    out << job.path << ": " << report.records << " records, ";
    if (report.encoding == DataEncoding::Utf8) out << "read as UTF-8, ";
    if (report.findings.isEmpty())
        out << "no problems found\n";
    else
        out << report.findings.size() << " problem(s)\n";
    return report.findings.isEmpty() ? kClean : kFaultsFound;
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
        err << "pokuraku-bankcheck: " << parser.errorText() << "\nTry --help.\n";
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
            err << "pokuraku-bankcheck: too many files; give one question bank and one practice data file\n";
            return kUsageOrReadError;
        }
        slot = path;
    }
    if (bank.isEmpty() && practice.isEmpty()) {
        err << "pokuraku-bankcheck: no file to check\n" << parser.helpText();
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
