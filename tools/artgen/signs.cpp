// SPDX-License-Identifier: MIT
// The main screen's red marks: the praise stamp for a right answer, the stop sign before the
// cliff, and the prohibition mark left in a slot by a lost creature.

#include "canvas.h"
#include "pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artgen {

namespace {

const QColor signRed(220, 20, 30);
const QColor deepRed(170, 0, 20);

// The curve traced as the angle runs from "from" to "to", at distance radius(angle) from the centre.
QPainterPath polarCurve(QPointF centre, double from, double to, int steps, auto radius) {
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const double angle = from + (to - from) * i / steps;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius(angle);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

// Each is drawn on its defined pixel grid, scaled as a whole for the larger pictures.

// A hanamaru: a ring of rounded petals round a spiral, the teacher's mark for a job well done.
QImage stamp(int scale) {
    QImage picture = whiteCanvas(QSize(43, 44) * scale);
    QPainter p(&picture);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(21.5, 22.0);
    constexpr double pi = std::numbers::pi;
    constexpr int petals = 8;
    const QPainterPath flower = polarCurve(centre, -pi / 2, 3 * pi / 2, 480, [](double a) {
        return 13.5 + 6.5 * std::pow(std::abs(std::sin(petals * (a + pi / 2) / 2 + pi / 2)), 0.55);
    });
    QRadialGradient glow(centre, 20.0);
    glow.setColorAt(0.0, QColor(255, 235, 235));
    glow.setColorAt(1.0, QColor(255, 200, 205));
    p.setBrush(glow);
    p.setPen(QPen(signRed, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(flower);
    const QPainterPath spiral =
        polarCurve(centre, 0.0, 3.6 * pi, 240, [](double a) { return 1.5 + 9.5 * a / (3.6 * pi); });
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(signRed, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spiral);
    return picture;
}

// A Japanese stop sign: a red triangle pointing down inside a white band, with "とまれ" on it.
QImage stopSign(int scale) {
    QImage picture = whiteCanvas(QSize(32, 29) * scale);
    QPainter p(&picture);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF outer({QPointF(0.5, 0.5), QPointF(31.5, 0.5), QPointF(16.0, 28.5)});
    const QPolygonF inner({QPointF(2.5, 1.5), QPointF(29.5, 1.5), QPointF(16.0, 25.5)});
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.setBrush(Qt::white);
    p.drawPolygon(outer);
    QLinearGradient shade(0, 2, 0, 25);
    shade.setColorAt(0.0, QColor(240, 40, 45));
    shade.setColorAt(1.0, deepRed);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPolygon(inner);
    // At eight pixels the kana only stay readable drawn crisp, from a font with clear small strokes.
    QFont font("IPAPGothic");
    font.setPixelSize(8);
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2.0, 3.0, 28.0, 9.0), Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8("とまれ"));
    return picture;
}

// A red ring crossed by a bar from upper left to lower right: this creature was lost.
QImage eatenMark(int scale) {
    QImage picture = whiteCanvas(QSize(28, 28) * scale);
    QPainter p(&picture);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(14.0, 14.0);
    QRadialGradient shade(QPointF(10.0, 9.0), 18.0);
    shade.setColorAt(0.0, QColor(255, 70, 70));
    shade.setColorAt(1.0, deepRed);
    const double outer = 12.8, width = 3.4;
    QPainterPath ring;
    ring.addEllipse(centre, outer, outer);
    ring.addEllipse(centre, outer - width, outer - width);
    const double reach = outer - width / 2;
    const QPointF along(reach / std::numbers::sqrt2, reach / std::numbers::sqrt2);
    QPainterPath bar;
    bar.moveTo(centre - along);
    bar.lineTo(centre + along);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    const QPainterPath mark = ring.united(stroker.createStroke(bar));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(mark);
    return picture;
}

} // namespace

void drawSigns(Output& out) {
    out.saveGif(stamp(out.scale()), "main/stamp.gif");
    out.saveGif(stopSign(out.scale()), "main/stop.gif");
    out.saveGif(eatenMark(out.scale()), "main/eaten.gif");
}

} // namespace artgen
