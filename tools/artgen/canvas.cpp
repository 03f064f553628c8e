// SPDX-License-Identifier: MIT
#include "canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace artgen {

QImage whiteCanvas(QSize size) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    return picture;
}

QImage clearCanvas(QSize size) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](double x, double y) { return x + (y - x) * t; };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()), channel(a.alphaF(), b.alphaF()));
}

QString Output::scaledName(const QString& path) const {
    if (scale_ == 1) return path;
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot) + QString("@%1x").arg(scale_) + path.mid(dot);
}

void Output::save(const QImage& picture, const QString& path) {
    const QString file = folder_ + '/' + path;
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!picture.save(file, "PNG")) {
        QTextStream(stderr) << "pokuraku-artgen: cannot write " << file << '\n';
        ok_ = false;
    }
}

} // namespace artgen
