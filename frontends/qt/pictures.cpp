// SPDX-License-Identifier: MIT
#include "frontends/qt/pictures.h"
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <cmath>

namespace frontend {

QPixmap loadPicture(const QString& resource, double zoom) {
    if ((qGuiApp && qGuiApp->devicePixelRatio() > 1.0) || zoom >= 1.5) {
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

QPixmap picture(const std::string& name, double zoom) {
    if (name.empty()) return {};
    // Never destroyed: pixmaps may not be released after the application object has gone.
    static auto* const loaded = new QHash<QString, QPixmap>;
    const QString resource = QStringLiteral(":/") + QString::fromStdString(name);
    const QString key = resource + (zoom >= 1.5 ? QStringLiteral(" large") : QString());
    auto found = loaded->constFind(key);
    if (found == loaded->constEnd()) found = loaded->insert(key, loadPicture(resource, zoom));
    return *found;
}

std::optional<QCursor> cursorFor(const toolkit::Cursor& cursor, double zoom) {
    if (cursor.arrow) return QCursor(Qt::ArrowCursor);
    if (cursor.picture.empty()) return std::nullopt;
    QPixmap pixmap = picture(cursor.picture, zoom);
    if (pixmap.isNull()) return QCursor(Qt::PointingHandCursor);
    // Every tile shares one pointer: never destroyed, as the pictures.
    static auto* const made = new QHash<QString, QCursor>;
    const QString key = QStringLiteral("%1@%2,%3x%4")
                            .arg(QString::fromStdString(cursor.picture))
                            .arg(cursor.hotSpot.x)
                            .arg(cursor.hotSpot.y)
                            .arg(zoom);
    auto found = made->constFind(key);
    if (found == made->constEnd()) {
        if (zoom != 1) {
            const QSize size = (pixmap.deviceIndependentSize() * zoom).toSize() * pixmap.devicePixelRatio();
            pixmap = pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        found = made->insert(key, QCursor(pixmap, static_cast<int>(std::lround(cursor.hotSpot.x * zoom)),
                                          static_cast<int>(std::lround(cursor.hotSpot.y * zoom))));
    }
    return *found;
}

} // namespace frontend
