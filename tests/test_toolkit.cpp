// SPDX-License-Identifier: MIT
// The window toolkit: screens that outlive their windows, the program's end, timers, control arrays,
// picture boxes and labels, and the guard that turns an untrapped error into the error box.
#include "game/program.h"
#include "support/fakes.h"
#include "toolkit/builder.h"
#include "toolkit/controlarray.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"
#include <QtTest>

namespace {

class Host : public toolkit::ScreenHost {
public:
    void screenLoaded() override { ++loaded; }
    void screenUnloaded() override { --loaded; }
    toolkit::Guard& guard() override { return guardian; }
    RecordingErrors errors;
    toolkit::Guard guardian{errors};
    int loaded = 0;
};

class SampleScreen : public toolkit::Screen {
public:
    explicit SampleScreen(Host& host) : Screen(host) {}
    int loads = 0;
    int clicks = 0;
    int variable = 0;
    toolkit::PictureBox* box = nullptr;
    toolkit::Timer* timer = nullptr;

protected:
    toolkit::ScreenWindow* build() override {
        auto* window = new toolkit::ScreenWindow(QStringLiteral("sample"), {100, 80});
        box = toolkit::makePicture(window->client(), {{0, 0, 300, 300}});
        timer = new toolkit::Timer(window, 10, true);
        on(box, &toolkit::PictureBox::clicked, [this] { ++clicks; });
        return window;
    }
    void onLoad() override { ++loads; }
    void forgetControls() override {
        box = nullptr;
        timer = nullptr;
    }
};

} // namespace

class ToolkitTest : public QObject {
    Q_OBJECT
private slots:
    void screenLifetime();
    void closedWindowsSendNoEvents();
    void timerSemantics();
    void hiddenScreensKeepTicking();
    void controlArrayBounds();
    void pictureBoxes();
    void guardReportsUntrappedErrors();
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
    QCOMPARE(screen.window()->centralWidget()->size(), QSize(100, 80));
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
    QPointer<toolkit::PictureBox> old = screen.box;
    QTest::mouseClick(old, Qt::LeftButton);
    QCOMPARE(screen.clicks, 1);
    screen.close();
    QVERIFY(old); // still waiting for the event loop to delete it
    emit old->clicked();
    QCOMPARE(screen.clicks, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
}

void ToolkitTest::timerSemantics() {
    QObject owner;
    toolkit::Timer timer(&owner, 1000, true);
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
    int ticks = 0;
    toolkit::Timer fast(&owner, 5, true);
    QObject::connect(&fast, &toolkit::Timer::tick, [&] { ++ticks; });
    QTRY_VERIFY(ticks >= 3);
}

void ToolkitTest::hiddenScreensKeepTicking() {
    Host host;
    SampleScreen screen(host);
    screen.hide();
    int ticks = 0;
    QObject::connect(screen.timer, &toolkit::Timer::tick, [&] { ++ticks; });
    QTRY_VERIFY(ticks >= 2);
    toolkit::Timer* timer = screen.timer;
    screen.close(); // closing stops the screen's timers at once
    QVERIFY(!timer->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ToolkitTest::controlArrayBounds() {
    toolkit::ControlArray<QObject> array("Label1");
    QObject a, b;
    array.set(0, &a);
    array.set(1, &b);
    QCOMPARE(array(1), &b);
    for (int bad : {-1, 2, 32767}) {
        try {
            array(bad);
            QFAIL("an index beyond the array must fail");
        } catch (const toolkit::RuntimeError& e) {
            QCOMPARE(QString::fromStdString(e.detail()),
                     QStringLiteral("Subscript out of range: Label1(%1)").arg(bad));
        }
    }
}

void ToolkitTest::pictureBoxes() {
    QWidget parent;
    auto* box = toolkit::makePicture(&parent, {{150, 300, 495, 495}});
    QCOMPARE(box->geometry(), QRect(10, 20, 33, 33));
    QPixmap picture(36, 24);
    picture.fill(Qt::red);
    box->setPicture(picture);
    QCOMPARE(box->size(), QSize(33, 33)); // not auto-sized: clipped to the box
    box->setAutoSize(true);
    box->setPicture(picture);
    QCOMPARE(box->size(), QSize(36, 24));
    auto* other = toolkit::makePicture(&parent, {{0, 0, 300, 300}});
    other->setPicture(box->picture()); // both show the same picture
    QCOMPARE(other->picture().cacheKey(), box->picture().cacheKey());
    box->setPosition(100.5, 107.5); // real twips kept, widget on the nearest pixel
    QCOMPARE(box->left(), 100.5f);
    QCOMPARE(box->pos(), QPoint(7, 7));
    int clicks = 0;
    QObject::connect(box, &toolkit::PictureBox::clicked, [&] { ++clicks; });
    parent.show();
    QTest::mouseClick(box, Qt::LeftButton);
    box->setEnabled(false);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    auto* label = toolkit::makeLabel(&parent, {{0, 0, 450, 555}, QStringLiteral("a")});
    QList<Qt::MouseButton> downs;
    QObject::connect(label, &toolkit::Label::mouseDown, [&](Qt::MouseButton b) { downs << b; });
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mousePress(label, b);
    QCOMPARE(downs.size(), 3);
}

void ToolkitTest::guardReportsUntrappedErrors() {
    RecordingErrors errors;
    toolkit::Guard guard(errors);
    bool after = false;
    guard.run([] { throw toolkit::subscriptOutOfRange("Picture1", 12); });
    guard.run([] { throw std::runtime_error("plain failure"); });
    guard.run([&] { after = true; });
    QCOMPARE(errors.details, (QStringList{"Subscript out of range: Picture1(12)", "plain failure"}));
    QVERIFY(after);
}

QTEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
