#include "app/datafileerror.h"

static QString playerTextFor(const QString& file, int line) {
    if (line <= 0) return QStringLiteral("データファイル「%1」を読めませんでした。").arg(file);
    return QStringLiteral("データファイル「%1」の %2 行目にまちがいがあります。").arg(file).arg(line);
}

static QString detailFor(const QString& file, int line, const QString& detail) {
    if (line <= 0) return QStringLiteral("%1: %2").arg(file, detail);
    return QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(detail);
}

DataFileError::DataFileError(QString file, int line, QString detail)
    : RuntimeError(playerTextFor(file, line), detailFor(file, line, detail)), file_(std::move(file)), line_(line) {}

DataFileError::DataFileError(QString file, QString playerText, QString detail)
    : RuntimeError(std::move(playerText), std::move(detail)), file_(std::move(file)), line_(0) {}

DataFileError DataFileError::missing(const QString& file, const QString& folder) {
    return DataFileError(
        file,
        QStringLiteral("データファイル「%1」が見つかりません。\nさがしたフォルダ：%2\n\n"
                       "ポクラクは、データファイルのあるフォルダから起動してください。")
            .arg(file, folder),
        QStringLiteral("%1: file not found in the folder %2 (start the game from the folder that holds "
                       "romaji.txt, romajimojiren.txt and the sounds)")
            .arg(file, folder));
}
