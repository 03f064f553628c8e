// SPDX-License-Identifier: MIT
// Where a window opens: at its design position when it fits the available area of the screen it opens on,
// otherwise as near to it as fits; on small and scaled screens, on a second screen, beside panels; and the
// practice window beside the chart window rather than over it whenever the screen has room for both.
#include "frontends/qt/placement.h"
#include "frontends/qt/platform.h"
#include "frontends/qt/zoom.h"
#include <QtTest>

using frontend::ScreenArea;
Q_DECLARE_METATYPE(ScreenArea)

namespace {
// The frames of the game's windows at their design positions, in logical pixels, as under a bare X server
// (no window frame): main window 409 × 327 under a 22-pixel menu bar, practice window 499 × 269 under its
// menu bar, the chart window 390 × 584, the opening 426 × 222.
const QRect mainWindow(382, 60, 409, 349);
const QRect practiceWindow(331, 263, 499, 291);
const QRect chartWindow(0, 26, 390, 584);
const QRect opening(226, 192, 426, 222);

// A window at its design position with the frame openbox draws round it (a grip at a resizable one's foot).
QRect framed(const QRect& window, bool resizable) {
    return {window.topLeft(), window.size().grownBy({1, 20, 1, resizable ? 5 : 1})};
}

ScreenArea screen(QRect geometry, double scale = 1, QMargins panels = {}) {
    return {geometry, geometry.marginsRemoved(panels), scale};
}
} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void placeWindow_data();
    void placeWindow();
    void placeBeside_data();
    void placeBeside();
    void logicalArea_data();
    void logicalArea();
    void platform_data();
    void platform();
    void zoom_data();
    void zoom();
};

void PlacementTest::placeWindow_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<ScreenArea>("area");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("1280x1024: main at its design position")
        << mainWindow << screen({0, 0, 1280, 1024}) << QPoint(382, 60);
    QTest::newRow("640x480: main moved left until its right edge is on screen")
        << mainWindow << screen({0, 0, 640, 480}) << QPoint(231, 60);
    QTest::newRow("640x480: the opening too") << opening << screen({0, 0, 640, 480}) << QPoint(214, 192);
    QTest::newRow("1280x1024 at scale 2 is 640x512 to the windows")
        << mainWindow << screen({0, 0, 1280, 1024}, 2) << QPoint(231, 60);
    QTest::newRow("1280x1024 at scale 2: the opening as on 640x480")
        << opening << screen({0, 0, 1280, 1024}, 2) << QPoint(214, 192);
    QTest::newRow("1280x1024 at scale 1.5 (853x682)")
        << mainWindow << screen({0, 0, 1280, 1024}, 1.5) << QPoint(382, 60);
    QTest::newRow("second screen on the right: design position from its own corner")
        << mainWindow << screen({1280, 0, 1024, 768}) << QPoint(1662, 60);
    QTest::newRow("second screen on the left, at negative x")
        << mainWindow << screen({-640, 0, 640, 480}) << QPoint(-409, 60);
    QTest::newRow("second screen below, scaled 2: its corner stays in device pixels")
        << mainWindow << screen({0, 1024, 1280, 1024}, 2) << QPoint(231, 1084);
    QTest::newRow("a panel on the left pushes the chart off the edge")
        << chartWindow << screen({0, 0, 1280, 1024}, 1, {48, 0, 0, 0}) << QPoint(48, 26);
    QTest::newRow("a panel on top taller than the design gap")
        << mainWindow << screen({0, 0, 1280, 1024}, 1, {0, 80, 0, 0}) << QPoint(382, 80);
    QTest::newRow("a panel at the bottom of a short screen lifts the window")
        << opening << screen({0, 0, 800, 440}, 1, {0, 0, 0, 40}) << QPoint(226, 178);
    QTest::newRow("640x480 under openbox: main with its frame")
        << framed(mainWindow, true) << screen({0, 0, 640, 480}) << QPoint(229, 60);
    QTest::newRow("640x480 under openbox: practice lifted until its frame's foot is on screen")
        << framed(practiceWindow, false) << screen({0, 0, 640, 480}) << QPoint(139, 168);
    QTest::newRow("taller than the screen: top-left corner stays reachable")
        << chartWindow << screen({0, 0, 640, 480}) << QPoint(0, 0);
    QTest::newRow("wider and taller than the screen")
        << QRect(300, 300, 900, 700) << screen({0, 0, 640, 480}, 1, {10, 20, 0, 0}) << QPoint(10, 20);
}

