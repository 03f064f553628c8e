// SPDX-License-Identifier: MIT
#include "frontends/web/page_calls.h"
#include <cstdio>
#include <emscripten/val.h>

using emscripten::val;

namespace web::page {

namespace {

// The page's object: the page's start-up sets it before the game's script runs.
val pageObject() {
    return val::global("pokurakuPage");
}

// The only ways to the page: a function of it by name, with one object or nothing.
void send(const char* function, const val& what) {
    pageObject().call<void>(function, what);
}

void send(const char* function) {
    pageObject().call<void>(function);
}

val ask(const char* function, const val& what) {
    return pageObject().call<val>(function, what);
}

// The colour as CSS writes it ("#rrggbb").
std::string css(toolkit::Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

val withId(int id) {
    val what = val::object();
    what.set("id", id);
    return what;
}

val fontOf(const TextFont& font) {
    val what = val::object();
    what.set("family", font.family);
    what.set("pixels", font.pixels);
    what.set("bold", font.bold);
    return what;
}

val boxOf(const Box& box) {
    val what = val::object();
    what.set("left", box.left);
    what.set("top", box.top);
    what.set("width", box.width);
    what.set("height", box.height);
    return what;
}

val linesOf(const std::vector<std::string>& lines) {
    val array = val::array();
    for (const std::string& line : lines)
        array.call<void>("push", line);
    return array;
}

val textInBox(const TextInBox& text) {
    val what = val::object();
    what.set("lines", linesOf(text.lines));
    what.set("font", fontOf(text.font));
    what.set("box", boxOf(text.box));
    return what;
}

} // namespace

void makeWindow(const NewWindow& window) {
    val what = withId(window.id);
    what.set("caption", window.caption);
    what.set("name", window.name);
    what.set("width", window.width);
    what.set("height", window.height);
    what.set("back", css(window.back));
    what.set("designX", window.designX);
    what.set("designY", window.designY);
    what.set("isMain", window.isMain);
    what.set("takesKeys", window.takesKeys);
    send("makeWindow", what);
}

void captionWindow(const WindowCaption& caption) {
    val what = withId(caption.id);
    what.set("caption", caption.caption);
    send("captionWindow", what);
}

std::string dialogAnswer() {
    return pageObject().call<std::string>("dialogAnswer");
}

void showWindow(const Showing& show) {
    val what = withId(show.id);
    what.set("besideId", show.besideId);
    send("showWindow", what);
}

void hideWindow(int id) {
    send("hideWindow", withId(id));
}

void raiseWindow(int id) {
    send("raiseWindow", withId(id));
}

void focusWindow(int id) {
    send("focusWindow", withId(id));
}

void removeWindow(int id) {
    send("removeWindow", withId(id));
}

void makeControl(const NewControl& control) {
    val what = withId(control.id);
    what.set("windowId", control.windowId);
    what.set("parentId", control.parentId);
    what.set("kind", control.kind);
    what.set("name", control.name);
    what.set("pressable", control.pressable);
    what.set("spokenName", control.spokenName);
    what.set("decorative", control.decorative);
    send("makeControl", what);
}

void place(const Placing& place) {
    val what = withId(place.id);
    what.set("left", place.left);
    what.set("top", place.top);
    what.set("width", place.width);
    what.set("height", place.height);
    send("place", what);
}

void line(const LinePlace& line) {
    val what = withId(line.id);
    what.set("x", line.x);
    what.set("y", line.y);
    what.set("dx", line.dx);
    what.set("dy", line.dy);
    what.set("colour", css(line.colour));
    send("line", what);
}

void shown(const Switch& shown) {
    val what = withId(shown.id);
    what.set("on", shown.on);
    send("shown", what);
}

void enabled(const Switch& enabled) {
    val what = withId(enabled.id);
    what.set("on", enabled.on);
    send("enabled", what);
}

void pointer(const PointerLook& pointer) {
    val what = withId(pointer.id);
    what.set("picture", pointer.picture);
    what.set("hotX", pointer.hotX);
    what.set("hotY", pointer.hotY);
    what.set("arrow", pointer.arrow);
    what.set("tip", pointer.tip);
    send("pointer", what);
}

void font(const ControlFont& font) {
    val what = withId(font.id);
    what.set("font", fontOf(font.font));
    send("font", what);
}

void look(const Look& look) {
    val what = withId(look.id);
    what.set("fore", css(look.fore));
    what.set("back", css(look.back));
    what.set("align", static_cast<int>(look.align)); // the page's 0 left, 1 centre, 2 right
    what.set("border", look.border);
    what.set("mayRunBelow", look.mayRunBelow);
    what.set("edge", look.edge ? css(*look.edge) : std::string());
    send("look", what);
}

void text(const Caption& text) {
    val what = withId(text.id);
    what.set("value", text.value);
    what.set("inkOnly", text.inkOnly);
    send("text", what);
}

void picture(const PictureShown& picture) {
    val what = withId(picture.id);
    what.set("name", picture.name);
    what.set("autoSize", picture.autoSize);
    send("picture", what);
}

void focusControl(int id) {
    send("focusControl", withId(id));
}

CanvasSize canvasSize(int id) {
    const val size = ask("canvasSize", withId(id));
    return {size["width"].as<int>(), size["height"].as<int>()};
}

int lineHeight(const TextFont& font) {
    val what = val::object();
    what.set("font", fontOf(font));
    return ask("lineHeight", what).as<int>();
}

int advance(const TextRun& advance) {
    val what = val::object();
    what.set("font", fontOf(advance.font));
    what.set("text", advance.text);
    return ask("advance", what).as<int>();
}

Ink inkOf(const TextInBox& text) {
    const val ink = ask("inkOf", textInBox(text));
    return {{ink["left"].as<double>(), ink["top"].as<double>(), ink["width"].as<double>(),
             ink["height"].as<double>()},
            ink["kept"].as<bool>()};
}

void paintText(const PaintedText& text) {
    val what = textInBox(text.text);
    what.set("id", text.id);
    what.set("colour", css(text.colour));
    send("paintText", what);
}

void paintFill(const Fill& fill) {
    val what = withId(fill.id);
    what.set("box", boxOf(fill.box));
    what.set("colour", css(fill.colour));
    send("paintFill", what);
}

void paintLine(const PaintedLine& line) {
    val what = withId(line.id);
    what.set("x1", line.x1);
    what.set("y1", line.y1);
    what.set("x2", line.x2);
    what.set("y2", line.y2);
    what.set("colour", css(line.colour));
    send("paintLine", what);
}

void paintPolyline(const Polyline& polyline) {
    val points = val::array();
    for (const double value : polyline.points)
        points.call<void>("push", value);
    val what = withId(polyline.id);
    what.set("points", points);
    what.set("colour", css(polyline.colour));
    what.set("width", polyline.width);
    send("paintPolyline", what);
}

void makeMenu(const NewMenu& menu) {
    val what = withId(menu.id);
    what.set("windowId", menu.windowId);
    what.set("parentId", menu.parentId);
    what.set("isMenu", menu.isMenu);
    what.set("name", menu.name);
    send("makeMenu", what);
}

void menuState(const MenuState& state) {
    val what = withId(state.id);
    what.set("text", state.text);
    what.set("enabled", state.enabled);
    what.set("visible", state.visible);
    what.set("checkable", state.checkable);
    what.set("checked", state.checked);
    send("menuState", what);
}

void message(const Message& message) {
    val what = withId(message.id);
    what.set("text", message.text);
    what.set("title", message.title);
    what.set("stop", message.stop);
    what.set("asks", message.asks == Message::Asks::yesNo  ? "yesNo"
                     : message.asks == Message::Asks::text ? "text"
                                                           : "");
    what.set("initial", message.initial);
    send("message", what);
}

void fatal(const Fatal& fatal) {
    val what = val::object();
    what.set("text", fatal.text);
    what.set("detail", fatal.detail);
    send("fatal", what);
}

val stored(const std::string& key) {
    val what = val::object();
    what.set("key", key);
    return ask("stored", what);
}

void store(const Setting& store) {
    val what = val::object();
    what.set("key", store.key);
    what.set("value", store.value);
    send("store", what);
}

void keepCue(const CueSamples& cue) {
    val what = val::object();
    what.set("key", cue.key);
    what.set("samples", val(emscripten::typed_memory_view(cue.count, cue.samples)));
    what.set("channels", cue.channels);
    what.set("rate", cue.rate);
    send("keepCue", what);
}

void playCue(const PlayedCue& play) {
    val what = val::object();
    what.set("key", play.key);
    what.set("fileName", play.fileName);
    send("playCue", what);
}

void ready(const val& numbers) {
    send("ready", numbers);
}

void gameClosed() {
    send("gameClosed");
}

void pickWordList() {
    send("pickWordList");
}

void dropWordList() {
    send("dropWordList");
}

} // namespace web::page
