#include "services/data/datafolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QStringList dataFolderCandidates() {
    if (!QCoreApplication::instance()) return {};
    const QDir programFolder(QCoreApplication::applicationDirPath());
    // Installed, the data folder sits at <prefix>/share/pokuraku beside <prefix>/bin.
    return {programFolder.absolutePath(),
            QDir::cleanPath(programFolder.absoluteFilePath("../share/pokuraku"))};
}

// The folder's path with links resolved where it exists, so that one folder written two ways compares equal.
static QString folderKey(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString folderHolding(const QString& fileName, const QString& searched, const QStringList& candidates) {
    const QString searchedKey = folderKey(searched);
    for (const QString& folder : candidates) {
        if (!QFileInfo(folder).isDir() || folderKey(folder) == searchedKey) continue;
        if (QFileInfo(QDir(folder).filePath(fileName)).isFile()) return QDir::toNativeSeparators(folder);
    }
    return {};
}

static QString shellQuoted(const QString& word) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+:=-]+$"));
    if (plain.match(word).hasMatch()) return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString startCommand(const QString& folder, const QString& program) {
    return QStringLiteral("cd %1 && %2").arg(shellQuoted(folder), shellQuoted(program));
}
