// SPDX-License-Identifier: MIT
// pokuraku-bankcheck: checks the word game's question bank and practice data and names the file and line of
// every fault, so that a teacher who edits the files can mend them.
#include "file_check.h"
#include "services/wordlink/word_link.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>
#include <algorithm>

using namespace bankcheck;
using namespace wordlink;

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
    "1 when problems were reported, 2 on a usage error or a file that cannot be read.\n"
    "\n"
    "--link BASE-URL: for a question bank without problems, also prints the link that hands it to a\n"
    "class (the game's site address, then #words= and the list, compressed) and writes its QR code\n"
    "beside the bank as NAME-qr.png. The link holds the words and nothing else; the part after #\n"
    "never reaches a server.";

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

// A QR code as a picture to show on a classroom's screen or print: 8 pixels a module, four modules of white
// round it, which a camera needs to find it.
QImage qrImage(const QrModules& qr) {
    constexpr int scale = 8, quiet = 4;
    QImage image((qr.size + 2 * quiet) * scale, (qr.size + 2 * quiet) * scale, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int r = y / scale - quiet, c = x / scale - quiet;
            if (r >= 0 && c >= 0 && r < qr.size && c < qr.size && qr.dark[r * qr.size + c]) row[x] = 0;
        }
    }
    return image;
}

// The link that hands a checked bank to a class, and its QR code beside the bank.
int link(const QString& site, const QString& bank, QTextStream& out, QTextStream& err) {
    QFile file(bank);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(err, QStringLiteral("pokuraku-bankcheck: 「%1」を読めません").arg(bank),
             QStringLiteral("pokuraku-bankcheck: cannot read %1").arg(bank));
        return kUsageOrReadError;
    }
    const QByteArray bytes = file.readAll();
    const std::string text = wordLink(site.toStdString(), bytes.toStdString());
    const QString linkText = QString::fromStdString(text);
    if (text.size() - text.find('#') - 1 > kMostFragment) {
        tell(err,
             QStringLiteral("%1：リンクが長すぎます（#の後ろが%2文字まで）").arg(bank).arg(kMostFragment),
             QStringLiteral("%1: the link is too long (at most %2 characters after #)")
                 .arg(bank)
                 .arg(kMostFragment));
        return kFaultsFound;
    }
    tell(out, QStringLiteral("%1：リンク").arg(bank), QStringLiteral("%1: link").arg(bank));
    out << linkText << "\n";
    const std::optional<QrModules> qr = qrModules(text);
    if (!qr) {
        tell(out,
             QStringLiteral("%1：リンクが長いので（%2文字）、QRコードは作りません。教室のうしろから読める"
                            "QRコードは%3×%3まで。リンクを配ってください")
                 .arg(bank)
                 .arg(linkText.size())
                 .arg(kMostQrModules),
             QStringLiteral("%1: no QR code: the link (%2 characters) needs more than the %3x%3 modules a "
                            "camera reads across a classroom; hand out the link")
                 .arg(bank)
                 .arg(linkText.size())
                 .arg(kMostQrModules));
        return kClean;
    }
    const QFileInfo info(bank);
    const QString png = info.dir().filePath(info.completeBaseName() + QStringLiteral("-qr.png"));
    if (!qrImage(*qr).save(png, "PNG")) {
        tell(err, QStringLiteral("pokuraku-bankcheck: QRコードを「%1」に書けません").arg(png),
             QStringLiteral("pokuraku-bankcheck: cannot write the QR code to %1").arg(png));
        return kUsageOrReadError;
    }
    tell(out, QStringLiteral("%1：QRコード（%2×%2）を書きました").arg(png).arg(qr->size),
         QStringLiteral("%1: QR code written (%2x%2 modules)").arg(png).arg(qr->size));
    return kClean;
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
    const QCommandLineOption linkOption(
        QStringLiteral("link"),
        QStringLiteral(
            "Also print the link that hands the bank to a class, for the game's site at this address, "
            "and write its QR code beside the bank as NAME-qr.png."),
        QStringLiteral("base-url"));
    parser.addOption(help);
    parser.addOption(bankOption);
    parser.addOption(practiceOption);
    parser.addOption(linkOption);
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

    const QString site = QString::fromStdString(siteAddress(parser.value(linkOption).toStdString()));
    if (parser.isSet(linkOption) && (site.isEmpty() || bank.isEmpty())) {
        tell(err,
             QStringLiteral("pokuraku-bankcheck: --link には ゲームのサイトのアドレス（https://…）と"
                            "問題ファイルを指定してください"),
             QStringLiteral("pokuraku-bankcheck: --link takes the game's site address (https://...) and a "
                            "question bank"));
        return kUsageOrReadError;
    }

    int status = kClean;
    for (const Job& job : {Job{bank, DataKind::Bank}, Job{practice, DataKind::Practice}}) {
        if (job.path.isEmpty()) continue;
        status = std::max(status, run(job, out, err));
        out.flush();
    }
    if (!site.isEmpty() && status == kClean)
        status = link(site, bank, out, err);
    else if (!site.isEmpty())
        tell(err, QStringLiteral("pokuraku-bankcheck: まちがいがあるので、リンクは作りません"),
             QStringLiteral("pokuraku-bankcheck: no link for files with problems"));
    return status;
}
