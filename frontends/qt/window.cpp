// SPDX-License-Identifier: MIT
#include "frontends/qt/window.h"
#include "frontends/qt/icon.h"
#include "frontends/qt/keyhook.h"
#include "frontends/qt/menus.h"
#include "frontends/qt/pictures.h"
#include "frontends/qt/placement.h"
#include "frontends/qt/qtcolour.h"
#include "frontends/qt/timer.h"
#include "frontends/qt/twips.h"
#include "frontends/qt/widgets.h"
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <map>

using namespace toolkit;

namespace frontend {

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

ControlWidget* makeWidget(Control& control, QWidget* parent) {
    switch (control.kind()) {
    case Control::Kind::label:
        return new LabelWidget(static_cast<Label&>(control), parent);
    case Control::Kind::button:
        return new ButtonWidget(static_cast<Button&>(control), parent);
    case Control::Kind::picture:
        return new PictureWidget(static_cast<PictureBox&>(control), parent);
    case Control::Kind::line:
        return new LineWidget(static_cast<Line&>(control), parent);
    case Control::Kind::canvas:
        break;
    }
    return new CanvasWidget(static_cast<Canvas&>(control), parent);
}

} // namespace

QtWindow::QtWindow(Window& window) : window_(&window) {
    setWindowTitle(QString::fromStdString(window.caption()));
    setWindowIcon(programIcon());
    setObjectName(QString::fromStdString(window.objectName()));
    client_ = new QWidget(this);
    client_->setFixedSize(px(window.clientWidth()), px(window.clientHeight()));
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, toQColor(window.backColor()));
    client_->setPalette(palette);
    if (const std::optional<QCursor> cursor = cursorFor(window.cursor())) client_->setCursor(*cursor);
    setCentralWidget(client_);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    // Controls from back to front, each on the client area or on the control it lies on.
    std::map<const Control*, QWidget*> made;
    for (const auto& control : window.controls()) {
        QWidget* parent = control->parent() ? made.at(control->parent()) : client_;
        ControlWidget* widget = makeWidget(*control, parent);
        control->setView(widget);
        made[control.get()] = dynamic_cast<QWidget*>(widget);
        widgets_.push_back(widget);
    }
    for (const auto& timer : window.timers())
        new QtTimer(*timer, this);
    buildMenus();
    if (window.keyHandler)
        new KeyHook(this, client_, [this](const KeyPress& key) {
            return window_ && window_->keyHandler && window_->keyHandler(key);
        });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.setView(this);
}

QtWindow::~QtWindow() {
    for (ControlWidget* widget : widgets_)
        widget->detach();
}

QtWindow* QtWindow::of(const Window* window) {
    return window ? dynamic_cast<QtWindow*>(window->view()) : nullptr;
}

void QtWindow::buildMenus() {
    const MenuItem& bar = window_->menuBar();
    if (bar.items().empty()) return;
    for (const auto& item : bar.items()) {
        if (item->isMenu()) {
            QMenu* menu = menuBar()->addMenu(QString::fromStdString(item->text()));
            new MenuView(*item, menu->menuAction(), menu);
            for (const auto& entry : item->items())
                new MenuView(*entry, menu->addAction(QString::fromStdString(entry->text())), nullptr);
        } else {
            new MenuView(*item, menuBar()->addAction(QString::fromStdString(item->text())), nullptr);
        }
    }
}

QPoint QtWindow::firstPlace(const Window* beside) {
    const QPoint design(px(window_->designPosition().x), px(window_->designPosition().y));
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return design;
    layout()->activate();
    const QRect frame(design, size().grownBy(frameMargins()));
    const ScreenArea area = areaOf(*screen);
    const QtWindow* neighbour = of(beside);
    if (neighbour && neighbour->isVisible()) return placeBeside(frame, area, neighbour->frameGeometry());
    return placeWindow(frame, area);
}

void QtWindow::show(const Window* beside) {
    if (!placed_) {
        move(firstPlace(beside));
        placed_ = true;
    }
    QMainWindow::show();
}

void QtWindow::raise() {
    QMainWindow::raise();
    activateWindow();
}

void QtWindow::focus() {
    activateWindow();
    setFocus();
}

void QtWindow::detach(std::unique_ptr<Window> window) {
    for (ControlWidget* widget : widgets_)
        widget->detach();
    for (QtTimer* timer : findChildren<QtTimer*>())
        timer->detach();
    for (MenuView* menu : findChildren<MenuView*>())
        menu->detach();
    window_ = nullptr;
    owned_ = std::move(window);
}

void QtWindow::closeEvent(QCloseEvent* event) {
    // The screen decides what a close from the frame means; the window never closes itself.
    event->ignore();
    if (window_ && window_->closeRequested) window_->closeRequested();
}

void QtDisplay::realize(Window& window) {
    new QtWindow(window);
}

void QtDisplay::release(std::unique_ptr<Window> window, bool now) {
    QtWindow* view = QtWindow::of(window.get());
    if (!view) return;
    view->QMainWindow::hide();
    view->detach(std::move(window));
    if (now)
        delete view;
    else
        view->deleteLater();
}

} // namespace frontend
