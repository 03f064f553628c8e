// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace artgen {

// A white picture of the given size: the game's picture boxes sit on white windows, and GIF
// transparency is not relied on.
QImage whiteCanvas(QSize size);

// A fully transparent picture of the given size, for cursors.
QImage clearCanvas(QSize size);

// Mixes two colours: t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// The folder the pictures are written to, at one scale: at scale 1 every picture has its defined pixel
// size; at scale 2 it is drawn afresh at twice that size and named "<name>@2x.<ext>", the name under which
// Qt finds the picture for a screen scaled by two. Pictures the game loads as GIF are written as
// "<name>.gif.png" and turned into GIF by tools/make-art.sh, since Qt cannot write GIF.
class Output {
public:
    Output(QString folder, int scale) : folder_(std::move(folder)), scale_(scale) {}

    int scale() const { return scale_; }
    void saveGif(const QImage& picture, const QString& path) { save(picture, scaledName(path) + ".png"); }
    void savePng(const QImage& picture, const QString& path) { save(picture, scaledName(path)); }

    // False once any picture could not be written.
    bool ok() const { return ok_; }

private:
    QString scaledName(const QString& path) const;
    void save(const QImage& picture, const QString& path);

    QString folder_;
    int scale_;
    bool ok_ = true;
};

} // namespace artgen
