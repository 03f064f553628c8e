// SPDX-License-Identifier: MIT
#include "frontends/qt/messagebox.h"
#include "frontends/qt/timer.h"
#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace frontend {

void QtMessageBox::show(const std::string& text, const std::string& title, toolkit::MessageIcon icon,
                        std::function<void()> closed) {
    QMessageBox box(icon == toolkit::MessageIcon::stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    closed();
}

void QtMessageBox::ask(const std::string& text, const std::string& title,
                       std::function<void(bool)> answered) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
    box.setDefaultButton(QMessageBox::No);
    answered(box.exec() == QMessageBox::Yes);
}

void QtMessageBox::askText(const std::string& text, const std::string& title, const std::string& initial,
                           std::function<void(std::optional<std::string>)> answered) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(text));
    dialog.setTextValue(QString::fromStdString(initial));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("やめる"));
    if (dialog.exec() != QDialog::Accepted) return answered(std::nullopt);
    answered(dialog.textValue().trimmed().toStdString());
}

void QtErrorReporter::fatal(const std::string& playerText, const std::string& detail) {
    std::fprintf(stderr, "pokuraku: %s\n", detail.c_str());
    // Nothing of the game may go on behind the error box: no animation, no chase, no window coming up.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QtTimer* timer : window->findChildren<QtTimer*>())
            timer->stop();
        window->hide();
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ポクラク"),
                    QString::fromStdString(toolkit::fatalText(playerText)), QMessageBox::Ok);
    box.setInformativeText(QString::fromStdString(detail));
    box.exec();
    std::fflush(nullptr);
    std::_Exit(1);
}

} // namespace frontend
