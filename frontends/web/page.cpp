// SPDX-License-Identifier: MIT
#include "frontends/web/page.h"
#include "toolkit/font.h"
#include "toolkit/keys.h"
#include <emscripten/bind.h>
#include <unordered_map>

namespace web {

namespace {

std::unordered_map<int, std::function<void(PageEvent, int)>>& handlers() {
    static std::unordered_map<int, std::function<void(PageEvent, int)>> map;
    return map;
}

// Called by the page for every event of a view; a view that has gone hears nothing.
void dispatch(int id, int event, int arg) {
    const auto found = handlers().find(id);
    if (found == handlers().end()) return;
    // A copy: the handler may let go of its own view.
    const std::function<void(PageEvent, int)> handler = found->second;
    handler(static_cast<PageEvent>(event), arg);
}

} // namespace

int newViewId() {
    static int last = 0;
    return ++last;
}

void listen(int id, std::function<void(PageEvent, int)> handler) {
    handlers()[id] = std::move(handler);
}

void forget(int id) {
    handlers().erase(id);
}

EMSCRIPTEN_BINDINGS(page_events) {
    emscripten::function("viewEvent", &dispatch);
}

emscripten::val pageNumbers() {
    using emscripten::val;
    val events = val::object();
    for (const auto& [name, event] : {std::pair{"mouseDown", PageEvent::mouseDown},
                                      {"click", PageEvent::click},
                                      {"menuTriggered", PageEvent::menuTriggered},
                                      {"menuAboutToShow", PageEvent::menuAboutToShow},
                                      {"closeRequested", PageEvent::closeRequested},
                                      {"dialogClosed", PageEvent::dialogClosed},
                                      {"repaint", PageEvent::repaint}})
        events.set(name, static_cast<int>(event));
    val keys = val::object();
    namespace k = toolkit::keys;
    for (const auto& [name, key] : {std::pair{"Escape", k::escape},
                                    {"Backspace", k::backspace},
                                    {"Enter", k::enter},
                                    {"NumpadEnter", k::keypadEnter},
                                    {"Dead", k::deadCircumflex},
                                    {"ArrowDown", k::down}})
        keys.set(name, key);
    val numbers = val::object();
    numbers.set("events", events);
    numbers.set("keys", keys);
    numbers.set("smallestPixels", toolkit::minimumCaptionPixels);
    return numbers;
}

} // namespace web
