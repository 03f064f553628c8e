// SPDX-License-Identifier: MIT
#include "frontends/web/page_calls.h"
#include "frontends/web/page_send.h"
#include <cstdio>

using emscripten::val;

namespace web::page {

namespace {

// The colour as CSS writes it ("#rrggbb").
std::string css(toolkit::Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return text;
}

val fontOf(const TextFont& font) {
    val what = val::object();
    what.set(key("family"), font.family);
    what.set(key("pixels"), font.pixels);
    what.set(key("bold"), font.bold);
    return what;
}

val boxOf(const Box& box) {
    val what = val::object();
    what.set(key("left"), box.left);
    what.set(key("top"), box.top);
    what.set(key("width"), box.width);
    what.set(key("height"), box.height);
    return what;
}

val textInBox(const TextInBox& text) {
    val what = val::object();
    what.set(key("lines"), arrayOf(text.lines));
    what.set(key("font"), fontOf(text.font));
    what.set(key("box"), boxOf(text.box));
    return what;
}

} // namespace

void makeWindow(const NewWindow& window) {
    val what = withId(window.id);
    what.set(key("caption"), window.caption);
    what.set(key("name"), window.name);
    what.set(key("width"), window.width);
    what.set(key("height"), window.height);
    what.set(key("back"), css(window.back));
    what.set(key("designX"), window.designX);
    what.set(key("designY"), window.designY);
    what.set(key("isMain"), window.isMain);
    what.set(key("takesKeys"), window.takesKeys);
    send("makeWindow", what);
}

void captionWindow(const WindowCaption& caption) {
    val what = withId(caption.id);
    what.set(key("caption"), caption.caption);
    send("captionWindow", what);
}

std::string dialogAnswer() {
    return pageFunction("dialogAnswer")().as<std::string>();
}

void showWindow(const Showing& show) {
    val what = withId(show.id);
    what.set(key("besideId"), show.besideId);
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
    what.set(key("windowId"), control.windowId);
    what.set(key("parentId"), control.parentId);
    what.set(key("kind"), control.kind);
    what.set(key("name"), control.name);
    what.set(key("pressable"), control.pressable);
    what.set(key("spokenName"), control.spokenName);
    what.set(key("decorative"), control.decorative);
    send("makeControl", what);
}

void place(const Placing& place) {
    val what = withId(place.id);
    what.set(key("left"), place.left);
    what.set(key("top"), place.top);
    what.set(key("width"), place.width);
    what.set(key("height"), place.height);
    send("place", what);
}

void line(const LinePlace& line) {
    val what = withId(line.id);
    what.set(key("x"), line.x);
    what.set(key("y"), line.y);
    what.set(key("dx"), line.dx);
    what.set(key("dy"), line.dy);
    what.set(key("colour"), css(line.colour));
    send("line", what);
}

void shown(const Switch& shown) {
    val what = withId(shown.id);
    what.set(key("on"), shown.on);
    send("shown", what);
}

void enabled(const Switch& enabled) {
    val what = withId(enabled.id);
    what.set(key("on"), enabled.on);
    send("enabled", what);
}

void pointer(const PointerLook& pointer) {
    val what = withId(pointer.id);
    what.set(key("picture"), pointer.picture);
    what.set(key("hotX"), pointer.hotX);
    what.set(key("hotY"), pointer.hotY);
    what.set(key("arrow"), pointer.arrow);
    what.set(key("tip"), pointer.tip);
    send("pointer", what);
}

void font(const ControlFont& font) {
    val what = withId(font.id);
    what.set(key("font"), fontOf(font.font));
    send("font", what);
}

void look(const Look& look) {
    val what = withId(look.id);
    what.set(key("fore"), css(look.fore));
    what.set(key("back"), css(look.back));
    what.set(key("align"), static_cast<int>(look.align)); // the page's 0 left, 1 centre, 2 right
    what.set(key("border"), look.border);
    what.set(key("mayRunBelow"), look.mayRunBelow);
    what.set(key("edge"), look.edge ? css(*look.edge) : std::string());
    send("look", what);
}

void spokenName(const SpokenName& spoken) {
    val what = withId(spoken.id);
    what.set(key("name"), spoken.name);
    send("spokenName", what);
}

void text(const Caption& text) {
    val what = withId(text.id);
    what.set(key("value"), text.value);
    what.set(key("inkOnly"), text.inkOnly);
    send("text", what);
}

void picture(const PictureShown& picture) {
    val what = withId(picture.id);
    what.set(key("name"), picture.name);
    what.set(key("autoSize"), picture.autoSize);
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
    what.set(key("font"), fontOf(font));
    return ask("lineHeight", what).as<int>();
}

int advance(const TextRun& advance) {
    val what = val::object();
    what.set(key("font"), fontOf(advance.font));
    what.set(key("text"), advance.text);
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
    what.set(key("id"), text.id);
    what.set(key("colour"), css(text.colour));
    send("paintText", what);
}

void paintFill(const Fill& fill) {
    val what = withId(fill.id);
    what.set(key("box"), boxOf(fill.box));
    what.set(key("colour"), css(fill.colour));
    send("paintFill", what);
}

void paintLine(const PaintedLine& line) {
    val what = withId(line.id);
    what.set(key("x1"), line.x1);
    what.set(key("y1"), line.y1);
    what.set(key("x2"), line.x2);
    what.set(key("y2"), line.y2);
    what.set(key("colour"), css(line.colour));
    send("paintLine", what);
}

void paintPolyline(const Polyline& polyline) {
    val points = val::array();
    for (const double value : polyline.points)
        points.call<void>("push", value);
    val what = withId(polyline.id);
    what.set(key("points"), points);
    what.set(key("colour"), css(polyline.colour));
    what.set(key("width"), polyline.width);
    send("paintPolyline", what);
}

void makeMenu(const NewMenu& menu) {
    val what = withId(menu.id);
    what.set(key("windowId"), menu.windowId);
    what.set(key("parentId"), menu.parentId);
    what.set(key("isMenu"), menu.isMenu);
    what.set(key("name"), menu.name);
    send("makeMenu", what);
}

void menuState(const MenuState& state) {
    val what = withId(state.id);
    what.set(key("text"), state.text);
    what.set(key("enabled"), state.enabled);
    what.set(key("visible"), state.visible);
    what.set(key("checkable"), state.checkable);
    what.set(key("checked"), state.checked);
    send("menuState", what);
}

void message(const Message& message) {
    val what = withId(message.id);
    what.set(key("text"), message.text);
    what.set(key("title"), message.title);
    what.set(key("stop"), message.stop);
    what.set(key("asks"), message.asks == Message::Asks::yesNo  ? "yesNo"
                          : message.asks == Message::Asks::text ? "text"
                                                                : "");
    what.set(key("initial"), message.initial);
    send("message", what);
}

void fatal(const Fatal& fatal) {
    val what = val::object();
    what.set(key("text"), fatal.text);
    what.set(key("detail"), fatal.detail);
    send("fatal", what);
}

val stored(const std::string& name) {
    val what = val::object();
    what.set(key("key"), name);
    return ask("stored", what);
}

void store(const Setting& store) {
    val what = val::object();
    what.set(key("key"), store.key);
    what.set(key("value"), store.value);
    send("store", what);
}

void keepCue(const CueSamples& cue) {
    val what = val::object();
    what.set(key("key"), cue.key);
    what.set(key("samples"), val(emscripten::typed_memory_view(cue.count, cue.samples)));
    what.set(key("channels"), cue.channels);
    what.set(key("rate"), cue.rate);
    send("keepCue", what);
}

void playCue(const PlayedCue& play) {
    val what = val::object();
    what.set(key("key"), play.key);
    what.set(key("fileName"), play.fileName);
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

void showWordLink() {
    send("showWordLink");
}

} // namespace web::page
