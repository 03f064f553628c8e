// SPDX-License-Identifier: MIT
// The window toolkit on the desktop: screens that outlive their windows, the program's end, timers, picture
// boxes and labels (control arrays and the guard are checked without a front end in test_toolkit_core).
#include "frontends/qt/widgets.h"
#include "frontends/qt/window.h"
#include "qt/views.h"
#include "support/fakes.h"
#include "toolkit/builder.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"
#include <QPointer>
#include <QtTest>

namespace {

class Host : public toolkit::ScreenHost {
public:
    void screenLoaded() override { ++loaded; }
    void screenUnloaded() override { --loaded; }
    toolkit::Guard& guard() override { return guardian; }
    toolkit::Display& display() override { return desktop; }
    RecordingErrors errors;
    toolkit::Guard guardian{errors};
    frontend::QtDisplay desktop;
    int loaded = 0;
};

class SampleScreen : public toolkit::Screen {
public:
    explicit SampleScreen(Host& host) : Screen(host) {}
    int loads = 0;
    int clicks = 0;
    int ticks = 0;
    int variable = 0;
    toolkit::PictureBox* box = nullptr;
    toolkit::Timer* timer = nullptr;

protected:
    std::unique_ptr<toolkit::Window> build() override {
        auto window = std::make_unique<toolkit::Window>("sample", 1500, 1200); // 100 x 80 pixels
        box = toolkit::makePicture(*window, nullptr, {{0, 0, 300, 300}});
        timer = window->addTimer(10, true);
        toolkit::wire(guard(), box->clicked, [this] { ++clicks; });
        toolkit::wire(guard(), timer->tick, [this] { ++ticks; });
        return window;
    }
    void onLoad() override { ++loads; }
    void forgetControls() override {
        box = nullptr;
        timer = nullptr;
    }
};

// A window of the check's own, outside any screen: its controls and timers are added first, then the desktop
// front end makes its view; both go at the end of the check.
struct LooseWindow {
    LooseWindow() : window(std::make_unique<toolkit::Window>("loose", 1500, 1500)) {}
    ~LooseWindow() { desktop.release(std::move(window), true); }
    void realize() { desktop.realize(*window); }
    frontend::QtDisplay desktop;
    std::unique_ptr<toolkit::Window> window;
};

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT
private slots:
    void screenLifetime();
    void closedWindowsSendNoEvents();
    void timerSemantics();
    void hiddenScreensKeepTicking();
    void pictureBoxes();
};

void ToolkitTest::screenLifetime() {
    Host host;
    SampleScreen screen(host);
    screen.close(); // not loaded: nothing happens
    QCOMPARE(host.loaded, 0);
    screen.hide(); // referencing a screen loads it, hidden
    QVERIFY(screen.isLoaded());
    QVERIFY(!screen.isVisible());
    QCOMPARE(screen.loads, 1);
    screen.show();
    screen.show(); // showing an open screen does not load it again
    QCOMPARE(screen.loads, 1);
    QCOMPARE(host.loaded, 1);
    QCOMPARE(qtWindow(screen)->client()->size(), QSize(100, 80));
    screen.variable = 42;
    screen.close();
    QVERIFY(!screen.isLoaded());
    QCOMPARE(screen.box, nullptr);
    QCOMPARE(host.loaded, 0);
    screen.show();
    QCOMPARE(screen.loads, 2);
    QCOMPARE(screen.variable, 42); // variables outlive the window
    screen.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ToolkitTest::closedWindowsSendNoEvents() {
    Host host;
    SampleScreen screen(host);
    screen.show();
    QPointer<QWidget> old = widget(screen.box);
    QTest::mouseClick(old, Qt::LeftButton);
    QCOMPARE(screen.clicks, 1);
    screen.close();
    QVERIFY(old); // still waiting for the event loop to delete it
    QTest::mouseClick(old, Qt::LeftButton);
    QCOMPARE(screen.clicks, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
}

void ToolkitTest::timerSemantics() {
    LooseWindow loose;
    toolkit::Timer& timer = *loose.window->addTimer(1000, true);
    toolkit::Timer& fast = *loose.window->addTimer(5, false);
    int ticks = 0;
    fast.tick.connect([&] { ++ticks; });
    loose.realize(); // the front end's clock starts the timer that is on
    QTRY_VERIFY_WITH_TIMEOUT(timer.remainingTime() <= 900, 5000);
    timer.setEnabled(true); // on while running: keeps its period
    QVERIFY2(timer.remainingTime() <= 900, "switching a running timer on must not restart it");
    timer.setEnabled(false);
    QCOMPARE(timer.remainingTime(), -1);
    timer.setEnabled(true); // off then on: a fresh period
    QVERIFY(timer.remainingTime() > 900);
    timer.setInterval(300); // the next tick comes after the new interval
    QVERIFY(timer.remainingTime() <= 300);
    QCOMPARE(timer.interval(), 300);
    fast.setEnabled(true);
    QTRY_VERIFY(ticks >= 3);
}

void ToolkitTest::hiddenScreensKeepTicking() {
    Host host;
    SampleScreen screen(host);
    screen.hide();
    QVERIFY(!screen.isVisible());
    QTRY_VERIFY(screen.ticks >= 2);
    toolkit::Timer* timer = screen.timer;
    screen.close(); // closing stops the screen's timers at once
    QVERIFY(!timer->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ToolkitTest::pictureBoxes() {
    LooseWindow loose;
    toolkit::Window& window = *loose.window;
    auto* box = toolkit::makePicture(window, nullptr, {{150, 300, 495, 495}});
    auto* other = toolkit::makePicture(window, nullptr, {{0, 0, 300, 300}});
    auto* label = toolkit::makeLabel(window, nullptr, {{0, 0, 450, 555}, "a"});
    loose.realize();
    auto* boxView = widget<frontend::PictureWidget>(box);
    QCOMPARE(boxView->geometry(), QRect(10, 20, 33, 33));
    const std::string picture = "creatures/creature07.gif"; // 36 x 24 pixels
    box->setPicture(picture);
    QCOMPARE(boxView->size(), QSize(33, 33)); // not auto-sized: clipped to the box
    box->setAutoSize(true);
    box->setPicture(picture);
    QCOMPARE(boxView->size(), QSize(36, 24));
    other->setPicture(box->picture()); // both show the same picture
    QCOMPARE(other->picture(), box->picture());
    QCOMPARE(widget<frontend::PictureWidget>(other)->pixmap().cacheKey(), boxView->pixmap().cacheKey());
    box->setPosition(100.5, 107.5); // real twips kept, widget on the nearest pixel
    QCOMPARE(box->left(), 100.5f);
    QCOMPARE(boxView->pos(), QPoint(7, 7));
    int clicks = 0;
    box->clicked.connect([&] { ++clicks; });
    window.show();
    QTest::mouseClick(boxView, Qt::LeftButton);
    box->setEnabled(false);
    QTest::mouseClick(boxView, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    QList<toolkit::MouseButton> downs;
    label->mouseDown.connect([&](toolkit::MouseButton b) { downs << b; });
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mousePress(widget(label), b);
    QCOMPARE(downs.size(), 3);
}

QTEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
