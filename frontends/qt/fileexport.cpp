// SPDX-License-Identifier: MIT
#include "frontends/qt/fileexport.h"
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>

namespace frontend {

QtFileExport::~QtFileExport() {
    delete dialog_;
    if (writer_.joinable()) writer_.join();
}

void QtFileExport::offer(const std::string& suggestedName, const std::string& bytes,
                         std::function<void(bool, const std::string&)> done) {
    // One dialog at a time: a second offer brings the open one to the front.
    if (dialog_) {
        dialog_->raise();
        dialog_->activateWindow();
        done(false, {});
        return;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    auto* dialog = new QFileDialog(nullptr, QStringLiteral("きろくを書き出す"), folder,
                                   QStringLiteral("表 (*.csv);;すべてのファイル (*)"));
    dialog_ = dialog;
    dialog->setObjectName(QStringLiteral("exportDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    dialog->selectFile(QString::fromStdString(suggestedName));
    QObject::connect(dialog, &QDialog::finished, &uiThread_, [this, dialog, bytes, done](int result) {
        const QString fileName = dialog->selectedFiles().value(0);
        if (result == QDialog::Accepted && !fileName.isEmpty())
            write(fileName, bytes, done);
        else
            done(false, {});
    });
    dialog->open();
}

void QtFileExport::write(const QString& fileName, const std::string& bytes,
                         std::function<void(bool, const std::string&)> done) {
    if (writer_.joinable()) writer_.join();
    writer_ = std::thread([this, fileName, bytes, done] {
        QSaveFile file(fileName);
        const bool written = file.open(QIODevice::WriteOnly) &&
                             file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                                 static_cast<qint64>(bytes.size()) &&
                             file.commit();
        const std::string failure = written ? std::string()
                                            : "「" + QDir::toNativeSeparators(fileName).toStdString() +
                                                  "」に書けませんでした（" +
                                                  file.errorString().toStdString() + "）。";
        QMetaObject::invokeMethod(
            &uiThread_, [done, written, failure] { done(written, failure); }, Qt::QueuedConnection);
    });
}

} // namespace frontend
