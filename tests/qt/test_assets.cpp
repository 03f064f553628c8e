// SPDX-License-Identifier: MIT
// The game's pictures, cursors and icon load from the compiled-in resources at exactly the sizes the
// screens are laid out for, and again at twice those sizes ("name@2x") for screens scaled by two, and look
// the way the screens rely on at both sizes: pictures drawn on white, cursors pointing at their hot spot,
// balls turning from red to blue, and an opening background whose title and footprints stay hidden under
// their covers until those are lifted.

#include <QColor>
#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSet>
#include <QTest>

#include <array>

namespace {

struct Picture {
    QString path;
    QSize size;
};

QString numbered(const char* stem, int i) {
    return QString("%1%2.gif").arg(stem).arg(i, 2, 10, QChar('0'));
}

// The name of a picture made at a scale: "name@2x.gif" beside "name.gif".
QString atScale(const QString& path, int scale) {
    if (scale == 1) return path;
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot) + QString("@%1x").arg(scale) + path.mid(dot);
}

// Every picture the screens load, at the size their boxes are laid out for.
QList<Picture> pictures() {
    const QList<QSize> creatureSizes = {QSize(24, 25), QSize(26, 26), QSize(28, 23), QSize(24, 31),
                                        QSize(25, 32), QSize(35, 25), QSize(20, 30), QSize(36, 24),
                                        QSize(32, 24), QSize(32, 29), QSize(26, 26), QSize(29, 24)};
    QList<Picture> list;
    for (int i = 0; i < 12; ++i)
        list.append({numbered(":/creatures/creature", i), creatureSizes[i]});
    list.append({{":/main/stamp.gif", {43, 44}},
                 {":/main/stop.gif", {32, 29}},
                 {":/main/eaten.gif", {28, 28}},
                 {":/icon/pokuraku.png", {30, 30}},
                 {":/cursors/creature.png", {28, 28}},
                 {":/cursors/tile.png", {32, 32}},
                 {":/opening/background.gif", {425, 225}},
                 {":/opening/globe.gif", {64, 64}}});
    for (int i = 0; i < 11; ++i)
        list.append({numbered(":/opening/ball", i), {64, 63}});
    const QList<Picture> defined = list;
    for (const Picture& picture : defined)
        list.append({atScale(picture.path, 2), picture.size * 2});
    return list;
}

bool isWhite(QRgb pixel) {
    return qRed(pixel) >= 250 && qGreen(pixel) >= 250 && qBlue(pixel) >= 250;
}

// The opening's covers, in twips as the screen places them; a pixel size is whole pixels only, so
// a footprint must fit even a cover that is rounded down.
QRect coverInPixels(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QRect scaled(const QRect& r, int scale) {
    return QRect(r.topLeft() * scale, r.size() * scale);
}

const QRect titleCover = coverInPixels(360, 0, 5535, 735);
const std::array<QRect, 12> footprintCovers = {
    coverInPixels(360, 1200, 525, 400),  coverInPixels(840, 1440, 400, 400),
    coverInPixels(1200, 1560, 525, 525), coverInPixels(1680, 1800, 525, 400),
    coverInPixels(2160, 1920, 400, 400), coverInPixels(2520, 2040, 525, 400),
    coverInPixels(3000, 2040, 525, 400), coverInPixels(3480, 2160, 525, 400),
    coverInPixels(3960, 2280, 525, 400), coverInPixels(4440, 2280, 525, 400),
    coverInPixels(4920, 2400, 400, 400), coverInPixels(5400, 2520, 400, 400),
};
// The credit line runs along the bottom of the 222-pixel-high window, below the balls' path.
const QRect creditBand(0, 200, 425, 21);

QImage load(const QString& path) {
    QImage image(path);
    if (image.isNull()) qWarning("cannot load %s", qPrintable(path));
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The hue of a ball: the hue of the mean colour of its pixels that are not background.
int ballHue(const QImage& ball) {
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = 0; y < ball.height(); ++y) {
        for (int x = 0; x < ball.width(); ++x) {
            const QRgb pixel = ball.pixel(x, y);
            if (isWhite(pixel)) continue;
            r += qRed(pixel), g += qGreen(pixel), b += qBlue(pixel), ++n;
        }
    }
    return n == 0 ? -1 : QColor(qRound(r / n), qRound(g / n), qRound(b / n)).hsvHue();
}

} // namespace

