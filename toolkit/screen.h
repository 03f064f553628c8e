// SPDX-License-Identifier: MIT
#pragma once
// A screen is an object that outlives its window. Showing (or hiding) a screen that is not loaded builds its
// window and controls from the screen's definition and runs its load step; closing destroys window, controls
// and timers but keeps the screen's variables; closing a screen that is not loaded does nothing.
#include "toolkit/guard.h"
#include "toolkit/window.h"
#include <memory>

namespace toolkit {

// Counts loaded screens (the program ends when the count falls to zero), guards every handler and shows
// the windows.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    virtual void screenLoaded() = 0;
    virtual void screenUnloaded() = 0;
    virtual Guard& guard() = 0;
    virtual Display& display() = 0;
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
    Window* window() const { return window_.get(); }

protected:
    // Builds the window and its controls from the screen's definition and connects their events. Called by
    // load().
    virtual std::unique_ptr<Window> build() = 0;
    virtual bool visibleAtCreation() const { return false; }
    virtual void onLoad() {}
    // Called as the window goes: drop every pointer into it.
    virtual void forgetControls() = 0;
    // The player closed the window from its frame; by default that unloads the screen.
    virtual void closeRequested() { close(); }
    // A window this screen's window should stand beside rather than over, when the screen is wide enough
    // for both; none by default.
    virtual const Window* standBeside() const { return nullptr; }

    // Hands the key presses of the window to a handler through the guard; the handler returns true when it
    // took the key.
    template <class Handler> void onKey(Window& window, Handler handler) {
        window.keyHandler = [this, handler](const KeyPress& key) {
            bool taken = false;
            host_.guard().run([&] { taken = handler(key); });
            return taken;
        };
    }
    Guard& guard() { return host_.guard(); }

private:
    void showWindow();
    ScreenHost& host_;
    std::unique_ptr<Window> window_;
};

} // namespace toolkit
