#include "screens/datafile_message.h"

namespace {

QString playerTextFor(const DataFileError& error) {
    const QString file = QString::fromStdString(error.file());
    if (error.isMissing()) {
        QString text = QStringLiteral("データファイル「%1」が見つかりません。\nさがしたフォルダ：").arg(file);
        for (const std::string& folder : error.searchedFolders())
            text += QStringLiteral("\n　%1").arg(QString::fromStdString(folder));
        return text;
    }
    QString text = error.line() <= 0 ? QStringLiteral("データファイル「%1」を読めませんでした。").arg(file)
                                     : QStringLiteral("データファイル「%1」の %2 行目にまちがいがあります。")
                                           .arg(file)
                                           .arg(error.line());
    if (!error.path().empty())
        text += QStringLiteral("\nファイル：%1").arg(QString::fromStdString(error.path()));
    return text;
}

} // namespace

toolkit::RuntimeError dataFileMessage(const DataFileError& error) {
    return toolkit::RuntimeError(playerTextFor(error), QString::fromUtf8(error.what()));
}
