// SPDX-License-Identifier: MIT
#pragma once
// The desktop front end: each screen's window as a top-level Qt window with a fixed client area under an
// optional menu bar, its controls as widgets, its timers on Qt's clock, its menus as Qt menus.
#include "frontends/qt/zoom.h"
#include "toolkit/settings.h"
#include "toolkit/window.h"
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace frontend {

class ControlWidget;
class QtDisplay;

class QtWindow : public QMainWindow, public toolkit::WindowView {
    Q_OBJECT
public:
    QtWindow(toolkit::Window& window, QtDisplay& display);
    ~QtWindow() override;
    QWidget* client() const { return client_; }
    // The window of a screen's window, for the front end's own checks and tests.
    static QtWindow* of(const toolkit::Window* window);

    void show(const toolkit::Window* beside) override;
    using QWidget::show;
    void hide() override { QMainWindow::hide(); }
    void raise() override;
    void focus() override;
    void captionChanged() override { setWindowTitle(QString::fromStdString(window_->caption())); }

    double zoom() const { return zoom_; }
    const toolkit::Look& look() const;
    // Draws every control anew in the display's look.
    void lookChanged();
    // Draws the window at another zoom: its client area, every control, its pointer and its menus.
    void setZoom(double zoom);
    bool zoomsWithFrame() const { return stage_ != nullptr; }
    // The window's size with its frame at zoom 1 (the frame guessed until a window has been shown).
    QSize frameAtOne() const;
    // The game's window takes the size of the game at its zoom, unless it is maximised or full screen.
    void fitToZoom();
    // The game's window was resized by the player: the game zooms to fill it.
    void followStage();

    // The screen has let go of its window: nothing raises its events any more, and the window (held from
    // now on by this view) goes with it.
    void detach(std::unique_ptr<toolkit::Window> window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildMenus();
    void addZoomKeys();
    void openMenuBarForKeys(); // F10
    QPoint firstPlace(const toolkit::Window* beside);
    toolkit::Window* window_;
    QtDisplay& display_;
    double zoom_ = 1;
    QWidget* stage_ = nullptr; // the game's window: the area the game stands centred in
    QFont menuFont_;           // the menus' font at zoom 1
    int menuAtOne_ = 0;        // the menu bar's height at zoom 1; 0: the window has no menus
    bool fitting_ = false;     // the window is being sized to the zoom: its resizing is not the player's
    QRect normalPlace_;        // where the game's window stood before it went full screen
    bool fullScreen_ = false;
    std::unique_ptr<toolkit::Window> owned_;
    QWidget* client_;
    std::vector<ControlWidget*> widgets_;
    bool placed_ = false;
    bool framed_ = false; // the desktop has put its frame round the window
};

class QtDisplay : public toolkit::Display {
public:
    // choice: the zoom to start at; remember: where the player's later choices are kept (none: nowhere).
    explicit QtDisplay(ZoomChoice choice = {false, 1}, toolkit::Settings* remember = nullptr);
    void realize(toolkit::Window& window) override;
    void release(std::unique_ptr<toolkit::Window> window, bool now) override;

    double zoom() const { return zoom_; }
    // Every window follows a new zoom; remembered as the player's choice when one is given.
    void zoomTo(double zoom, std::optional<ZoomChoice> remember);
    // The zoom at which the game's window with its frame takes about three quarters of the screen.
    double fittingZoom(const QtWindow& gameWindow) const;
    // Menus of the desktop's own, added to the game's window as it is made.
    std::function<void(toolkit::MenuItem& bar)> addToMainMenus;

protected:
    void lookChanged() override;

private:
    double zoomFor(const QtWindow& window) const;
    ZoomChoice choice_;
    toolkit::Settings* remember_;
    double zoom_ = 1;
    bool started_ = false;
    std::set<QtWindow*> windows_;
};

} // namespace frontend
