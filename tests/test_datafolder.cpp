// The message about a missing data file when the game is started in the wrong folder: which folder does
// hold the file, and a shell command that starts the game there, quoted so that any folder name works.
#include "services/data/datafileerror.h"
#include "services/data/datafolder.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void findsTheFolderThatHoldsTheFile();
    void startCommandSurvivesTheShell();
    void missingFileMessageNamesTheDataFolder();
};

static void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void DataFolderTest::findsTheFolderThatHoldsTheFile() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir dir(root.path());
    for (const char* name : {"without", "with", "also", "dirnamed"})
        QVERIFY(dir.mkdir(QLatin1String(name)));
    touch(dir.filePath("with/romaji.txt"));
    touch(dir.filePath("also/romaji.txt"));
    QVERIFY(dir.mkdir("dirnamed/romaji.txt")); // a folder of that name is not the file
    const QString gone = dir.filePath("gone"), without = dir.filePath("without"), with = dir.filePath("with"),
                  also = dir.filePath("also"), dirnamed = dir.filePath("dirnamed");

    QCOMPARE(folderHolding("romaji.txt", root.path(), {gone, without, dirnamed, with, also}), with);
    // The folder already searched is not offered again, even written differently.
    QCOMPARE(folderHolding("romaji.txt", with, {with + "/", also}), also);
    QVERIFY(QFile::link(with, dir.filePath("link")));
    QCOMPARE(folderHolding("romaji.txt", with, {dir.filePath("link"), also}), also);
    QCOMPARE(folderHolding("romaji.txt", with, {with}), QString());
    QCOMPARE(folderHolding("romajimojiren.txt", root.path(), {with, also}), QString());
    QCOMPARE(folderHolding("romaji.txt", root.path(), {}), QString());

    // The game's own candidates: beside the executable, then the installed data folder.
    const QString here = QCoreApplication::applicationDirPath();
    const QStringList candidates = dataFolderCandidates();
    QCOMPARE(candidates.size(), 2);
    QCOMPARE(candidates[0], here);
    QCOMPARE(candidates[1], QDir::cleanPath(here + "/../share/pokuraku"));
}

void DataFolderTest::startCommandSurvivesTheShell() {
    QCOMPARE(startCommand("/usr/share/pokuraku", "/usr/bin/pokuraku"),
             QStringLiteral("cd /usr/share/pokuraku && /usr/bin/pokuraku"));

    QTemporaryDir root;
    QVERIFY(root.isValid());
    // Blanks, a quote, a dollar and Japanese: the shell must land in exactly this folder.
    const QString folder = QDir(root.path()).filePath(QStringLiteral("it's $HOME ぽくらく"));
    QVERIFY(QDir().mkpath(folder));
    const QString command = startCommand(folder, QStringLiteral("/bin/pwd"));
    QVERIFY2(command.contains('\''), qPrintable(command));
    QProcess shell;
    shell.start("/bin/sh", {"-c", command});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()).trimmed(), QDir(folder).canonicalPath());
}

void DataFolderTest::missingFileMessageNamesTheDataFolder() {
    const DataFileError unknown = DataFileError::missing("romaji.txt", "/home/kid");
    QCOMPARE(unknown.file(), QStringLiteral("romaji.txt"));
    QCOMPARE(unknown.line(), 0);
    QVERIFY(unknown.playerText().contains(QStringLiteral("「romaji.txt」が見つかりません")));
    QVERIFY(unknown.playerText().contains(QStringLiteral("/home/kid")));
    QVERIFY(
        unknown.playerText().contains(QStringLiteral("データファイルのあるフォルダから起動してください")));
    QVERIFY(unknown.detail().startsWith("romaji.txt: file not found in the folder /home/kid."));
    QVERIFY(!unknown.detail().contains("cd "));

    const DataFileError known =
        DataFileError::missing("romajimojiren.txt", "/home/kid", "/usr/share/pokuraku");
    QVERIFY(known.playerText().contains(QStringLiteral("データファイルのあるフォルダ：/usr/share/pokuraku")));
    QVERIFY(known.detail().startsWith("romajimojiren.txt: file not found in the folder /home/kid."));
    const QString command = "cd /usr/share/pokuraku && " + QCoreApplication::applicationFilePath();
    QVERIFY2(known.detail().endsWith(command), qPrintable(known.detail()));
}

QTEST_GUILESS_MAIN(DataFolderTest)
#include "test_datafolder.moc"
