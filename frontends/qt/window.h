// SPDX-License-Identifier: MIT
#pragma once
// The desktop front end: each screen's window as a top-level Qt window with a fixed client area under an
// optional menu bar, its controls as widgets, its timers on Qt's clock, its menus as Qt menus.
#include "toolkit/window.h"
#include <QMainWindow>
#include <memory>
#include <vector>

namespace frontend {

class ControlWidget;

class QtWindow : public QMainWindow, public toolkit::WindowView {
    Q_OBJECT
public:
    explicit QtWindow(toolkit::Window& window);
    ~QtWindow() override;
    QWidget* client() const { return client_; }
    // The window of a screen's window, for the front end's own checks and tests.
    static QtWindow* of(const toolkit::Window* window);

    void show(const toolkit::Window* beside) override;
    using QWidget::show;
    void hide() override { QMainWindow::hide(); }
    void raise() override;
    void focus() override;

    // The screen has let go of its window: nothing raises its events any more, and the window (held from
    // now on by this view) goes with it.
    void detach(std::unique_ptr<toolkit::Window> window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QPoint firstPlace(const toolkit::Window* beside);
    toolkit::Window* window_;
    std::unique_ptr<toolkit::Window> owned_;
    QWidget* client_;
    std::vector<ControlWidget*> widgets_;
    bool placed_ = false;
};

class QtDisplay : public toolkit::Display {
public:
    void realize(toolkit::Window& window) override;
    void release(std::unique_ptr<toolkit::Window> window, bool now) override;
};

} // namespace frontend
