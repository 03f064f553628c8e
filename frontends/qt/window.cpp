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
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMoveEvent>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
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

// The frame the desktop puts round a window is known only once it has framed one: the last frame seen round
// any of the game's windows, kept while they come and go (none under a bare X server, where windows have no
// frame).
QMargins knownFrame;

QMargins frameMargins() {
    return knownFrame;
}

// The screen the pointer is on, where windows open.
QScreen* screenInUse() {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    return screen ? screen : QGuiApplication::primaryScreen();
}

// The frame round a window before any has been shown: a title bar and thin borders.
const QSize guessedFrame(8, 32);

// The menu bar as the keyboard plays it on every desktop: Alt, or F10, highlights its first item, the arrows
// move along it and open its menus, Enter or Space picks, Escape leaves, and the focus goes back to where
// it was. Desktop styles differ in whether Alt does this at all; the game's menu bars always do.
class MenuKeysStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// The game's window: the game stands centred in it, the rest in the window's colour.
class Stage : public QWidget {
public:
    Stage(QtWindow& window, QWidget* game) : QWidget(&window), window_(window), game_(game) {
        setAutoFillBackground(true);
        game->setParent(this);
    }

    QSize sizeHint() const override { return game_->size(); }

protected:
    void resizeEvent(QResizeEvent*) override {
        game_->move((width() - game_->width()) / 2, (height() - game_->height()) / 2);
        window_.followStage();
    }

private:
    QtWindow& window_;
    QWidget* game_;
};

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

QtWindow::QtWindow(Window& window, QtDisplay& display) : window_(&window), display_(display) {
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
    if (window.zoomsWithFrame()) {
        stage_ = new Stage(*this, client_);
        stage_->setPalette(palette);
        stage_->setMinimumSize(client_->size());
        setCentralWidget(stage_);
    } else {
        setCentralWidget(client_);
    }
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
    if (window.zoomsWithFrame() && display.addToMainMenus) display.addToMainMenus(window.menuBar());
    buildMenus();
    // A window without menus gets no menu bar at all; one with menus is measured while still at zoom 1.
    if (!window.menuBar().items().empty()) {
        menuFont_ = menuBar()->font();
        menuAtOne_ = menuBar()->sizeHint().height();
        auto* keysStyle = new MenuKeysStyle;
        keysStyle->setParent(this); // goes after the menu bar, which was made before it
        menuBar()->setStyle(keysStyle);
        connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
                [this] { openMenuBarForKeys(); });
    }
    if (stage_) addZoomKeys();
    if (window.keyHandler)
        new KeyHook(
            this, client_, [this](const KeyPress& key) { return window_ && window_->keyDown(key); },
            [this](int key, bool autoRepeat) {
                if (window_) window_->keyUp(key, autoRepeat);
            });
    if (!stage_) layout()->setSizeConstraint(QLayout::SetFixedSize);
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

void QtWindow::addZoomKeys() {
    const auto step = [this](int direction) {
        const double zoom = steppedZoom(zoom_, direction);
        display_.zoomTo(zoom, ZoomChoice{false, zoom});
        fitToZoom();
    };
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(1); });
    connect(new QShortcut(QKeySequence::ZoomOut, this), &QShortcut::activated, this, [step] { step(-1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this), &QShortcut::activated, this, [this] {
        display_.zoomTo(display_.fittingZoom(*this), ZoomChoice{});
        fitToZoom();
    });
    // Full screen and back. The window takes the screen's size itself too: a bare X server has no window
    // manager to do it.
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this, [this] {
        if (fullScreen_) {
            fullScreen_ = false;
            showNormal();
            if (normalPlace_.isValid()) setGeometry(normalPlace_);
        } else {
            fullScreen_ = true;
            normalPlace_ = geometry();
            showFullScreen();
            if (QScreen* screen = this->screen()) setGeometry(screen->geometry());
        }
    });
}

// The menu bar takes the keyboard only by watching Alt: it is handed an Alt pressed and let go, as the
// player's Alt would be.
void QtWindow::openMenuBarForKeys() {
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(this, &release);
}

QSize QtWindow::frameAtOne() const {
    const QSize client(px(window_->clientWidth()), px(window_->clientHeight()));
    const QMargins margins = frameMargins();
    const QSize frame = margins.isNull()
                            ? guessedFrame
                            : QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    return client + QSize(0, menuAtOne_) + frame;
}

