// SPDX-License-Identifier: MIT
#pragma once
// A screen is an object that outlives its window. Showing (or hiding) a screen that is not loaded builds its
// window and controls from the screen's definition and runs its load step; closing destroys window, controls
// and timers but keeps the screen's variables; closing a screen that is not loaded does nothing.
#include "toolkit/guard.h"
#include "toolkit/keyhook.h"
#include <QMainWindow>
#include <QPointer>
#include <functional>

namespace toolkit {

// Counts loaded screens; the program ends when the count falls to zero.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    virtual void screenLoaded() = 0;
    virtual void screenUnloaded() = 0;
    virtual Guard& guard() = 0;
};

// The top-level window of a screen: a fixed client area under an optional menu bar.
class ScreenWindow : public QMainWindow {
    Q_OBJECT
public:
    ScreenWindow(const QString& caption, QSize clientPixels);
    QWidget* client() const { return client_; }
    std::function<void()> onCloseRequest;

    // Where the window's top-left corner stands when it fits the screen, in pixels from the top-left corner
    // of the screen it opens on; the screen places it there, or as near as the screen allows, when it is
    // first shown.
    void setDesignPosition(QPoint pixels) { designPosition_ = pixels; }
    QPoint designPosition() const { return designPosition_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* client_;
    QPoint designPosition_;
};

class Screen {
public:
    explicit Screen(ScreenHost& host) : host_(host) {}
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    bool isLoaded() const { return window_ != nullptr; }
    bool isVisible() const { return window_ && window_->isVisible(); }
    void show();  // loads if needed, shows and brings to the front
    void hide();  // loads if needed, hides
    void load();  // loads if needed; a new window is shown only if its screen shows at creation
    void close(); // unloads if loaded
    void focus(); // gives the input focus to the window
    ScreenWindow* window() const { return window_; }

protected:
    // Builds the window and its controls from the screen's definition. Called by load().
    virtual ScreenWindow* build() = 0;
    virtual bool visibleAtCreation() const { return false; }
    virtual void onLoad() {}
    // Called after the window is gone: drop every pointer into it.
    virtual void forgetControls() = 0;
    // The player closed the window from its frame; by default that unloads the screen.
    virtual void closeRequested() { close(); }
    // A window this screen's window should stand beside rather than over, when the screen is wide enough
    // for both; none by default.
    virtual const QWidget* standBeside() const { return nullptr; }

    // Connects a control's signal to a handler through the guard. Events of a window that has been closed
    // (it may linger until the event loop deletes it) never reach the screen.
    template <class Sender, class Signal, class Handler>
    void on(Sender* sender, Signal signal, Handler handler) {
        QObject::connect(sender, signal, sender, [this, generation = generation_, handler]() {
            if (generation == generation_) host_.guard().run(handler);
        });
    }
    // Hands the key presses of the window (see KeyHook) to a handler through the guard; the handler returns
    // true when it took the key.
    template <class Handler> void onKey(ScreenWindow* window, Handler handler) {
        new KeyHook(window, window->client(), [this, generation = generation_, handler](const KeyPress& key) {
            bool taken = false;
            if (generation == generation_) host_.guard().run([&] { taken = handler(key); });
            return taken;
        });
    }
    Guard& guard() { return host_.guard(); }

private:
    // Shows the window; the first time after it was built, at its place on the screen the pointer is on.
    void showWindow();
    ScreenHost& host_;
    ScreenWindow* window_ = nullptr;
    bool placed_ = false;
    int generation_ = 0;
};

} // namespace toolkit
