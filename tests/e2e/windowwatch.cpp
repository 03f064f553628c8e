// SPDX-License-Identifier: MIT
// Times how long a window takes to answer a click: takes a picture of a rectangle of the window, starts
// the given command (which presses the left button and lets it go a moment later), watches the X server
// for the button going down and up again, and then takes pictures until the rectangle looks different.
// Prints the milliseconds from the button's release (when a button acts) to the first changed picture,
// or "timeout" (exit 1) when the rectangle has not changed within the time given; the time the command
// itself takes to start is not counted. The helper of the real-audio check
// (tests/e2e_audio.sh); it reads the X display the check's Xvfb gives it.
//
//   windowwatch WINDOW-ID X Y WIDTH HEIGHT TIMEOUT-MS COMMAND...
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <X11/Xlib.h>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    if (argc < 8) {
        std::fprintf(stderr, "usage: windowwatch WINDOW-ID X Y WIDTH HEIGHT TIMEOUT-MS COMMAND...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const WId window = QByteArray(argv[1]).toULongLong();
    const int x = atoi(argv[2]), y = atoi(argv[3]), w = atoi(argv[4]), h = atoi(argv[5]);
    const qint64 timeout = atoll(argv[6]);
    QStringList command;
    for (int i = 8; i < argc; ++i)
        command << QString::fromLocal8Bit(argv[i]);
    QScreen* screen = QGuiApplication::primaryScreen();
    const auto grab = [&] { return screen->grabWindow(window, x, y, w, h).toImage(); };
    const QImage before = grab();
    if (before.isNull()) {
        std::fprintf(stderr, "windowwatch: cannot take a picture of window %s\n", argv[1]);
        return 2;
    }
    const std::unique_ptr<Display, int (*)(Display*)> connection(XOpenDisplay(nullptr), XCloseDisplay);
    Display* display = connection.get();
    if (!display) {
        std::fprintf(stderr, "windowwatch: cannot open the display\n");
        return 2;
    }
    QProcess click;
    click.start(QString::fromLocal8Bit(argv[7]), command);
    QElapsedTimer clock;
    clock.start();
    const auto pressed = [display] {
        Window root, child;
        int rootX, rootY, x, y;
        unsigned int mask = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask);
        return (mask & Button1Mask) != 0;
    };
    for (bool down = false, seen = false; !seen || down;) {
        down = pressed();
        seen = seen || down;
        if (clock.elapsed() > 10000) {
            std::fprintf(stderr, "windowwatch: the command did not press and release the left button\n");
            return 2;
        }
    }
    clock.restart();
    while (clock.elapsed() <= timeout) {
        if (grab() != before) {
            std::printf("%lld\n", static_cast<long long>(clock.elapsed()));
            click.waitForFinished();
            return 0;
        }
        QThread::msleep(2);
    }
    std::printf("timeout\n");
    click.waitForFinished();
    return 1;
}
