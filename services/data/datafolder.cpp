#include "services/data/datafolder.h"
#include "services/data/datafileerror.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString userDataFolder() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and is to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/pokuraku"));
}

QString installedDataFolder() {
    if (!QCoreApplication::instance()) return {};
    return installedDataFolder(QCoreApplication::applicationDirPath());
}

QString installedDataFolder(const QString& programPath) {
    const QDir programFolder(programPath);
    const QString shared =
        QDir::cleanPath(programFolder.absoluteFilePath(QStringLiteral("../share/pokuraku")));
    if (QFileInfo(shared).isDir()) return shared;
    return QDir::cleanPath(programFolder.absolutePath());
}

// The folder's path with links resolved where it exists, so that one folder written two ways compares equal.
static QString folderKey(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QStringList distinctFolders(const QStringList& folders) {
    QStringList distinct, keys;
    for (const QString& folder : folders) {
        if (folder.isEmpty()) continue;
        const QString key = folderKey(folder);
        if (keys.contains(key)) continue;
        keys << key;
        distinct << QDir::cleanPath(folder);
    }
    return distinct;
}

QStringList dataSearchFolders() {
    return distinctFolders({userDataFolder(), QDir::currentPath(), installedDataFolder()});
}

QString findDataFile(const QString& fileName, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        const QFileInfo entry(path);
        if (entry.exists() || entry.isSymLink()) return path;
    }
    throw DataFileError::missing(fileName, folders);
}
