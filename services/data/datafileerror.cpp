#include "services/data/datafileerror.h"
#include "services/data/datafolder.h"
#include <QCoreApplication>

static QString playerTextFor(const QString& file, int line) {
    if (line <= 0) return QStringLiteral("データファイル「%1」を読めませんでした。").arg(file);
    return QStringLiteral("データファイル「%1」の %2 行目にまちがいがあります。").arg(file).arg(line);
}

static QString detailFor(const QString& file, int line, const QString& detail) {
    if (line <= 0) return QStringLiteral("%1: %2").arg(file, detail);
    return QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(detail);
}

DataFileError::DataFileError(QString file, int line, QString detail)
    : RuntimeError(playerTextFor(file, line), detailFor(file, line, detail)), file_(std::move(file)),
      line_(line) {}

DataFileError::DataFileError(QString file, QString playerText, QString detail)
    : RuntimeError(std::move(playerText), std::move(detail)), file_(std::move(file)), line_(0) {}

DataFileError DataFileError::missing(const QString& file, const QString& folder, const QString& dataFolder) {
    QString playerText = QStringLiteral("データファイル「%1」が見つかりません。\nさがしたフォルダ：%2\n\n"
                                        "ポクラクは、データファイルのあるフォルダから起動してください。")
                             .arg(file, folder);
    QString detail = QStringLiteral("%1: file not found in the folder %2. The game reads romaji.txt, "
                                    "romajimojiren.txt and its sounds from the folder it is started in; ")
                         .arg(file, folder);
    if (dataFolder.isEmpty()) {
        detail += QStringLiteral("start it from the folder that holds them.");
    } else {
        playerText += QStringLiteral("\nデータファイルのあるフォルダ：%1").arg(dataFolder);
        const QString program = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                             : QStringLiteral("pokuraku");
        detail +=
            QStringLiteral("start it from its data folder:\n    %1").arg(startCommand(dataFolder, program));
    }
    return DataFileError(file, std::move(playerText), std::move(detail));
}
