// SPDX-License-Identifier: MIT
#include "frontends/web/display.h"
#include "frontends/web/page.h"
#include "frontends/web/page_calls.h"
#include "frontends/web/painter.h"
#include <cmath>
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <unordered_map>

using namespace toolkit;

namespace web {

namespace {

constexpr unsigned everything = ~0u;
constexpr Colour black{0, 0, 0};

const char* kindName(Control::Kind kind) {
    switch (kind) {
    case Control::Kind::label:
        return "label";
    case Control::Kind::button:
        return "button";
    case Control::Kind::picture:
        return "picture";
    case Control::Kind::line:
        return "line";
    case Control::Kind::canvas:
        break;
    }
    return "canvas";
}

MouseButton buttonOf(int dom) {
    switch (dom) {
    case 0:
        return MouseButton::left;
    case 1:
        return MouseButton::middle;
    case 2:
        return MouseButton::right;
    default:
        return MouseButton::other;
    }
}

// Whether the player can press the control: the screen listens to its clicks.
bool pressable(const Control& control) {
    switch (control.kind()) {
    case Control::Kind::label: {
        const auto& label = static_cast<const Label&>(control);
        return label.clicked.isConnected() || label.mouseDown.isConnected();
    }
    case Control::Kind::button:
        return true;
    case Control::Kind::picture:
        return static_cast<const PictureBox&>(control).clicked.isConnected();
    default:
        return false;
    }
}

// What a screen reader calls the control, when the game names it other than by its caption (the page names
// a label or button by its caption as it changes), and whether it is only decoration.
std::string spokenName(const Control& control) {
    return control.isDecorative() ? std::string() : control.ownAccessibleName();
}

bool decorative(const Control& control) {
    return control.isDecorative();
}

void sendFont(int id, const Font& font) {
    page::font({id, {font.family, pixelsOf(font), font.bold}});
}

// A control's element: follows every change of the control and hands its clicks back.
class ControlElement : public ControlView {
public:
    ControlElement(Control& control, int windowId, int parentId, const Display& display)
        : control_(&control), display_(&display), id_(newViewId()) {
        page::makeControl({id_, windowId, parentId, kindName(control.kind()), control.objectName(),
                           pressable(control), spokenName(control), decorative(control)});
        listen(id_, [this](PageEvent event, int arg) { heard(event, arg); });
        control.setView(this);
        changed(everything);
    }
    ~ControlElement() override { detach(); }

    int id() const { return id_; }
    void detach() {
        if (!control_) return;
        forget(id_);
        control_->setView(nullptr);
        control_ = nullptr;
    }

    void changed(unsigned what) override {
        if (!control_) return;
        const Control& c = *control_;
        if (what & changedPlace) place();
        if (what & changedShown) page::shown({id_, !c.isHidden()});
        if (what & changedEnabled) page::enabled({id_, c.isEnabled()});
        if (what & changedName) page::spokenName({id_, spokenName(c)});
        if (what & changedPointer) {
            const Cursor& cursor = c.cursor();
            page::pointer(
                {id_, cursor.picture, cursor.hotSpot.x, cursor.hotSpot.y, cursor.arrow, c.toolTip()});
        }
        switch (c.kind()) {
        case Control::Kind::label: {
            const auto& label = static_cast<const Label&>(c);
            if (what & changedLook) {
                sendFont(id_, label.font());
                const LabelColours drawn = drawnColours(label, display_->look());
                page::look({id_, drawn.fore, drawn.back, label.alignment(), label.hasBorder(),
                            label.textMayRunBelow(), drawn.edge});
            }
            if (what & (changedText | changedLook)) page::text({id_, label.text(), label.inkOnly()});
            break;
        }
        case Control::Kind::button: {
            const auto& button = static_cast<const Button&>(c);
            if (what & changedLook) {
                sendFont(id_, button.font());
                const Look& look = display_->look();
                page::look({id_, drawnCaption(button, look).value_or(black), button.backColor(),
                            Align::centre, true, false, drawnEdge(button, look)});
            }
            if (what & (changedText | changedLook)) page::text({id_, button.text(), {}});
            break;
        }
        case Control::Kind::picture: {
            const auto& box = static_cast<const PictureBox&>(c);
            if (what & changedLook)
                page::look({id_, black, box.backColor(), Align::left, box.hasBorder(), false,
                            drawnEdge(box, display_->look())});
            if (what & changedPicture) page::picture({id_, box.picture(), box.autoSize()});
            break;
        }
        case Control::Kind::canvas:
            if (what & changedLook) repaint();
            break;
        case Control::Kind::line:
            if (what & changedLook) place();
            break;
        }
    }