void PlacementTest::placeWindow() {
    QFETCH(QRect, frame);
    QFETCH(ScreenArea, area);
    QFETCH(QPoint, expected);
    const QPoint at = frontend::placeWindow(frame, area);
    QCOMPARE(at, expected);
    // Whatever fits the area lies wholly inside it.
    const QRect available = area.logicalAvailable();
    const QRect placed(at, frame.size());
    if (frame.width() <= available.width() && frame.height() <= available.height())
        QVERIFY2(available.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                            .arg(placed.x())
                                                            .arg(placed.y())
                                                            .arg(placed.width())
                                                            .arg(placed.height())));
}

void PlacementTest::placeBeside_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<ScreenArea>("area");
    QTest::addColumn<QRect>("neighbour");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("1280x1024: practice right of the chart, not over its last column")
        << practiceWindow << screen({0, 0, 1280, 1024}) << chartWindow << QPoint(390, 263);
    QTest::newRow("1024x768: room for both")
        << practiceWindow << screen({0, 0, 1024, 768}) << chartWindow << QPoint(390, 263);
    QTest::newRow("640x480: too small for both, so only on screen")
        << practiceWindow << screen({0, 0, 640, 480}) << QRect(0, 0, 390, 480) << QPoint(141, 189);
    QTest::newRow("1280x1024 at scale 2: 640 wide, too small for both")
        << practiceWindow << screen({0, 0, 1280, 1024}, 2) << QRect(0, 0, 390, 512) << QPoint(141, 221);
    QTest::newRow("exactly wide enough for both")
        << practiceWindow << screen({0, 0, 889, 700}) << chartWindow << QPoint(390, 263);
    QTest::newRow("one pixel short: on screen, over the chart")
        << practiceWindow << screen({0, 0, 888, 700}) << chartWindow << QPoint(331, 263);
    QTest::newRow("chart with a window frame")
        << practiceWindow << screen({0, 0, 1280, 1024}) << QRect(0, 26, 394, 612) << QPoint(394, 263);
    QTest::newRow("chart moved to the right: practice on its left")
        << practiceWindow << screen({0, 0, 1280, 1024}) << QRect(800, 26, 390, 584) << QPoint(301, 263);
    QTest::newRow("chart elsewhere: design position")
        << practiceWindow << screen({0, 0, 1280, 1024}) << QRect(900, 600, 300, 300) << QPoint(331, 263);
    QTest::newRow("second screen: beside the chart on that screen")
        << practiceWindow << screen({1280, 0, 1280, 1024}) << QRect(1280, 26, 390, 584) << QPoint(1670, 263);
}

void PlacementTest::placeBeside() {
    QFETCH(QRect, frame);
    QFETCH(ScreenArea, area);
    QFETCH(QRect, neighbour);
    QFETCH(QPoint, expected);
    const QPoint at = frontend::placeBeside(frame, area, neighbour);
    QCOMPARE(at, expected);
    const QRect placed(at, frame.size());
    const QRect available = area.logicalAvailable();
    QVERIFY(available.contains(placed));
    if (available.width() >= frame.width() + neighbour.width()) QVERIFY(!placed.intersects(neighbour));
}

