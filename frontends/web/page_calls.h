// SPDX-License-Identifier: MIT
#pragma once
// Everything the game asks of the page, one function each. Each takes what it needs under names, and the
// page gets it as one object with the same names. Places and sizes are in CSS pixels of the stage (the
// page never sees twips); a canvas's drawing is in its own pixels. Views go by the numbers newViewId()
// gives them.
#include "toolkit/colour.h"
#include "toolkit/controls.h"
#include <emscripten/val.h>
#include <optional>
#include <string>
#include <vector>

namespace web {

// A twip is 1/15 of a CSS pixel: the panels stand on the stage at the size the game has on a desktop.
inline constexpr double twipsPerCssPixel = 15.0;
inline double cssPixels(double twips) {
    return twips / twipsPerCssPixel;
}

namespace page {

// ---- Panels

struct NewWindow {
    int id = 0;
    std::string caption;
    std::string name;
    double width = 0, height = 0; // the client area
    toolkit::Colour back;
    double designX = 0, designY = 0; // where the window stands on a desktop
    bool isMain = false;             // the game's own window: no caption bar, its caption names the page
    bool takesKeys = false;
};
void makeWindow(const NewWindow& window);

struct WindowCaption {
    int id = 0;
    std::string caption;
};
void captionWindow(const WindowCaption& caption);

struct Showing {
    int id = 0;
    int besideId = 0; // the panel it belongs beside, or 0
};
void showWindow(const Showing& show);
void hideWindow(int id);
void raiseWindow(int id);
void focusWindow(int id);
void removeWindow(int id);

// ---- Controls

struct NewControl {
    int id = 0;
    int windowId = 0;
    int parentId = 0; // the control it lies in, or 0
    std::string kind; // label, button, picture, line or canvas
    std::string name;
    bool pressable = false;
    // What a screen reader calls it; empty: the page names it by its caption, or a picture by its part in
    // the game. A decorative picture is left out for screen readers.
    std::string spokenName;
    bool decorative = false;
};
void makeControl(const NewControl& control);

struct Placing {
    int id = 0;
    double left = 0, top = 0, width = 0, height = 0;
};
void place(const Placing& place);

// A line from (x, y), running dx across and dy down.
struct LinePlace {
    int id = 0;
    double x = 0, y = 0, dx = 0, dy = 0;
    toolkit::Colour colour;
};
void line(const LinePlace& line);

struct Switch {
    int id = 0;
    bool on = false;
};
void shown(const Switch& shown);
void enabled(const Switch& enabled);

struct PointerLook {
    int id = 0;
    std::string picture; // a cursor picture, or empty
    int hotX = 0, hotY = 0;
    bool arrow = false;
    std::string tip;
};
void pointer(const PointerLook& pointer);

struct TextFont {
    std::string family;
    int pixels = 0;
    bool bold = false;
};

struct ControlFont {
    int id = 0;
    TextFont font;
};
void font(const ControlFont& font);

struct Look {
    int id = 0;
    toolkit::Colour fore;
    toolkit::Colour back;
    toolkit::Align align = toolkit::Align::left;
    bool border = false;
    bool mayRunBelow = false;
    // The colour of the border, or of an edge round a label that has none; none: the page's own.
    std::optional<toolkit::Colour> edge;
};
void look(const Look& look);

struct Caption {
    int id = 0;
    std::string value;
    std::string inkOnly; // when not empty, only these characters are drawn
};
void text(const Caption& text);

// A control's name for screen readers, changed after it was made (a drawing that says what it shows).
struct SpokenName {
    int id = 0;
    std::string name;
};
void spokenName(const SpokenName& spoken);

struct PictureShown {
    int id = 0;
    std::string name; // a file under pictures/, or empty
    bool autoSize = false;
};
void picture(const PictureShown& picture);
void focusControl(int id);

// ---- Canvas (its own pixels)

struct CanvasSize {
    int width = 0, height = 0;
};
// The canvas's size in pixels, cleared; 0 × 0 while its panel is not arranged on the screen.
CanvasSize canvasSize(int id);

struct Box {
    double left = 0, top = 0, width = 0, height = 0;
};

int lineHeight(const TextFont& font);

struct TextRun {
    TextFont font;
    std::string text;
};
int advance(const TextRun& advance);

// Lines centred in a box, at the font's size or as much smaller as they need.
struct TextInBox {
    std::vector<std::string> lines;
    TextFont font;
    Box box;
};
struct Ink {
    Box box;
    bool kept = false; // the lines fit at the font's own size
};
Ink inkOf(const TextInBox& text);

struct PaintedText {
    int id = 0;
    TextInBox text;
    toolkit::Colour colour;
};
void paintText(const PaintedText& text);

struct Fill {
    int id = 0;
    Box box;
    toolkit::Colour colour;
};
void paintFill(const Fill& fill);

struct PaintedLine {
    int id = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    toolkit::Colour colour;
};
void paintLine(const PaintedLine& line);

struct Polyline {
    int id = 0;
    std::vector<double> points; // x, y, x, y …
    toolkit::Colour colour;
    double width = 1;
};
void paintPolyline(const Polyline& polyline);

// ---- Menus

struct NewMenu {
    int id = 0;
    int windowId = 0;
    int parentId = 0; // the menu it is in, or 0 for the menu bar
    bool isMenu = false;
    std::string name;
};
void makeMenu(const NewMenu& menu);

struct MenuState {
    int id = 0;
    std::string text;
    bool enabled = true, visible = true, checkable = false, checked = false;
};
void menuState(const MenuState& state);

// ---- Dialogs, storage, sound and the game's start and end

struct Message {
    int id = 0; // hears dialogClosed, or 0
    std::string text;
    std::string title;
    bool stop = false;
    // What the box asks: nothing (OK), a yes or no (はい, いいえ), or a line of text (OK, やめる). It hears
    // dialogClosed with 1 for はい or OK; the text typed is then dialogAnswer().
    enum class Asks { nothing, yesNo, text } asks = Asks::nothing;
    std::string initial; // the text the line starts with
};
void message(const Message& message);
std::string dialogAnswer();

struct Fatal {
    std::string text;
    std::string detail;
};
void fatal(const Fatal& fatal);

// The value kept under the key, null when there is none.
emscripten::val stored(const std::string& key);
struct Setting {
    std::string key;
    std::string value;
};
void store(const Setting& store);

struct CueSamples {
    std::string key;
    const float* samples = nullptr; // channel after channel
    std::size_t count = 0;
    int channels = 0;
    int rate = 0;
};
void keepCue(const CueSamples& cue);
struct PlayedCue {
    std::string key;      // a cue kept before
    std::string fileName; // the file it was read from
};
void playCue(const PlayedCue& play);

// ---- The learning record, a file for the player, the voice (page_calls_keep.cpp)

// Reads the record the browser keeps; the page answers through recordLoaded with this number.
void loadRecord(int id);
struct RecordRow {
    std::string row;
};
void keepRecordRow(const RecordRow& row);
struct RecordRows {
    std::vector<std::string> rows;
};
void replaceRecord(const RecordRows& rows);

// A download; the page says why it could not start one, or nothing.
struct OfferedFile {
    std::string name;
    const std::string* bytes = nullptr;
};
std::string offerFile(const OfferedFile& file);

struct Spoken {
    std::string text;
};
void speak(const Spoken& spoken);

void ready(const emscripten::val& numbers);
void gameClosed();
void pickWordList();
void dropWordList();
void showWordLink();

} // namespace page
} // namespace web