class TestAssets : public QObject {
    Q_OBJECT

private slots:

    void everyPictureHasItsSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const Picture& picture : pictures())
            QTest::newRow(qPrintable(picture.path)) << picture.path << picture.size;
    }

    void everyPictureHasItsSize() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImageReader reader(path);
        QCOMPARE(reader.format(), path.endsWith(".gif") ? QByteArray("gif") : QByteArray("png"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
    }

    // Every picture in the resource folders is one the size check above knows.
    void noPictureGoesUnchecked() {
        QSet<QString> found, known;
        for (const char* folder : {":/creatures", ":/main", ":/opening", ":/cursors", ":/icon"}) {
            QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                found << it.next();
        }
        for (const Picture& picture : pictures())
            known << picture.path;
        QCOMPARE(found, known);
    }

    // The GIF pictures sit in boxes on white windows: they are opaque, framed mostly in white, and
    // each shows a picture rather than a blank box.
    void picturesAreDrawnOnWhite() {
        for (const char* folder : {":/creatures", ":/main", ":/opening"}) {
            QDirIterator it(folder, {"*.gif"}, QDir::Files);
            while (it.hasNext()) {
                const QString path = it.next();
                const QImage image = load(path);
                int border = 0, whiteBorder = 0, drawn = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        const QRgb pixel = image.pixel(x, y);
                        QVERIFY2(qAlpha(pixel) == 255, qPrintable(path));
                        const bool edge =
                            x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
                        border += edge;
                        whiteBorder += edge && isWhite(pixel);
                        drawn += !isWhite(pixel);
                    }
                }
                QVERIFY2(whiteBorder * 2 > border, qPrintable(path + " is not framed in white"));
                QVERIFY2(drawn * 20 > image.width() * image.height(), qPrintable(path + " is blank"));
            }
        }
        // The animals fill their boxes: a missing emoji font would leave them nearly empty.
        QDirIterator it(":/creatures", QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QImage image = load(path);
            int drawn = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    drawn += !isWhite(image.pixel(x, y));
            QVERIFY2(drawn * 3 > image.width() * image.height(), qPrintable(path + " is mostly empty"));
        }
    }

    void cursorsPointAtTheirHotSpot_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("defined size") << 1;
        QTest::newRow("@2x") << 2;
    }

    // A cursor is transparent round its drawing, and the drawing's point, the part nearest the upper
    // left corner, is at the hot spot (2, 2) where the click lands (4, 4 in the picture twice the size).
    void cursorsPointAtTheirHotSpot() {
        QFETCH(int, scale);
        for (const QString base : {":/cursors/creature.png", ":/cursors/tile.png"}) {
            const QString path = atScale(base, scale);
            const QImage cursor = load(path);
            const QPoint hotSpot = QPoint(2, 2) * scale;
            QVERIFY2(cursor.hasAlphaChannel(), qPrintable(path));
            QVERIFY2(qAlpha(cursor.pixel(0, 0)) < 64, qPrintable(path + " covers its corner"));
            QVERIFY2(qAlpha(cursor.pixel(hotSpot)) == 255, qPrintable(path));
            QPoint point(cursor.width(), cursor.height());
            int clear = 0;
            for (int y = 0; y < cursor.height(); ++y) {
                for (int x = 0; x < cursor.width(); ++x) {
                    const int alpha = qAlpha(cursor.pixel(x, y));
                    clear += alpha == 0;
                    if (alpha == 255 && x + y < point.x() + point.y()) point = QPoint(x, y);
                }
            }
            QVERIFY2(qAbs(point.x() - hotSpot.x()) <= scale && qAbs(point.y() - hotSpot.y()) <= scale,
                     qPrintable(QString("%1 points at %2,%3").arg(path).arg(point.x()).arg(point.y())));
            QVERIFY2(clear * 3 > cursor.width() * cursor.height(), qPrintable(path + " is not see-through"));
        }
    }

    // The window icon is 24-bit colour; the desktop gets the same design at its usual sizes.
    void iconComesInEverySize() {
        const QImage icon(":/icon/pokuraku.png");
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.hasAlphaChannel());
        QVERIFY(icon.depth() >= 24);
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString path =
                QString("%1/assets/icon/hicolor/%2x%2/pokuraku.png").arg(POKURAKU_SOURCE_DIR).arg(size);
            QCOMPARE(QImage(path).size(), QSize(size, size));
        }
    }

    void openingBackgroundHidesUnderItsCovers_data() { cursorsPointAtTheirHotSpot_data(); }

    // Nothing of the background shows outside the covers but the credit line, and every footprint
    // and the title are there to be seen once their cover is lifted.
    void openingBackgroundHidesUnderItsCovers() {
        QFETCH(int, scale);
        const QImage background = load(atScale(":/opening/background.gif", scale));
        QVERIFY(!background.isNull());
        std::array<int, 12> inCover{};
        int inTitle = 0, inCredit = 0;
        for (int y = 0; y < background.height(); ++y) {
            for (int x = 0; x < background.width(); ++x) {
                if (isWhite(background.pixel(x, y))) continue;
                const QPoint at(x, y);
                bool hidden = false;
                for (std::size_t i = 0; i < footprintCovers.size(); ++i) {
                    if (scaled(footprintCovers[i], scale).contains(at)) {
                        ++inCover[i];
                        hidden = true;
                    }
                }
                if (scaled(titleCover, scale).contains(at)) {
                    ++inTitle;
                    hidden = true;
                }
                if (scaled(creditBand, scale).contains(at)) {
                    ++inCredit;
                    hidden = true;
                }
                QVERIFY2(hidden, qPrintable(QString("pixel %1,%2 lies outside every cover").arg(x).arg(y)));
            }
        }
        for (std::size_t i = 0; i < inCover.size(); ++i)
            QVERIFY2(inCover[i] >= 60 * scale * scale,
                     qPrintable(QString("footprint %1 has %2 pixels").arg(i).arg(inCover[i])));
        QVERIFY(inTitle > 2000 * scale * scale);
        QVERIFY(inCredit > 200 * scale * scale);
    }

    void ballsTurnFromRedToBlue_data() { cursorsPointAtTheirHotSpot_data(); }

    // The ball hops from red through magenta and purple to blue, and lands as the Earth.
    void ballsTurnFromRedToBlue() {
        QFETCH(int, scale);
        int previous = 360;
        for (int i = 0; i < 11; ++i) {
            int hue = ballHue(load(atScale(numbered(":/opening/ball", i), scale)));
            QVERIFY(hue >= 0);
            if (hue < 30) hue += 360; // red sits on both ends of the colour wheel
            QVERIFY2(hue <= previous,
                     qPrintable(QString("ball %1 has hue %2 after %3").arg(i).arg(hue).arg(previous)));
            previous = hue;
            if (i == 0) QVERIFY(hue >= 345 && hue <= 375);
            if (i == 10) QVERIFY(hue >= 210 && hue <= 250);
        }
        const QImage globe = load(atScale(":/opening/globe.gif", scale));
        int sea = 0, land = 0;
        for (int y = 0; y < globe.height(); ++y) {
            for (int x = 0; x < globe.width(); ++x) {
                const QColor c = QColor::fromRgb(globe.pixel(x, y));
                sea += c.hsvHue() >= 190 && c.hsvHue() <= 230 && c.hsvSaturation() > 100;
                land += c.hsvHue() >= 60 && c.hsvHue() <= 160 && c.hsvSaturation() > 60;
            }
        }
        QVERIFY2(sea > 500 * scale * scale && land > 200 * scale * scale,
                 qPrintable(QString("sea %1, land %2").arg(sea).arg(land)));
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "test_assets.moc"