void QtWindow::setZoom(double zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    client_->setFixedSize(px(window_->clientWidth(), zoom), px(window_->clientHeight(), zoom));
    if (const std::optional<QCursor> cursor = cursorFor(window_->cursor(), zoom)) client_->setCursor(*cursor);
    for (ControlWidget* widget : widgets_)
        widget->changed(~0u);
    if (menuAtOne_ > 0) {
        QFont font = menuFont_;
        font.setPointSizeF(menuFont_.pointSizeF() * zoom);
        menuBar()->setFont(font);
        for (QMenu* menu : menuBar()->findChildren<QMenu*>())
            menu->setFont(font);
    }
    if (stage_)
        client_->move((stage_->width() - client_->width()) / 2, (stage_->height() - client_->height()) / 2);
}

const toolkit::Look& QtWindow::look() const {
    return display_.look();
}

void QtWindow::lookChanged() {
    for (ControlWidget* widget : widgets_)
        widget->changed(toolkit::changedLook);
}

void QtWindow::fitToZoom() {
    if (!stage_ || isMaximized() || fullScreen_) return;
    fitting_ = true;
    stage_->updateGeometry();
    layout()->activate();
    resize(sizeHint());
    fitting_ = false;
}

void QtWindow::followStage() {
    if (!stage_ || fitting_ || !window_) return;
    const double across = double(stage_->width()) / px(window_->clientWidth());
    const double down = double(stage_->height()) / px(window_->clientHeight());
    const double zoom = std::clamp(std::min(across, down), 1.0, 6.0);
    if (std::abs(zoom - zoom_) < 0.005) return;
    // A size the player gave the window is remembered; a maximised or full-screen window is not.
    const bool chosen = !isMaximized() && !fullScreen_;
    display_.zoomTo(zoom, chosen ? std::optional<ZoomChoice>(ZoomChoice{false, zoom}) : std::nullopt);
}

QPoint QtWindow::firstPlace(const Window* beside) {
    const QPoint design(px(window_->designPosition().x, zoom_), px(window_->designPosition().y, zoom_));
    QScreen* screen = screenInUse();
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

void QtWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) return;
    knownFrame = frame;
    if (framed_) return;
    framed_ = true;
    // The first frame round a window may be larger than the one it was placed by (the first window of all
    // was placed without one): the window moves as far as it must to stand with its frame on the screen.
    QScreen* screen = this->screen();
    if (!screen) return;
    const ScreenArea area = areaOf(*screen);
    const QRect placed = frameGeometry();
    const QPoint at = placeWindow(placed.translated(-area.logicalGeometry().topLeft()), area);
    if (at != placed.topLeft()) move(at);
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

QtDisplay::QtDisplay(ZoomChoice choice, toolkit::Settings* remember)
    : choice_(choice), remember_(remember), zoom_(choice.fit ? 1 : choice.factor) {
    ControlWidget::hideDecorativeFromScreenReaders();
}

void QtDisplay::realize(Window& window) {
    auto* view = new QtWindow(window, *this);
    // The game's window is made first: the first start fits it to the screen, if that is the choice.
    if (view->zoomsWithFrame() && !started_ && choice_.fit) zoom_ = fittingZoom(*view);
    started_ = true;
    view->setZoom(zoomFor(*view));
    view->fitToZoom();
    windows_.insert(view);
}

void QtDisplay::lookChanged() {
    for (QtWindow* window : windows_)
        window->lookChanged();
}

double QtDisplay::fittingZoom(const QtWindow& gameWindow) const {
    const QScreen* screen = screenInUse();
    if (!screen) return 1;
    return fittedZoom(gameWindow.frameAtOne(), screen->availableGeometry().size(), 0.75);
}

double QtDisplay::zoomFor(const QtWindow& window) const {
    if (window.zoomsWithFrame() || zoom_ <= 1) return zoom_;
    // Another window takes the game's zoom, or the largest step at which it stands wholly on the screen.
    const QScreen* screen = screenInUse();
    if (!screen) return zoom_;
    return std::min(zoom_, fittedZoom(window.frameAtOne(), screen->availableGeometry().size(), 1.0));
}

void QtDisplay::zoomTo(double zoom, std::optional<ZoomChoice> remember) {
    zoom_ = zoom;
    for (QtWindow* window : windows_)
        window->setZoom(zoomFor(*window));
    if (remember && remember_) remember_->setValue("view/zoom", writtenZoom(*remember).toStdString());
}

void QtDisplay::release(std::unique_ptr<Window> window, bool now) {
    QtWindow* view = QtWindow::of(window.get());
    if (!view) return;
    windows_.erase(view);
    view->QMainWindow::hide();
    view->detach(std::move(window));
    if (now)
        delete view;
    else
        view->deleteLater();
}

} // namespace frontend
