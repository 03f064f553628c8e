// SPDX-License-Identifier: MIT
// Where the data files are looked up: the player's own folder ($XDG_DATA_HOME/pokuraku) first, then the
// working folder, then the data installed with the game; the first folder that holds a file wins, file by
// file, and a file that no folder holds is named with every folder searched.
#include "screens/datafile_message.h"
#include "screens/main/main_screen.h"
#include "screens/practice/practice_screen.h"
#include "services/data/datafileerror.h"
#include "services/data/datafolder.h"
#include "support/gamefixture.h"
#include "support/stdstring.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void firstFolderHoldingTheFileWins();
    void missingFileNamesEveryFolder();
    void userFolderFollowsXdgDataHome_data();
    void userFolderFollowsXdgDataHome();
    void installedFolder();
    void sameFolderIsSearchedOnce();
    void gameReadsEachFileFromItsFirstFolder();
};

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList q(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << q(text);
    return list;
}

void write(const QString& path, const QByteArray& bytes = "inu,x\r\n") {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Three look-up folders in a temporary folder: the player's, the working and the installed one.
struct Folders {
    Folders() {
        for (const char* name : {"user", "work", "installed"})
            QDir(root.path()).mkdir(QLatin1String(name));
    }
    QString user() const { return root.filePath(QStringLiteral("user")); }
    QString work() const { return root.filePath(QStringLiteral("work")); }
    QString installed() const { return root.filePath(QStringLiteral("installed")); }
    std::vector<std::string> all() const {
        return {user().toStdString(), work().toStdString(), installed().toStdString()};
    }
    QTemporaryDir root;
};

} // namespace

void DataFolderTest::firstFolderHoldingTheFileWins() {
    Folders f;
    const std::string name = "romaji.txt";
    write(f.installed() + "/romaji.txt");
    QCOMPARE(q(findDataFile(name, f.all())), f.installed() + "/romaji.txt");
    write(f.work() + "/romaji.txt");
    QCOMPARE(q(findDataFile(name, f.all())), f.work() + "/romaji.txt");
    write(f.user() + "/romaji.txt");
    QCOMPARE(q(findDataFile(name, f.all())), f.user() + "/romaji.txt");
    // File by file: the practice data is still found where it is.
    write(f.installed() + "/romajimojiren.txt");
    QCOMPARE(q(findDataFile("romajimojiren.txt", f.all())), f.installed() + "/romajimojiren.txt");

    // Whatever holds the name is taken, so the reader says what is wrong with it rather than another file
    // being read in its place: a folder, a link to nothing.
    QVERIFY(QFile::remove(f.user() + "/romaji.txt"));
    QVERIFY(QDir(f.user()).mkdir(q(name)));
    QCOMPARE(q(findDataFile(name, f.all())), f.user() + "/romaji.txt");
    QVERIFY(QFile::link(f.root.filePath("nothing"), f.user() + "/romajimojiren.txt"));
    QCOMPARE(q(findDataFile("romajimojiren.txt", f.all())), f.user() + "/romajimojiren.txt");
}

void DataFolderTest::missingFileNamesEveryFolder() {
    Folders f;
    try {
        findDataFile("romaji.txt", f.all());
        QFAIL("no folder holds the file");
    } catch (const DataFileError& e) {
        QCOMPARE(q(e.file()), QStringLiteral("romaji.txt"));
        QCOMPARE(e.line(), 0);
        const QString playerText = QString::fromStdString(dataFileMessage(e).playerText());
        QVERIFY(playerText.contains(QStringLiteral("「romaji.txt」が見つかりません")));
        QCOMPARE(QString::fromUtf8(e.what()),
                 QStringLiteral("romaji.txt: file not found in any of the folders\n    %1\n    %2\n    %3")
                     .arg(f.user(), f.work(), f.installed()));
        // The player's message lists them in the order they were searched.
        const qsizetype user = playerText.indexOf(f.user()), work = playerText.indexOf(f.work()),
                        installed = playerText.indexOf(f.installed());
        QVERIFY2(user > 0 && work > user && installed > work, qPrintable(playerText));
    }
    const DataFileError one = DataFileError::missing("romaji.txt", {"/home/kid"});
    QCOMPARE(QString::fromUtf8(one.what()),
             QStringLiteral("romaji.txt: file not found in the folder\n    /home/kid"));
}

void DataFolderTest::userFolderFollowsXdgDataHome_data() {
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QString>("folder");
    QTest::newRow("set") << QByteArray("/srv/kids/share") << QStringLiteral("/srv/kids/share/pokuraku");
    QTest::newRow("trailing slash") << QByteArray("/srv/kids/share/")
                                    << QStringLiteral("/srv/kids/share/pokuraku");
    QTest::newRow("empty") << QByteArray("") << QStringLiteral("/home/kid/.local/share/pokuraku");
    QTest::newRow("relative, so ignored")
        << QByteArray("share") << QStringLiteral("/home/kid/.local/share/pokuraku");
    QTest::newRow("unset") << QByteArray() << QStringLiteral("/home/kid/.local/share/pokuraku");
}

