// SPDX-License-Identifier: MIT
#include "toolkit/screen.h"
#include "toolkit/placement.h"
#include "toolkit/timer.h"
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLayout>
#include <QScreen>
#include <QWindow>

namespace toolkit {

ScreenWindow::ScreenWindow(const QString& caption, QSize clientPixels) {
    setWindowTitle(caption);
    client_ = new QWidget(this);
    client_->setFixedSize(clientPixels);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // The screen decides what a close from the frame means; the window never closes itself.
    event->ignore();
    if (onCloseRequest) onCloseRequest();
}

namespace {

ScreenArea areaOf(const QScreen& screen) {
    // Qt reports a screen in logical pixels with its top-left corner kept in device pixels.
    const double scale = screen.devicePixelRatio();
    const QRect g = screen.geometry(), a = screen.availableGeometry();
    const auto device = [&](const QRect& r) {
        const QPoint from = g.topLeft() + (r.topLeft() - g.topLeft()) * scale;
        return QRect(from, (QSizeF(r.size()) * scale).toSize());
    };
    return {device(g), device(a), scale};
}

// The frame the desktop puts round a window is known only once a window has been shown; any shown window of
// the program tells it (none under a bare X server, where windows have no frame).
QMargins frameMargins() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowHandle()) return widget->windowHandle()->frameMargins();
    return {};
}

QPoint placeFirstShow(ScreenWindow& window, const QWidget* neighbour) {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return window.designPosition();
    window.layout()->activate();
    const QMargins margins = frameMargins();
    const QRect frame(window.designPosition(), window.size().grownBy(margins));
    const ScreenArea area = areaOf(*screen);
    if (neighbour && neighbour->isVisible()) return placeBeside(frame, area, neighbour->frameGeometry());
    return placeWindow(frame, area);
}

} // namespace

Screen::~Screen() {
    if (window_) delete window_;
}

void Screen::load() {
    if (window_) return;
    ++generation_;
    window_ = build();
    window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    window_->onCloseRequest = [this, generation = generation_] {
        if (generation == generation_) host_.guard().run([this] { closeRequested(); });
    };
    placed_ = false;
    host_.screenLoaded();
    if (visibleAtCreation()) showWindow();
    onLoad();
}

void Screen::show() {
    load();
    if (!window_) return; // the load step closed the screen again
    showWindow();
    window_->raise();
    window_->activateWindow();
}

void Screen::showWindow() {
    if (!placed_) {
        window_->move(placeFirstShow(*window_, standBeside()));
        placed_ = true;
    }
    window_->show();
}

void Screen::hide() {
    load();
    if (window_) window_->hide();
}

void Screen::focus() {
    if (!window_) return;
    window_->activateWindow();
    window_->setFocus();
}

void Screen::close() {
    if (!window_) return;
    ScreenWindow* old = window_;
    window_ = nullptr;
    ++generation_;
    for (Timer* timer : old->findChildren<Timer*>())
        timer->setEnabled(false);
    old->onCloseRequest = nullptr;
    old->hide();
    // The window may be in the middle of delivering the event that closed it: delete it later.
    old->deleteLater();
    forgetControls();
    host_.screenUnloaded();
}

} // namespace toolkit