void PlacementTest::logicalArea_data() {
    QTest::addColumn<ScreenArea>("area");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QRect>("available");
    QTest::newRow("scale 1") << screen({0, 0, 640, 480}, 1, {0, 0, 0, 30}) << QRect(0, 0, 640, 480)
                             << QRect(0, 0, 640, 450);
    QTest::newRow("scale 2") << screen({0, 0, 1280, 1024}, 2, {0, 32, 0, 0}) << QRect(0, 0, 640, 512)
                             << QRect(0, 16, 640, 496);
    QTest::newRow("scale 2, second screen")
        << screen({1280, 0, 2560, 1440}, 2) << QRect(1280, 0, 1280, 720) << QRect(1280, 0, 1280, 720);
    // Odd device sizes round inwards: nothing placed inside reaches past the device's edge.
    QTest::newRow("scale 2, odd size")
        << screen({0, 0, 1001, 701}, 2) << QRect(0, 0, 500, 350) << QRect(0, 0, 500, 350);
}

void PlacementTest::logicalArea() {
    QFETCH(ScreenArea, area);
    QFETCH(QRect, geometry);
    QFETCH(QRect, available);
    QCOMPARE(area.logicalGeometry(), geometry);
    QCOMPARE(area.logicalAvailable(), available);
}

QTEST_GUILESS_MAIN(PlacementTest)
// X where a Wayland desktop also offers it, so the windows can be placed; the player's own choice stands.
void PlacementTest::platform_data() {
    QTest::addColumn<QByteArray>("player");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("x");
    QTest::addColumn<QString>("asked");
    QTest::newRow("Wayland with Xwayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray(":0") << "xcb";
    QTest::newRow("Wayland alone") << QByteArray() << QByteArray("wayland-0") << QByteArray() << "";
    QTest::newRow("X alone") << QByteArray() << QByteArray() << QByteArray(":0") << "";
    QTest::newRow("the player's choice")
        << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0") << "";
}

void PlacementTest::platform() {
    QFETCH(QByteArray, player);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, x);
    const auto orNull = [](const QByteArray& value) { return value.isNull() ? nullptr : value.constData(); };
    const std::optional<std::string> asked =
        frontend::platformFor(orNull(player), orNull(wayland), orNull(x));
    QTEST(QString::fromStdString(asked.value_or("")), "asked");
}

// The first start fits the game to the screen: the largest step at which the main window with its frame
// (417 x 386 at zoom 1) takes at most three quarters of the screen; a window that must stand wholly on the
// screen (share 1) may take it all.
void PlacementTest::zoom_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("share");
    QTest::addColumn<double>("zoom");
    QTest::newRow("640x480") << QSize(640, 480) << 0.75 << 1.0;
    QTest::newRow("1024x768 tablet") << QSize(1024, 768) << 0.75 << 1.25;
    QTest::newRow("1366x768") << QSize(1366, 768) << 0.75 << 1.25;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 0.75 << 2.0;
    QTest::newRow("2560x1440") << QSize(2560, 1440) << 0.75 << 2.5;
    QTest::newRow("3840x2160") << QSize(3840, 2160) << 0.75 << 3.0;
    QTest::newRow("portrait 768x1024") << QSize(768, 1024) << 0.75 << 1.25;
    QTest::newRow("wholly on 1024x768") << QSize(1024, 768) << 1.0 << 1.75;
}

void PlacementTest::zoom() {
    QFETCH(QSize, screen);
    QFETCH(double, share);
    QTEST(frontend::fittedZoom(QSizeF(417, 386), QSizeF(screen), share), "zoom");
    // Ctrl+plus and Ctrl+minus go a step at a time and stop at either end.
    QCOMPARE(frontend::steppedZoom(1.75, 1), 2.0);
    QCOMPARE(frontend::steppedZoom(1.6, -1), 1.5);
    QCOMPARE(frontend::steppedZoom(3, 1), 3.0);
    QCOMPARE(frontend::steppedZoom(1, -1), 1.0);
    // What --zoom and the settings file may say.
    QVERIFY(frontend::readZoom(QStringLiteral("fit"))->fit);
    QCOMPARE(frontend::readZoom(QStringLiteral("1.5"))->factor, 1.5);
    for (const char* refused : {"0.5", "3.5", "big", ""})
        QVERIFY2(!frontend::readZoom(QString::fromLatin1(refused)), refused);
}

#include "test_placement.moc"