    void takeFocus() override { page::focusControl(id_); }

private:
    void place() {
        const Control& c = *control_;
        if (c.kind() == Control::Kind::line) {
            const auto& line = static_cast<const Line&>(c);
            const Point from = line.from();
            const Point to = line.to();
            page::line({id_, cssPixels(from.x), cssPixels(from.y), cssPixels(to.x - from.x),
                        cssPixels(to.y - from.y), drawnColour(line, display_->look())});
            return;
        }
        const Rect at = c.geometry();
        double left = at.left, top = at.top;
        if (c.kind() == Control::Kind::picture) {
            // A picture box keeps its place in fractions of a twip; the page has it at the nearest twip.
            const auto& box = static_cast<const PictureBox&>(c);
            left = static_cast<double>(std::lround(box.left()));
            top = static_cast<double>(std::lround(box.top()));
        }
        page::place({id_, cssPixels(left), cssPixels(top), cssPixels(at.width), cssPixels(at.height)});
    }

    void repaint() {
        auto& canvas = static_cast<Canvas&>(*control_);
        if (!canvas.paint) return;
        WebPainter painter(id_);
        if (painter.width() > 0 && painter.height() > 0) canvas.paint(painter);
    }

    void heard(PageEvent event, int arg) {
        if (!control_) return;
        switch (event) {
        case PageEvent::mouseDown:
            if (control_->kind() == Control::Kind::label)
                static_cast<Label*>(control_)->mouseDown(buttonOf(arg));
            break;
        case PageEvent::click:
            if (!control_->isEnabled()) break;
            if (control_->kind() == Control::Kind::label)
                static_cast<Label*>(control_)->clicked();
            else if (control_->kind() == Control::Kind::button)
                static_cast<Button*>(control_)->clicked();
            else if (control_->kind() == Control::Kind::picture)
                static_cast<PictureBox*>(control_)->clicked();
            break;
        case PageEvent::repaint:
            repaint();
            break;
        default:
            break;
        }
    }

    Control* control_;
    const Display* display_;
    int id_;
};

// A menu or menu item in the panel's menu bar.
class MenuElement : public MenuView {
public:
    MenuElement(MenuItem& item, int windowId, int parentId) : item_(&item), id_(newViewId()) {
        page::makeMenu({id_, windowId, parentId, item.isMenu(), item.objectName()});
        listen(id_, [this](PageEvent event, int) {
            if (!item_) return;
            if (event == PageEvent::menuTriggered) item_->triggered();
            if (event == PageEvent::menuAboutToShow) item_->aboutToShow();
        });
        item.setView(this);
        changed();
    }
    ~MenuElement() override { detach(); }
    int id() const { return id_; }
    void detach() {
        if (!item_) return;
        forget(id_);
        item_->setView(nullptr);
        item_ = nullptr;
    }
    void changed() override {
        if (!item_) return;
        page::menuState({id_, item_->text(), item_->isEnabled(), item_->isVisible(), item_->isCheckable(),
                         item_->isChecked()});
    }

private:
    MenuItem* item_;
    int id_;
};

// A timer of the page: ticks every interval from the moment it was switched on or its interval was set.
class PageTimer : public TimerView {
public:
    explicit PageTimer(Timer& timer) : timer_(&timer) {
        timer.setView(this);
        if (timer.isEnabled()) start();
    }
    ~PageTimer() override { detach(); }
    void detach() {
        stop();
        if (timer_) timer_->setView(nullptr);
        timer_ = nullptr;
    }
    void start() override {
        stop();
        if (!timer_) return;
        since_ = emscripten_get_now();
        handle_ = emscripten_set_interval(&PageTimer::ticked, timer_->interval(), this);
        running_ = true;
    }
    void stop() override {
        if (running_) emscripten_clear_interval(handle_);
        running_ = false;
    }
    void setInterval(int) override {
        if (running_) start();
    }
    int remainingTime() const override {
        if (!running_ || !timer_) return -1;
        const double left = timer_->interval() - (emscripten_get_now() - since_);
        return left > 0 ? static_cast<int>(left) : 0;
    }

private:
    static void ticked(void* self) {
        auto* me = static_cast<PageTimer*>(self);
        me->since_ = emscripten_get_now();
        if (me->timer_) me->timer_->tick();
    }
    Timer* timer_;
    long handle_ = 0;
    bool running_ = false;
    double since_ = 0;
};

Look& keptSystemLook() {
    static Look look;
    return look;
}

std::function<void()>& systemLookListener() {
    static std::function<void()> listener;
    return listener;
}

// The windows that take keys, by the number of their panel.
std::unordered_map<int, Window*>& keyedWindows() {
    static std::unordered_map<int, Window*> map;
    return map;
}

// A key pressed while the panel is in front and no dialog is open ({key, text, autoRepeat, forOthers}); true
// when the window took it.
bool windowKey(int id, const emscripten::val& press) {
    const auto found = keyedWindows().find(id);
    if (found == keyedWindows().end()) return false;
    return found->second->keyDown(KeyPress{press["key"].as<int>(), press["text"].as<std::string>(),
                                           press["autoRepeat"].as<bool>(), press["forOthers"].as<bool>()});
}

void windowKeyUp(int id, int key) {
    const auto found = keyedWindows().find(id);
    if (found != keyedWindows().end()) found->second->keyUp(key, false);
}

// The system's wishes, as the page reads them from the browser ({contrast, lessMotion}), now and whenever
// they change.
void takeSystemLook(const emscripten::val& look) {
    keptSystemLook() = {look["contrast"].as<bool>(), look["lessMotion"].as<bool>()};
    if (systemLookListener()) systemLookListener()();
}

EMSCRIPTEN_BINDINGS(window_keys) {
    emscripten::function("windowKey", &windowKey);
    emscripten::function("windowKeyUp", &windowKeyUp);
    emscripten::function("systemLook", &takeSystemLook);
}

} // namespace

// A window's panel and the views of everything in it.
struct WebDisplay::Panel : WindowView {
    Window* window = nullptr;
    int id = newViewId();
    std::vector<std::unique_ptr<ControlElement>> controls;
    std::vector<std::unique_ptr<MenuElement>> menus;
    std::vector<std::unique_ptr<PageTimer>> timers;

