// SPDX-License-Identifier: MIT
// The learning record's SQLite store on the desktop and the save dialog: rows come back in the order kept,
// byte for byte, after the store is gone; what is read comes back on the UI thread; a damaged file is set
// aside once and a new one made; a folder that cannot be written leaves the record unkept; the dialog
// writes the chosen file.
#include "frontends/qt/fileexport.h"
#include "frontends/qt/recordstore.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

namespace {

// What a new store finds in the file, as a new run of the game would.
record::Loaded loadFrom(const QString& path) {
    frontend::SqliteRecordStore store(path.toStdString());
    std::optional<record::Loaded> loaded;
    store.load([&loaded](record::Loaded l) {
        QVERIFY(QThread::currentThread() == QCoreApplication::instance()->thread());
        loaded = std::move(l);
    });
    [&] { QTRY_VERIFY(loaded.has_value()); }();
    return loaded.value_or(record::Loaded{});
}

} // namespace

class RecordStoreTest : public QObject {
    Q_OBJECT
private slots:
    void rowsComeBack_data() {
        QTest::addColumn<QByteArray>("before"); // what the file holds first, or empty for no file
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("setAside");
        const QStringList written{"w\tつくえ\ttukue,\"1\"", "", "g\t120"};
        QTest::newRow("new file") << QByteArray() << false << written << false;
        QTest::newRow("replaced") << QByteArray() << true << QStringList{"d\t2026-12-10\t7"} << false;
        QTest::newRow("not a database")
            << QByteArray("this is not a database, just words\n", 35) << false << written << true;
        QTest::newRow("damaged pages")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, 'x') << false << written << true;
    }
    void rowsComeBack() {
        QFETCH(QByteArray, before);
        QFETCH(bool, replace);
        QFETCH(QStringList, expected);
        QFETCH(bool, setAside);
        QTemporaryDir home;
        const QString path = home.filePath("pokuraku/record.sqlite");
        QDir(home.path()).mkpath("pokuraku");
        QFile file(path);
        if (!before.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        file.close();
        std::optional<record::Loaded> first;
        {
            // As the game does: what is kept is read first, then the game adds to it.
            frontend::SqliteRecordStore store(path.toStdString());
            store.load([&first](record::Loaded l) { first = std::move(l); });
            for (const char* row : {"w\tつくえ\ttukue,\"1\"", "", "g\t120"})
                store.append(row);
            if (replace) store.replaceAll({"d\t2026-12-10\t7"});
            QTRY_VERIFY(first.has_value());
        }
        QVERIFY(first->rows.empty() && !first->notKept);
        QCOMPARE(!first->setAsideAs.empty(), setAside);
        if (setAside) {
            QFile aside(QString::fromStdString(first->setAsideAs));
            QVERIFY2(aside.fileName().contains("record-damaged-"), first->setAsideAs.c_str());
            QVERIFY(aside.open(QIODevice::ReadOnly));
            QCOMPARE(aside.readAll(), before);
        }
        // The next run finds the rows, and nothing more to set aside.
        const record::Loaded loaded = loadFrom(path);
        QStringList rows;
        for (const record::Row& row : loaded.rows)
            rows << QString::fromStdString(row);
        QCOMPARE(rows, expected);
        QVERIFY(!loaded.notKept);
        QCOMPARE(loaded.setAsideAs, std::string());
    }

    void unwritableFolderKeepsNothing() {
        QTemporaryDir home;
        QFile blocker(home.filePath("pokuraku"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = home.filePath("pokuraku/record.sqlite");
        frontend::SqliteRecordStore(path.toStdString()).append("w");
        const record::Loaded loaded = loadFrom(path);
        QVERIFY(loaded.notKept);
        QVERIFY(loaded.rows.empty() && loaded.setAsideAs.empty());
    }

    void dialogWritesTheChosenFile() {
        QTemporaryDir home;
        frontend::QtFileExport exporter;
        std::optional<bool> written;
        exporter.offer("kiroku.csv", "\xEF\xBB\xBFことば\r\n",
                       [&written](bool w, const std::string&) { written = w; });
        QVERIFY(exporter.dialog() && exporter.dialog()->isVisible());
        exporter.dialog()->selectFile(home.filePath("kiroku.csv"));
        QMetaObject::invokeMethod(exporter.dialog(), "accept");
        QTRY_VERIFY(written.has_value());
        QVERIFY(*written);
        QFile file(home.filePath("kiroku.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBFことば\r\n"));
    }
};

QTEST_MAIN(RecordStoreTest)
#include "test_recordstore.moc"
