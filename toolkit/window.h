// SPDX-License-Identifier: MIT
#pragma once
// A screen's window as plain values: its caption, the size of its client area and the place it is drawn for,
// its background, its controls from back to front, its timers and its menu bar. A front end makes a view
// of it (Display::realize) and shows it; the window tells the view what the screen asks for.
#include "toolkit/controls.h"
#include "toolkit/keys.h"
#include "toolkit/look.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace toolkit {

class WindowView {
public:
    virtual ~WindowView() = default;
    // Shows the window; the first time, at its design position (or beside the given window, when the screen
    // has room for both) on the screen the pointer is on.
    virtual void show(const class Window* beside) = 0;
    virtual void hide() = 0;
    // Brings the window to the front and gives it the input focus.
    virtual void raise() = 0;
    virtual void focus() = 0;
    // The window's caption changed.
    virtual void captionChanged() = 0;
};

class Window {
public:
    Window(std::string caption, int clientWidth, int clientHeight);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int clientWidth() const { return width_; } // twips
    int clientHeight() const { return height_; }
    const std::string& objectName() const { return name_; }
    void setObjectName(std::string name) { name_ = std::move(name); }
    Colour backColor() const { return back_; }
    void setBackColor(Colour colour) { back_ = colour; }
    const Cursor& cursor() const { return cursor_; }
    void setCursor(Cursor cursor) { cursor_ = std::move(cursor); }
    // Where the window's top-left corner stands when it fits the screen, from the top-left corner of the
    // screen it opens on.
    Point designPosition() const { return designPosition_; }
    void setDesignPosition(Point twips) { designPosition_ = twips; }
    // The game's own window: the player may resize it with its frame, maximise it or show it full screen,
    // and the whole game zooms with it.
    bool zoomsWithFrame() const { return zoomsWithFrame_; }
    void setZoomsWithFrame(bool on) { zoomsWithFrame_ = on; }

    // Controls, each on the client area or on another control, drawn in the order they were added.
    template <class C, class... Args> C* add(Control* parent, Args&&... args) {
        auto control = std::make_unique<C>(*this, parent, std::forward<Args>(args)...);
        C* raw = control.get();
        controls_.push_back(std::move(control));
        return raw;
    }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Timer* addTimer(int intervalMs, bool enabled);
    const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }
    // The menu bar's items and menus; a window whose bar holds nothing has none.
    MenuItem& menuBar() { return menuBar_; }
    const MenuItem& menuBar() const { return menuBar_; }

    // A key pressed while the window is in front, before the control with the focus sees it; true when
    // taken. Front ends hand presses to keyDown and releases to keyUp, never to the handler itself.
    std::function<bool(const KeyPress&)> keyHandler;
    // A press reaching the window: handed to the handler unless it is for others. A held-down key presses
    // once: auto-repeated presses are never handed on, and those of a key the handler took are taken too
    // (true), so the focused control cannot act on them instead.
    bool keyDown(const KeyPress& press);
    void keyUp(int key, bool autoRepeat);
    // The player closed the window from its frame; the window never closes itself.
    std::function<void()> closeRequested;

    bool isVisible() const { return shown_; }
    void show(const Window* beside = nullptr);
    void hide();
    void raise();
    void focus();
    // Switches every timer off, for good: the window is going.
    void stopTimers();

    WindowView* view() const { return view_; }
    void setView(WindowView* view) { view_ = view; }

private:
    std::string caption_;
    int width_, height_;
    std::string name_;
    Colour back_{255, 255, 255};
    Cursor cursor_;
    Point designPosition_;
    bool zoomsWithFrame_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    MenuItem menuBar_;
    bool shown_ = false;
    std::optional<int> heldKey_; // the key the handler took, until it is let go
    WindowView* view_ = nullptr;
};

// The front end: makes views of windows and lets them go.
class Display {
public:
    virtual ~Display() = default;
    // Makes the window's view and those of its controls, timers and menus; the window stays hidden.
    virtual void realize(Window& window) = 0;
    // Takes a closed window's view off the screen and lets go of both. The window may be in the middle of
    // delivering the event that closed it: unless now is set, both go once that event is over; no event of
    // the window reaches the screen again either way.
    virtual void release(std::unique_ptr<Window> window, bool now) = 0;

    // The look every window is drawn in (toolkit/look.h); a new one redraws every window at once.
    const Look& look() const { return look_; }
    void setLook(const Look& look) {
        if (look == look_) return;
        look_ = look;
        lookChanged();
    }

protected:
    // Draws every window's controls anew in look().
    virtual void lookChanged() {}

private:
    Look look_;
};

} // namespace toolkit
