#include "fuzz/datafile.h"
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

QString writeDataFile(const QString& name, const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        broken("the fuzzing folder is writable", path);
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    return path;
}

void broken(const char* promise, const QString& detail) {
    std::fprintf(stderr, "broken promise: %s %s\n", promise, qPrintable(detail));
    std::abort();
}
