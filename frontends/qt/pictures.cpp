// SPDX-License-Identifier: MIT
#include "frontends/qt/pictures.h"
#include <QFile>
#include <QGuiApplication>
#include <QHash>

namespace frontend {

QPixmap loadPicture(const QString& resource) {
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0) {
        const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
        const QString large = resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
        if (QFile::exists(large)) {
            QPixmap picture(large);
            if (!picture.isNull()) {
                picture.setDevicePixelRatio(2);
                return picture;
            }
        }
    }
    return QPixmap(resource);
}

QPixmap picture(const std::string& name) {
    if (name.empty()) return {};
    // Never destroyed: pixmaps may not be released after the application object has gone.
    static auto* const loaded = new QHash<QString, QPixmap>;
    const QString resource = QStringLiteral(":/") + QString::fromStdString(name);
    auto found = loaded->constFind(resource);
    if (found == loaded->constEnd()) found = loaded->insert(resource, loadPicture(resource));
    return *found;
}

std::optional<QCursor> cursorFor(const toolkit::Cursor& cursor) {
    if (cursor.arrow) return QCursor(Qt::ArrowCursor);
    if (cursor.picture.empty()) return std::nullopt;
    const QPixmap pixmap = picture(cursor.picture);
    if (pixmap.isNull()) return QCursor(Qt::PointingHandCursor);
    // Every tile shares one pointer: never destroyed, as the pictures.
    static auto* const made = new QHash<QString, QCursor>;
    const QString key = QStringLiteral("%1@%2,%3")
                            .arg(QString::fromStdString(cursor.picture))
                            .arg(cursor.hotSpot.x)
                            .arg(cursor.hotSpot.y);
    auto found = made->constFind(key);
    if (found == made->constEnd())
        found = made->insert(key, QCursor(pixmap, cursor.hotSpot.x, cursor.hotSpot.y));
    return *found;
}

} // namespace frontend
