// SPDX-License-Identifier: MIT
#include "toolkit/messagebox.h"
#include <QApplication>
#include <QMessageBox>

namespace toolkit {

int QtMessageBox::show(const QString& text, const QString& title, int style) {
    const QMessageBox::Icon icon = (style & 0x70) == styleStop ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
    return 1;
}

} // namespace toolkit