void DataFolderTest::userFolderFollowsXdgDataHome() {
    QFETCH(QByteArray, xdg);
    QFETCH(QString, folder);
    const QByteArray home = qgetenv("HOME"), before = qgetenv("XDG_DATA_HOME");
    const bool hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("HOME", "/home/kid");
    if (xdg.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", xdg);
    const QString found = q(userDataFolder());
    qputenv("HOME", home);
    if (hadXdg)
        qputenv("XDG_DATA_HOME", before);
    else
        qunsetenv("XDG_DATA_HOME");
    QCOMPARE(found, folder);
}

void DataFolderTest::installedFolder() {
    QTemporaryDir root;
    const QDir dir(root.path());
    QVERIFY(dir.mkpath("prefix/bin") && dir.mkpath("build"));
    // A build tree keeps the data beside the program.
    QCOMPARE(q(installedDataFolder(dir.filePath("build").toStdString())), dir.filePath("build"));
    QCOMPARE(q(installedDataFolder(dir.filePath("prefix/bin").toStdString())), dir.filePath("prefix/bin"));
    // Installed, the data lies in <prefix>/share/pokuraku.
    QVERIFY(dir.mkpath("prefix/share/pokuraku"));
    QCOMPARE(q(installedDataFolder(dir.filePath("prefix/bin").toStdString())),
             dir.filePath("prefix/share/pokuraku"));
    // This test program runs in the build tree.
    QCOMPARE(q(installedDataFolder(QCoreApplication::applicationDirPath().toStdString())),
             QDir::cleanPath(QCoreApplication::applicationDirPath()));
}

void DataFolderTest::sameFolderIsSearchedOnce() {
    Folders f;
    QVERIFY(QFile::link(f.work(), f.root.filePath("link")));
    QCOMPARE(q(distinctFolders({f.user().toStdString(), f.work().toStdString() + "/",
                                f.root.filePath("link").toStdString(), f.work().toStdString(),
                                f.installed().toStdString()})),
             (QStringList{f.user(), f.work(), f.installed()}));
    QCOMPARE(q(distinctFolders({std::string(), f.work().toStdString()})), QStringList{f.work()});

    // The game's own order: the player's folder, the working folder, the installed data.
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(f.root.path()));
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(f.work()));
    const QStringList folders = q(dataSearchFolders(QCoreApplication::applicationDirPath().toStdString()));
    QDir::setCurrent(cwd);
    qputenv("XDG_DATA_HOME", before);
    QCOMPARE(folders, (QStringList{f.root.filePath("pokuraku"), QDir(f.work()).canonicalPath(),
                                   QDir::cleanPath(QCoreApplication::applicationDirPath())}));
}

void DataFolderTest::gameReadsEachFileFromItsFirstFolder() {
    Folders f;
    GameFixture game(QString{});
    game.program = std::make_unique<Program>(Services{game.random, game.sound, game.messageBox, f.all()},
                                             game.errors, game.display);
    write(f.installed() + "/romaji.txt", "inu,installed\r\nneko,installed\r\n");
    write(f.work() + "/romaji.txt", "inu,work\r\n");
    write(f.user() + "/romaji.txt", "ro^maji,user\r\n");
    write(f.installed() + "/romajimojiren.txt", "ka,\x82\xa9,5\r\n");
    game.start();
    QVERIFY2(game.errors.details.isEmpty(), qPrintable(game.errors.details.join(u'|')));
    const MainScreen& mainScreen = game.program->mainScreen();
    QCOMPARE(mainScreen.state().questionCount, 1);
    QCOMPARE(mainScreen.state().romajiList[0], QStringLiteral("ro^maji"));
    QCOMPARE(mainScreen.state().questionWord, QStringLiteral("user"));
    game.program->guard().run([&] { game.program->mainScreen().onPracticeMenu(); });
    QVERIFY2(game.errors.details.isEmpty(), qPrintable(game.errors.details.join(u'|')));
    QCOMPARE(game.program->practiceScreen().state().table.recordCount, 1);
    QCOMPARE(q(game.program->practiceScreen().state().table.answerList[0]), QStringLiteral("か"));

    // A fault in the player's own file names that file in full, not the installed one.
    GameFixture broken(QString{});
    broken.program = std::make_unique<Program>(
        Services{broken.random, broken.sound, broken.messageBox, f.all()}, broken.errors, broken.display);
    write(f.user() + "/romaji.txt", "inu,x\r\n,y\r\n");
    broken.start();
    QCOMPARE(broken.errors.details.size(), 1);
    QVERIFY2(broken.errors.details[0].startsWith("romaji.txt, line 2: the answer for 'y' is empty"),
             qPrintable(broken.errors.details[0]));
    QVERIFY(broken.errors.details[0].endsWith(QStringLiteral("(%1/romaji.txt)").arg(f.user())));
    QVERIFY(broken.errors.playerTexts[0].contains(f.user() + "/romaji.txt"));
}

QTEST_MAIN(DataFolderTest)
#include "test_datafolder.moc"
