// SPDX-License-Identifier: MIT
#pragma once
// The controls the screens are built from, as plain values a front end shows: labels raise mouse-down for
// any button and click for the left one, picture boxes show a picture by name unscaled from their top-left
// corner, buttons show their back colour and can be pressed from the keyboard once they have the focus.
// Every change is handed to the control's view, the front end's picture of it, which draws it anew.
#include "toolkit/colour.h"
#include "toolkit/event.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include <functional>
#include <string>

namespace toolkit {

class Window;
class Painter;

// What changed in a control, so its view redraws just that.
enum Change : unsigned {
    changedText = 1,
    changedLook = 2, // colours, font, border, alignment
    changedPlace = 4,
    changedShown = 8,
    changedEnabled = 16,
    changedPicture = 32,
    changedPointer = 64, // cursor and tooltip
    changedName = 128,   // the accessible name, or whether the control is decorative
};

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void changed(unsigned what) = 0;
    // Gives the control the input focus, so the keyboard presses it.
    virtual void takeFocus() {}
};

enum class Align { left, centre, right };
enum class MouseButton { left, right, middle, other };

// The pointer over a control: a picture by name with the point of it that aims, or the desktop's arrow.
// No picture: the pointer of whatever lies under the control.
struct Cursor {
    std::string picture;
    Point hotSpot; // pixels of the picture
    bool arrow = false;
    friend bool operator==(const Cursor&, const Cursor&) = default;
};
inline const Cursor arrowCursor{{}, {}, true};

class Control {
public:
    enum class Kind { label, button, picture, line, canvas };
    Control(Window& window, Control* parent, Kind kind) : window_(window), parent_(parent), kind_(kind) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    Window& window() const { return window_; }
    // The control it lies on; none: the window's client area.
    Control* parent() const { return parent_; }
    // The name the control is defined by ("Label4"), for finding it and for accessibility tools.
    const std::string& objectName() const { return name_; }
    void setObjectName(std::string name) { name_ = std::move(name); }

    Rect geometry() const { return at_; }
    void setGeometry(Rect at);
    // Hidden: switched off by the screen. Visible: switched on, and so are the control it lies on and the
    // window, which is shown.
    bool isHidden() const { return hidden_; }
    bool isVisible() const;
    void setVisible(bool shown);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    const Cursor& cursor() const { return cursor_; }
    void setCursor(Cursor cursor);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string text);
    // The name screen readers give the control, by its role in the game ("ねずみ", "ねずみの へや"). A label
    // or button with no name of its own is named by its caption; a decorative control has no name at all
    // and is left out by screen readers.
    std::string accessibleName() const;
    // The name the screen gave the control; empty: it is known by its caption, if it has one.
    const std::string& ownAccessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name);
    bool isDecorative() const { return decorative_; }
    void setDecorative(bool on);
    void setFocus() {
        if (view_) view_->takeFocus();
    }

    ControlView* view() const { return view_; }
    void setView(ControlView* view) { view_ = view; }

protected:
    void changed(unsigned what) {
        if (view_) view_->changed(what);
    }
    // The caption a label or button shows; none for other controls.
    virtual const std::string* caption() const { return nullptr; }

private:
    Window& window_;
    Control* parent_;
    Kind kind_;
    std::string name_;
    Rect at_;
    bool hidden_ = false;
    bool enabled_ = true;
    Cursor cursor_;
    std::string toolTip_;
    std::string accessibleName_;
    bool decorative_ = false;
    ControlView* view_ = nullptr;
};

class Label : public Control {
public:
    Label(Window& window, Control* parent) : Control(window, parent, Kind::label) {}
    const std::string& text() const { return text_; }
    void setText(std::string text);
    Colour foreColor() const { return fore_; }
    void setForeColor(Colour colour);
    Colour backColor() const { return back_; }
    void setBackColor(Colour colour);
    const Font& font() const { return font_; }
    void setFont(Font font);
    Align alignment() const { return align_; }
    void setAlignment(Align align);
    bool hasBorder() const { return border_; }
    void setBorder(bool single);
    // For a label whose lower part is covered by another on purpose: only the top of its text must stay
    // inside, and the text is not shrunk for letters that run past its bottom.
    bool textMayRunBelow() const { return mayRunBelow_; }
    void setTextMayRunBelow(bool on);
    // The only characters whose ink is drawn; the others keep their places unseen. Empty: all are drawn.
    const std::string& inkOnly() const { return inkOnly_; }
    void setInkOnly(std::string characters);

    Event<MouseButton> mouseDown;
    Event<> clicked;

protected:
    const std::string* caption() const override { return &text_; }

private:
    std::string text_;
    Colour fore_{0, 0, 0};
    Colour back_{255, 255, 255};
    Font font_;
    Align align_ = Align::left;
    bool border_ = false;
    bool mayRunBelow_ = false;
    std::string inkOnly_;
};

class Button : public Control {
public:
    Button(Window& window, Control* parent) : Control(window, parent, Kind::button) {}
    const std::string& text() const { return text_; }
    void setText(std::string text);
    Colour backColor() const { return back_; }
    void setBackColor(Colour colour);
    const Font& font() const { return font_; }
    void setFont(Font font);

    Event<> clicked;

protected:
    const std::string* caption() const override { return &text_; }

private:
    std::string text_;
    Colour back_{255, 255, 255};
    Font font_;
};

class PictureBox : public Control {
public:
    PictureBox(Window& window, Control* parent) : Control(window, parent, Kind::picture) {}
    // The picture by name ("creatures/creature03.gif"); empty for none. Assigning one box's picture to
    // another makes both show the same image.
    const std::string& picture() const { return picture_; }
    void setPicture(std::string name);
    // An auto-sized box takes the size of its picture.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    Colour backColor() const { return back_; }
    void setBackColor(Colour colour);
    // A single-line border; the picture is then drawn inside it.
    bool hasBorder() const { return border_; }
    void setBorder(bool single);

    // Positions are kept as real twips; the view stands at the nearest pixel.
    float left() const { return left_; }
    float top() const { return top_; }
    void setLeft(double twips) { setPosition(twips, top_); }
    void setTop(double twips) { setPosition(left_, twips); }
    void setPosition(double leftTwips, double topTwips);

    Event<> clicked;

private:
    std::string picture_;
    bool autoSize_ = false;
    Colour back_{255, 255, 255};
    bool border_ = false;
    float left_ = 0;
    float top_ = 0;
};

// A straight line between two points, one pixel wide; it never takes the mouse.
class Line : public Control {
public:
    Line(Window& window, Control* parent, Point from, Point to, Colour colour);
    Point from() const { return from_; }
    Point to() const { return to_; }
    Colour colour() const { return colour_; }

private:
    Point from_, to_;
    Colour colour_;
};

// A control a screen draws itself, in pixels, whenever its view needs it.
class Canvas : public Control {
public:
    Canvas(Window& window, Control* parent) : Control(window, parent, Kind::canvas) {}
    std::function<void(Painter&)> paint;
    // Asks the view to draw again.
    void update() { changed(changedLook); }
};

} // namespace toolkit