    void show(const Window* beside) override {
        const auto* other = beside ? dynamic_cast<const Panel*>(beside->view()) : nullptr;
        page::showWindow({id, other ? other->id : 0});
    }
    void hide() override { page::hideWindow(id); }
    void raise() override { page::raiseWindow(id); }
    void focus() override { page::focusWindow(id); }
    void captionChanged() override { page::captionWindow({id, window->caption()}); }

    void addMenus(MenuItem& parent, int parentId) {
        for (const auto& item : parent.items()) {
            menus.push_back(std::make_unique<MenuElement>(*item, id, parentId));
            addMenus(*item, menus.back()->id());
        }
    }

    void detach() {
        forget(id);
        keyedWindows().erase(id);
        for (auto& timer : timers)
            timer->detach();
        for (auto& control : controls)
            control->detach();
        for (auto& menu : menus)
            menu->detach();
        if (window) window->setView(nullptr);
        window = nullptr;
        page::removeWindow(id);
    }
};

Look systemLook() {
    return keptSystemLook();
}

void onSystemLookChanged(std::function<void()> listener) {
    systemLookListener() = std::move(listener);
}

void WebDisplay::lookChanged() {
    for (const auto& panel : panels_)
        for (const auto& control : panel->controls)
            control->changed(changedLook);
}

WebDisplay::WebDisplay() = default;

WebDisplay::~WebDisplay() {
    for (auto& panel : panels_)
        panel->detach();
}

void WebDisplay::realize(Window& window) {
    if (window.zoomsWithFrame() && addToMainMenus) addToMainMenus(window.menuBar());
    auto panel = std::make_unique<Panel>();
    Panel& p = *panel;
    p.window = &window;
    page::makeWindow({p.id, window.caption(), window.objectName(), cssPixels(window.clientWidth()),
                      cssPixels(window.clientHeight()), window.backColor(),
                      cssPixels(window.designPosition().x), cssPixels(window.designPosition().y),
                      window.zoomsWithFrame(), static_cast<bool>(window.keyHandler)});
    listen(p.id, [&window](PageEvent event, int) {
        if (event == PageEvent::closeRequested && window.closeRequested) window.closeRequested();
    });
    if (window.keyHandler) keyedWindows()[p.id] = &window;
    window.setView(&p);
    p.addMenus(window.menuBar(), 0);
    for (const auto& control : window.controls()) {
        int parentId = 0;
        if (const Control* parent = control->parent())
            if (const auto* view = dynamic_cast<const ControlElement*>(parent->view())) parentId = view->id();
        p.controls.push_back(std::make_unique<ControlElement>(*control, p.id, parentId, *this));
    }
    for (const auto& timer : window.timers())
        p.timers.push_back(std::make_unique<PageTimer>(*timer));
    panels_.push_back(std::move(panel));
}

void WebDisplay::release(std::unique_ptr<Window> window, bool now) {
    for (auto it = panels_.begin(); it != panels_.end(); ++it) {
        if ((*it)->window != window.get()) continue;
        (*it)->detach();
        released_.push_back(std::move(*it));
        panels_.erase(it);
        break;
    }
    releasedWindows_.push_back(std::move(window));
    if (now) {
        sweep();
    } else if (!sweepPending_) {
        // The window may be delivering the event that closed it: it goes once that event is over.
        sweepPending_ = true;
        emscripten_async_call([](void* self) { static_cast<WebDisplay*>(self)->sweep(); }, this, 0);
    }
}

void WebDisplay::sweep() {
    sweepPending_ = false;
    releasedWindows_.clear();
    released_.clear();
}

void WebDisplay::stopEverything() {
    for (auto& panel : panels_) {
        if (panel->window) panel->window->stopTimers();
        page::hideWindow(panel->id);
    }
}

} // namespace web
