// SPDX-License-Identifier: MIT
// The hopping ball of the opening: eleven shaded spheres turning from red to blue, and the Earth
// it becomes at the last hop.

#include "canvas.h"
#include "emoji.h"
#include "pictures.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace artgen {

namespace {

const QColor red(235, 25, 35);
const QColor magenta(225, 0, 205);
const QColor purple(150, 20, 200);
const QColor violet(115, 45, 225);
const QColor blueViolet(80, 55, 235);
const QColor blue(20, 70, 235);

struct Ball {
    QColor from; // colour at the lower left
    QColor to;   // colour at the upper right
};

const std::array<Ball, 11> balls = {{
    {red, red},
    {red, magenta},
    {magenta, magenta},
    {magenta, magenta},
    {magenta, purple},
    {purple, purple},
    {purple, purple},
    {violet, violet},
    {blueViolet, blueViolet},
    {blue, blue},
    {blue, blue},
}};

constexpr QSize ballSize(64, 63);
constexpr double ballRadius = 29.5;
constexpr int samples = 4; // per pixel side, to smooth the edge

struct Vec {
    double x, y, z;
    double dot(const Vec& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec unit() const {
        const double n = std::sqrt(dot(*this));
        return {x / n, y / n, z / n};
    }
};

const Vec light = Vec{-0.5, -0.6, 0.75}.unit();
const Vec halfway = Vec{light.x, light.y, light.z + 1.0}.unit();

// The lit colour of the sphere at (dx, dy) from its centre, in radii; white off the sphere.
QColor shade(const Ball& ball, double dx, double dy) {
    const double d2 = dx * dx + dy * dy;
    if (d2 > 1.0) return Qt::white;
    const Vec n{dx, dy, std::sqrt(1.0 - d2)};
    // Across the light, from lower left to upper right, so both colours stay lit.
    const double t = std::clamp((dx - dy) * 0.6 + 0.5, 0.0, 1.0);
    const QColor base = mix(ball.from, ball.to, t * t * (3 - 2 * t));
    const double diffuse = std::max(0.0, n.dot(light));
    const double shine = std::pow(std::max(0.0, n.dot(halfway)), 36.0);
    const double lit = 0.32 + 0.78 * diffuse;
    auto channel = [&](double c) { return std::clamp(c * lit + (1.0 - c * lit) * 0.85 * shine, 0.0, 1.0); };
    return QColor::fromRgbF(channel(base.redF()), channel(base.greenF()), channel(base.blueF()));
}

// The ball at a scale: the same sphere sampled on a finer grid.
QImage ballPicture(const Ball& ball, int scale) {
    const QSize size = ballSize * scale;
    const double radius = ballRadius * scale;
    QImage picture = whiteCanvas(size);
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) / samples, py = y + (sy + 0.5) / samples;
                    const QColor c = shade(ball, (px - cx) / radius, (py - cy) / radius);
                    r += c.redF();
                    g += c.greenF();
                    b += c.blueF();
                }
            }
            constexpr double n = samples * samples;
            picture.setPixelColor(x, y, QColor::fromRgbF(r / n, g / n, b / n));
        }
    }
    return picture;
}

} // namespace

void drawBalls(Output& out) {
    for (std::size_t i = 0; i < balls.size(); ++i)
        out.saveGif(ballPicture(balls[i], out.scale()),
                    QString("opening/ball%1.gif").arg(i, 2, 10, QChar('0')));
    // The same width as the balls, so the last hop lands a globe of the ball's size.
    const int scale = out.scale();
    const QImage earth = fitted(emojiGlyph(QString::fromUtf8("🌏")), QSize(60, 60) * scale);
    QImage globe = whiteCanvas(QSize(64, 64) * scale);
    QPainter(&globe).drawImage(2 * scale, 2 * scale, earth);
    out.saveGif(globe, "opening/globe.gif");
}

} // namespace artgen
