#include "services/data/datafileerror.h"
#include <QDir>

static QString playerTextFor(const QString& file, int line, const QString& path) {
    QString text =
        line <= 0
            ? QStringLiteral("データファイル「%1」を読めませんでした。").arg(file)
            : QStringLiteral("データファイル「%1」の %2 行目にまちがいがあります。").arg(file).arg(line);
    if (!path.isEmpty()) text += QStringLiteral("\nファイル：%1").arg(QDir::toNativeSeparators(path));
    return text;
}

static QString detailFor(const QString& file, int line, const QString& reason, const QString& path) {
    QString detail = line <= 0 ? QStringLiteral("%1: %2").arg(file, reason)
                               : QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(reason);
    if (!path.isEmpty()) detail += QStringLiteral(" (%1)").arg(QDir::toNativeSeparators(path));
    return detail;
}

DataFileError::DataFileError(QString file, int line, QString reason, QString path)
    : RuntimeError(playerTextFor(file, line, path), detailFor(file, line, reason, path)),
      file_(std::move(file)), line_(line), path_(std::move(path)), reason_(std::move(reason)) {}

DataFileError::DataFileError(QString file, QString playerText, QString detail, QString reason)
    : RuntimeError(std::move(playerText), std::move(detail)), file_(std::move(file)), line_(0),
      reason_(std::move(reason)) {}

DataFileError DataFileError::missing(const QString& file, const QStringList& folders) {
    QString playerText =
        QStringLiteral("データファイル「%1」が見つかりません。\nさがしたフォルダ：").arg(file);
    QString reason = folders.size() == 1 ? QStringLiteral("file not found in the folder")
                                         : QStringLiteral("file not found in any of the folders");
    for (const QString& folder : folders) {
        const QString shown = QDir::toNativeSeparators(folder);
        playerText += QStringLiteral("\n　%1").arg(shown);
        reason += QStringLiteral("\n    %1").arg(shown);
    }
    return DataFileError(file, std::move(playerText), QStringLiteral("%1: %2").arg(file, reason), reason);
}
